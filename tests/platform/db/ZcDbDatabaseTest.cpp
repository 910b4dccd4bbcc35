// Symbol tables, dictionaries, groups and data lists, copying between databases and
// linetype files.
#include "db/ZcDbDatabase.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"

#include <filesystem>
#include <fstream>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbText.h"
#include "headless/Database.h"

namespace {


ZcDbObjectId AddLayer(ZcDbDatabase& db, const wchar_t* name) {
  ZcDbLayerTable* t = nullptr;
  db.getLayerTable(t, ZcDb::kForWrite);
  auto* r = new ZcDbLayerTableRecord;
  r->setName(name);
  ZcDbObjectId id;
  t->add(id, r);
  r->close();
  t->close();
  return id;
}

TEST(SymbolTables, NamesCompareWithoutCaseKeepTheirCaseAndTableOrder) {
  ZcDbDatabase db;
  AddLayer(db, L"Przód|38");
  AddLayer(db, L"b");
  ZcDbLayerTable* t = nullptr;
  db.getLayerTable(t, ZcDb::kForWrite);
  EXPECT_TRUE(t->has(L"PRZÓD|38"));
  auto* dup = new ZcDbLayerTableRecord;
  dup->setName(L"B");
  EXPECT_EQ(Zcad::eDuplicateRecordName, t->add(dup));
  delete dup;
  std::vector<std::wstring> names;
  for (ZcDbObjectId id : t->recordIds()) {
    ZcDbLayerTableRecord* r = nullptr;
    zcdbOpenObject(r, id, ZcDb::kForRead);
    names.push_back(r->name());
    r->close();
  }
  t->close();
  EXPECT_EQ((std::vector<std::wstring>{L"0", L"Przód|38", L"b"}), names);
}

// The name index follows every way a record gets or changes its name.
TEST(SymbolTables, LookupsFollowRenamesErasuresAndDrawingsRead) {
  ZcDbDatabase db;
  ZcDbObjectId przod = AddLayer(db, L"Przód"), tyl = AddLayer(db, L"Tył");
  ZcDbLayerTableRecord* r = nullptr;
  zcdbOpenObject(r, przod, ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eDuplicateRecordName, r->setName(L"TYŁ"));
  EXPECT_EQ(Zcad::eOk, r->setName(L"Bok"));
  r->erase();
  r->close();
  ZcDbObjectId again = AddLayer(db, L"bok");  // the erased record's name is free again
  ZcDbLayerTable* t = nullptr;
  db.getLayerTable(t, ZcDb::kForRead);
  ZcDbObjectId id;
  EXPECT_EQ(Zcad::eKeyNotFound, t->getAt(L"przód", id));
  EXPECT_EQ(Zcad::eOk, t->getAt(L"BOK", id));
  EXPECT_EQ(again, id);
  EXPECT_EQ(Zcad::eOk, t->getAt(L"BOK", id, true));  // the erased one comes first in table order
  EXPECT_EQ(przod, id);
  EXPECT_TRUE(t->has(tyl));
  EXPECT_FALSE(t->has(przod));
  t->close();

  ZcDbDatabase read(false, true);
  ASSERT_EQ(Zcad::eOk, read.readDxfText(db.dxfText()));
  read.getLayerTable(t, ZcDb::kForRead);
  EXPECT_TRUE(t->has(L"tył") && t->has(L"Bok") && t->has(L"0"));
  EXPECT_FALSE(t->has(L"Przód"));
  t->close();
}

TEST(SymbolTables, RecordNamesRefuseForbiddenCharactersButAcceptTheBar) {
  ZcDbLayerTableRecord r;
  EXPECT_EQ(Zcad::eOk, r.setName(L"Model|Part|38|S|C"));
  for (const wchar_t* bad : {L"", L"a<b", L"a/b", L"a:b", L"a*b", L"a\"b", L"a?b", L"a=b", L"a,b"})
    EXPECT_EQ(Zcad::eInvalidSymbolTableName, r.setName(bad)) << bad;
}

TEST(SymbolTables, LayerInUseIsTheOneEntitiesLieOn) {
  ZcDbDatabase db;
  ZcDbObjectId used = AddLayer(db, L"used"), unused = AddLayer(db, L"unused");
  auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
  line->setLayer(used);
  AppendEntity(db, line);
  ZcDbLayerTableRecord *u = nullptr, *n = nullptr;
  zcdbOpenObject(u, used, ZcDb::kForRead);
  zcdbOpenObject(n, unused, ZcDb::kForRead);
  EXPECT_TRUE(u->isInUse());
  EXPECT_FALSE(n->isInUse());
  u->close();
  n->close();
}

TEST(Dictionaries, MissingKeyGives22AndSetAtReplacesAndErasesTheOldEntry) {
  ZcDbDatabase db;
  ZcDbDictionary* nod = nullptr;
  db.getNamedObjectsDictionary(nod, ZcDb::kForWrite);
  ZcDbObjectId id;
  EXPECT_EQ(22, nod->getAt(L"Fastrelle", id));
  auto* first = new ZcDbDictionary;
  ZcDbObjectId firstId, secondId;
  ASSERT_EQ(Zcad::eOk, nod->setAt(L"Fastrelle", first, firstId));
  first->close();
  auto* second = new ZcDbDictionary;
  ASSERT_EQ(Zcad::eOk, nod->setAt(L"FASTRELLE", second, secondId));
  second->close();
  EXPECT_TRUE(firstId.isErased());
  EXPECT_EQ(Zcad::eOk, nod->getAt(L"fastrelle", id));
  EXPECT_EQ(secondId, id);
  nod->close();
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(Groups, MembersNameTheirGroupInTheirDataListAndErasedMembersDrop) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbObjectId a = AppendEntity(*db, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  ZcDbObjectId b = AppendEntity(*db, new ZcDbLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0)));
  ZcDbDictionary* groups = nullptr;
  db->getGroupDictionary(groups, ZcDb::kForWrite);
  auto* g = new ZcDbGroup(L"Przód|38");
  ZcDbObjectId gid;
  groups->setAt(L"Przód|38", g, gid);
  groups->close();
  EXPECT_EQ(Zcad::eOk, g->append(a));
  EXPECT_EQ(Zcad::eOk, g->append(b));
  EXPECT_EQ(Zcad::eDuplicateKey, g->append(a));
  g->close();

  ads_name name;
  zcdbGetAdsName(name, a);
  resbuf* list = zcdbEntGet(name);
  bool namesGroup = false;
  for (resbuf* rb = list; rb; rb = rb->rbnext)
    if (rb->restype == 330) {
      ZcDbObjectId owner;
      zcdbGetObjectId(owner, rb->resval.rlname);
      namesGroup |= owner == gid;
    }
  zcutRelRb(list);
  EXPECT_TRUE(namesGroup);

  zcdbGetAdsName(name, gid);
  list = zcdbEntGet(name);
  bool marker = false;
  for (resbuf* rb = list; rb; rb = rb->rbnext)
    marker |= rb->restype == 100 && std::wstring(rb->resval.rstring) == L"AcDbGroup";
  zcutRelRb(list);
  EXPECT_TRUE(marker);

  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, a, ZcDb::kForWrite);
  o->erase();
  o->close();
  zcdbOpenObject(g, gid, ZcDb::kForRead);
  ZcDbObjectIdArray ids;
  g->allEntityIds(ids);
  g->close();
  ASSERT_EQ(1, ids.length());
  EXPECT_EQ(b, ids[0]);
}

TEST(Cloning, InsertingADrawingAsABlockBringsItsLayersAndBlocks) {
  ZcDbDatabase source;
  source.setInsbase(ZcGePoint3d(5, 5, 0));
  ZcDbObjectId layer = AddLayer(source, L"Notch");
  auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
  line->setLayer(layer);
  AppendEntity(source, line);
  auto* def = new ZcDbAttributeDefinition(ZcGePoint3d(0, 0, 0), L"1", L"NUM");
  AppendEntity(source, def);

  ZcDbDatabase target;
  ZcDbObjectId blockId;
  ASSERT_EQ(Zcad::eOk, target.insert(blockId, L"GradePoint", &source));
  ZcDbObjectId again;
  EXPECT_EQ(Zcad::eDuplicateRecordName, target.insert(again, L"gradepoint", &source));
  ZcDbBlockTableRecord* btr = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(btr, blockId, ZcDb::kForRead));
  EXPECT_EQ(ZcGePoint3d(5, 5, 0), btr->origin());
  EXPECT_TRUE(btr->hasAttributeDefinitions());
  ZcDbObjectIdArray ents = btr->entityIds();
  btr->close();
  ASSERT_EQ(2, ents.length());
  ZcDbEntity* copy = nullptr;
  zcdbOpenZcDbEntity(copy, ents[0], ZcDb::kForRead);
  EXPECT_EQ(L"Notch", copy->layer());
  EXPECT_EQ(&target, copy->layerId().database());
  copy->close();
  EXPECT_EQ(0, target.numOpenObjects());
}

// A side drawing whose block Y holds a reference to its block `inner`, model space holding Y.
void BuildNestedDrawing(ZcDbDatabase& side, const wchar_t* inner) {
  ZcDbBlockTable* table = nullptr;
  side.getBlockTable(table, ZcDb::kForWrite);
  ZcDbObjectId innerId, y;
  auto* a = new ZcDbBlockTableRecord;
  a->setName(inner);
  table->add(innerId, a);
  a->close();
  auto* b = new ZcDbBlockTableRecord;
  b->setName(L"Y");
  table->add(y, b);
  b->close();
  table->close();
  AppendEntity(side, new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(3, 4, 0)), innerId);
  AppendEntity(side, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), innerId), y);
  AppendEntity(side, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), y));
}

TEST(Cloning, InsertingKeepsASideBlockNamedAsTheNewBlockUnderASuffix) {
  for (const wchar_t* name : {L"Cyc", L"CYC"}) {
    ZcDbDatabase side, target;
    BuildNestedDrawing(side, name);
    ZcDbObjectId blockId;
    ASSERT_EQ(Zcad::eOk, target.insert(blockId, L"Cyc", &side));
    ZcDbBlockTable* table = nullptr;
    target.getBlockTable(table, ZcDb::kForRead);
    ZcDbObjectId kept;
    EXPECT_EQ(Zcad::eOk, table->getAt(L"Cyc$1", kept));
    table->close();
    ZcDbBlockTableRecord* btr = nullptr;
    zcdbOpenObject(btr, kept, ZcDb::kForRead);
    EXPECT_EQ(1, btr->entityIds().length());  // the side block's line
    btr->close();
    // a reference to the new block reaches the line, and the walk ends
    auto* ref = new ZcDbBlockReference(ZcGePoint3d(10, 0, 0), blockId);
    ZcDbObjectId refId = AppendEntity(target, ref);
    ZcDbEntity* e = nullptr;
    zcdbOpenZcDbEntity(e, refId, ZcDb::kForRead);
    ZcDbExtents box;
    EXPECT_EQ(Zcad::eOk, e->getGeomExtents(box));
    e->close();
    EXPECT_TRUE(box.maxPoint().isEqualTo(ZcGePoint3d(13, 4, 0)));
    EXPECT_EQ(0, target.numOpenObjects());
  }
}

TEST(Cloning, ACopyThatWouldMakeABlockHoldItselfIsRefused) {
  // The target's block "Mark" takes a copy of a reference to the source's "Mark": the
  // target's record of that name would then hold itself.
  ZcDbDatabase source, target;
  ZcDbObjectId sourceMark, targetMark;
  for (auto [db, id] : {std::pair{&source, &sourceMark}, std::pair{&target, &targetMark}}) {
    ZcDbBlockTable* table = nullptr;
    db->getBlockTable(table, ZcDb::kForWrite);
    auto* btr = new ZcDbBlockTableRecord;
    btr->setName(L"Mark");
    table->add(*id, btr);
    btr->close();
    table->close();
  }
  ZcDbObjectIdArray ids;
  ids.append(AppendEntity(source, new ZcDbBlockReference(ZcGePoint3d(0, 0, 0), sourceMark)));
  ZcDbIdMapping map;
  EXPECT_EQ(Zcad::eInvalidInput, source.wblockCloneObjects(ids, targetMark, map));
  ZcDbBlockTableRecord* btr = nullptr;
  zcdbOpenObject(btr, targetMark, ZcDb::kForRead);
  EXPECT_EQ(0, btr->entityIds().length());
  btr->close();
}

TEST(Cloning, WblockCloneMapsIdsAndIgnoresRecordsTheTargetHas) {
  ZcDbDatabase source, target;
  ZcDbObjectId sourceLayer = AddLayer(source, L"Shared");
  ZcDbObjectId targetLayer = AddLayer(target, L"SHARED");
  auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0));
  line->setLayer(sourceLayer);
  ZcDbObjectId src = AppendEntity(source, line);
  ZcDbObjectIdArray ids;
  ids.append(src);
  ZcDbIdMapping map;
  ASSERT_EQ(Zcad::eOk, source.wblockCloneObjects(ids, target.modelSpaceId(), map, ZcDb::kDrcIgnore));
  ZcDbObjectId copy;
  ASSERT_TRUE(map.compute(src, copy));
  ZcDbEntity* e = nullptr;
  zcdbOpenZcDbEntity(e, copy, ZcDb::kForRead);
  EXPECT_EQ(targetLayer, e->layerId());
  e->close();
}

TEST(Linetypes, LoadingFromADefinitionFileAddsTheRecordOnce) {
  auto path = std::filesystem::temp_directory_path() / ("fastrelle_" + std::to_string(::getpid()) + ".lin");
  std::ofstream(path) << ";; linetypes\n*SEAM,Seam __ . __\nA,6,-2,0,-2\n*CUT,Cut\nA,1,-1\n";
  ZcDbDatabase db;
  ASSERT_EQ(Zcad::eOk, db.loadLineTypeFile(L"seam", path.wstring().c_str()));
  EXPECT_EQ(Zcad::eDuplicateRecordName, db.loadLineTypeFile(L"SEAM", path.wstring().c_str()));
  EXPECT_EQ(Zcad::eKeyNotFound, db.loadLineTypeFile(L"NONE", path.wstring().c_str()));
  EXPECT_EQ(Zcad::eFileNotFound, db.loadLineTypeFile(L"SEAM", L"C:\\missing.lin"));
  ZcDbLinetypeTable* t = nullptr;
  db.getLinetypeTable(t, ZcDb::kForRead);
  ZcDbSymbolTableRecord* r = nullptr;
  ASSERT_EQ(Zcad::eOk, t->getAt(L"Seam", r, ZcDb::kForRead));
  auto* lt = static_cast<ZcDbLinetypeTableRecord*>(r);
  EXPECT_EQ(4, lt->numDashes());
  EXPECT_DOUBLE_EQ(10.0, lt->patternLength());
  lt->close();
  t->close();
  std::filesystem::remove(path);
}

TEST(Linetypes, DashesOfNoFiniteLengthAreRefusedAndTheDrawingStillSaves) {
  auto path = std::filesystem::temp_directory_path() / ("fastrelle_inf_" + std::to_string(::getpid()) + ".lin");
  ZcDbDatabase db;
  for (const char* body : {"A,inf,-1", "A,nan,-1", "A,1e308,1e308"}) {
    std::ofstream(path) << "*BAD,Bad\n" << body << "\n";
    EXPECT_EQ(Zcad::eInvalidInput, db.loadLineTypeFile(L"BAD", path.wstring().c_str())) << body;
  }
  ZcDbLinetypeTable* t = nullptr;
  db.getLinetypeTable(t, ZcDb::kForRead);
  EXPECT_FALSE(t->has(L"BAD"));
  t->close();
  ZcDbDatabase again(false, true);
  EXPECT_EQ(Zcad::eOk, again.readDxfText(db.dxfText()));
  std::filesystem::remove(path);
}

}  // namespace
