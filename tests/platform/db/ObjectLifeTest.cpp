// The open protocol at its edges, erasure and unerasure, appending to a record, ids and
// handles, XData limits, dictionaries, Xrecords and groups.
#include <gtest/gtest.h>

#include "DrawingHelpers.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbDictionary.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbXrecord.h"
#include "headless/Database.h"

// The registry of live databases, inside the platform.
namespace zcdb {
std::uint32_t RegisterDatabase(ZcDbDatabase* db);
void UnregisterDatabase(std::uint32_t serial);
void RebindDatabase(std::uint32_t serial, ZcDbDatabase* db);
ZcDbDatabase* DatabaseBySerial(std::uint32_t serial);
}  // namespace zcdb

namespace {

ZcDbObjectId AddPoint(ZcDbDatabase& db, double x = 0) {
  return AppendEntity(db, new ZcDbPoint(ZcGePoint3d(x, 0, 0)));
}



std::wstring Str(const ZcDbObjectId& id) { return std::to_wstring(id.databaseSerial()) + L":" + std::to_wstring(id.slot()); }

// --- Open and close ---------------------------------------------------------------------------

TEST(OpenEdges, ClosingAnObjectThatIsNotOpenIsCountedAndChangesNothing) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddPoint(db);
  ZcDbPoint* p = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(p, id, ZcDb::kForRead));
  ASSERT_EQ(Zcad::eOk, p->close());
  headless::ResetDiagnostics();
  EXPECT_EQ(Zcad::eWasNotOpen, p->close());
  EXPECT_EQ(Zcad::eWasNotOpen, p->close());
  EXPECT_EQ(2, headless::StrayCloses());
  EXPECT_EQ(0, db.numOpenObjects());
  EXPECT_EQ(ZcDb::kNotOpen, p->openMode());
  // The object still opens as before, and a reader is still one close away from closed.
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(p, id, ZcDb::kForRead));
  EXPECT_EQ(1, p->numReaders());
  EXPECT_EQ(Zcad::eOk, p->close());
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(OpenEdges, ReadersCountUpAndDownAndAnUpgradeOfManyReadersIsOneWriter) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddPoint(db);
  ZcDbPoint *a = nullptr, *b = nullptr, *c = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(a, id, ZcDb::kForRead));
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(b, id, ZcDb::kForRead));
  EXPECT_EQ(2, a->numReaders());
  EXPECT_FALSE(a->isWriteEnabled());
  EXPECT_TRUE(a->isReadEnabled());
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(c, id, ZcDb::kForWrite));
  EXPECT_TRUE(c->isWriteEnabled());
  EXPECT_EQ(Zcad::eOk, c->setPosition(ZcGePoint3d(3, 0, 0)));
  EXPECT_EQ(Zcad::eOk, c->close());
  EXPECT_EQ(0, db.numOpenObjects());
  EXPECT_EQ(ZcGePoint3d(3, 0, 0), a->position());
}

TEST(OpenEdges, UpgradeAndDowngradeMoveBetweenReadAndWrite) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddPoint(db);
  ZcDbPoint* p = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(p, id, ZcDb::kForRead));
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, p->downgradeOpen());
  EXPECT_EQ(Zcad::eOk, p->upgradeOpen());
  EXPECT_TRUE(p->isWriteEnabled());
  EXPECT_EQ(Zcad::eWasOpenForWrite, p->upgradeOpen());
  EXPECT_EQ(Zcad::eOk, p->downgradeOpen());
  EXPECT_FALSE(p->isWriteEnabled());
  EXPECT_EQ(1, db.numOpenObjects());
  EXPECT_EQ(Zcad::eOk, p->close());
  EXPECT_EQ(0, db.numOpenObjects());
  EXPECT_EQ(Zcad::eWasNotOpen, p->upgradeOpen());
}

TEST(OpenEdges, AnUnknownModeAndAnIdOfNoObjectAreRefused) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddPoint(db);
  ZcDbObject* o = nullptr;
  EXPECT_NE(Zcad::eOk, zcdbOpenObject(o, id, static_cast<ZcDb::OpenMode>(7)));
  EXPECT_EQ(nullptr, o);
  ZcDbObjectId made(id.databaseSerial(), 999999);
  EXPECT_FALSE(made.isValid());
  EXPECT_EQ(Zcad::eInvalidObjectId, zcdbOpenObject(o, made, ZcDb::kForRead));
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(OpenEdges, ATypedOpenOfTheWrongClassFailsAndLeavesNothingOpen) {
  ZcDbDatabase db;
  ZcDbObjectId id = AddPoint(db);
  ZcDbLine* line = nullptr;
  EXPECT_NE(Zcad::eOk, zcdbOpenObject(line, id, ZcDb::kForWrite));
  EXPECT_EQ(nullptr, line);
  EXPECT_EQ(0, db.numOpenObjects());
  ZcDbObject* o = nullptr;
  EXPECT_EQ(Zcad::eOk, zcdbOpenObject(o, id, ZcDb::kForWrite));  // and it is not left locked
  o->close();
}

// --- Erasure ----------------------------------------------------------------------------------

TEST(Erasure, EraseNeedsWriteUneraseBringsTheObjectBackAndRecordsSkipErased) {
  ZcDbDatabase db;
  ZcDbObjectId a = AddPoint(db, 1), b = AddPoint(db, 2);
  ZcDbPoint* p = nullptr;
  zcdbOpenObject(p, a, ZcDb::kForRead);
  headless::ResetDiagnostics();
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, p->erase());
  EXPECT_EQ(1, headless::WriteViolations());
  EXPECT_FALSE(a.isErased());
  p->close();

  zcdbOpenObject(p, a, ZcDb::kForWrite);
  EXPECT_EQ(Zcad::eOk, p->erase());
  EXPECT_EQ(Zcad::eWasErased, p->erase());
  p->close();
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead);
  ZcDbObjectIdArray ids = ms->entityIds();
  ms->close();
  ASSERT_EQ(1, ids.length());
  EXPECT_EQ(b, ids[0]);

  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(p, a, ZcDb::kForWrite, true));
  EXPECT_EQ(Zcad::eOk, p->erase(false));
  p->close();
  EXPECT_FALSE(a.isErased());
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead);
  ids = ms->entityIds();
  ms->close();
  ASSERT_EQ(2, ids.length());
  EXPECT_EQ(a, ids[0]);  // back in its place
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(Erasure, AnErasedObjectsHandleDoesNotLeadToIt) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbObjectId id = AddPoint(*db);
  wchar_t hex[17];
  id.handle().getIntoAsciiBuffer(hex);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  o->erase();
  o->close();
  ads_name name;
  EXPECT_EQ(RTERROR, zcdbHandEnt(hex, name));
}

TEST(Erasure, HandlesAreUniqueAndNeverReused) {
  ZcDbDatabase db;
  ZcDbObjectId a = AddPoint(db);
  std::uint64_t ha = a.handle().value();
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, a, ZcDb::kForWrite);
  o->erase();
  o->close();
  ZcDbObjectId b = AddPoint(db);
  EXPECT_NE(ha, b.handle().value());
  EXPECT_NE(a, b);
  EXPECT_NE(0u, b.handle().value());
}

// --- Appending ---------------------------------------------------------------------------------

TEST(Appending, ARecordTakesOnlyNewEntitiesAndOnlyWhenOpenForWrite) {
  ZcDbDatabase db;
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForRead);
  auto* p = new ZcDbPoint(ZcGePoint3d(1, 2, 0));
  ZcDbObjectId id;
  EXPECT_NE(Zcad::eOk, ms->appendZcDbEntity(id, p));
  EXPECT_TRUE(id.isNull());
  EXPECT_TRUE(p->isNewObject());
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ms, db.modelSpaceId(), ZcDb::kForWrite));
  EXPECT_NE(Zcad::eOk, ms->appendZcDbEntity(nullptr));
  ASSERT_EQ(Zcad::eOk, ms->appendZcDbEntity(id, p));
  EXPECT_EQ(id, p->objectId());
  EXPECT_EQ(db.modelSpaceId(), p->ownerId());
  EXPECT_EQ(&db, p->database());
  EXPECT_TRUE(p->isWriteEnabled());  // open for the caller
  EXPECT_NE(Zcad::eOk, ms->appendZcDbEntity(p));  // already in the drawing
  p->close();
  ms->close();
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(Appending, ANewObjectIsWritableWithoutOpeningAndItsCloseIsHarmless) {
  headless::ResetDiagnostics();
  ZcDbPoint p(ZcGePoint3d(0, 0, 0));
  EXPECT_TRUE(p.isWriteEnabled());
  EXPECT_EQ(Zcad::eOk, p.setPosition(ZcGePoint3d(1, 1, 1)));
  EXPECT_EQ(Zcad::eOk, p.close());
  EXPECT_EQ(0, headless::StrayCloses());
  EXPECT_EQ(Zcad::eNotInDatabase, p.erase());
}

// --- Ids of side databases ---------------------------------------------------------------------

// The registry of live databases answers for a serial by the database bound to it now, even
// when the same serial was just asked about (the databases are never touched here).
TEST(SideDatabases, TheRegistryFollowsUnbindingAndRebinding) {
  static char first, second;  // two addresses that stand for databases
  auto* a = reinterpret_cast<ZcDbDatabase*>(&first);
  auto* b = reinterpret_cast<ZcDbDatabase*>(&second);
  const std::uint32_t serial = zcdb::RegisterDatabase(a);
  EXPECT_EQ(a, zcdb::DatabaseBySerial(serial));
  zcdb::RebindDatabase(serial, b);
  EXPECT_EQ(b, zcdb::DatabaseBySerial(serial));
  zcdb::UnregisterDatabase(serial);
  EXPECT_EQ(nullptr, zcdb::DatabaseBySerial(serial));
}

TEST(SideDatabases, EveryIdOfADeletedDatabaseIsInvalidAndItsEntityNamesDoNotResolve) {
  auto side = std::make_unique<ZcDbDatabase>(false, true);
  ZcDbObjectId ms = side->modelSpaceId();
  EXPECT_TRUE(ms.isNull()) << "a database without the default drawing has no model space";
  side = std::make_unique<ZcDbDatabase>();
  ZcDbObjectId point = AddPoint(*side);
  ZcDbObjectId model = side->modelSpaceId();
  ads_name name;
  zcdbGetAdsName(name, point);
  std::uint32_t serial = side->serial();
  side.reset();
  ZcDbDatabase next;
  EXPECT_NE(serial, next.serial());
  EXPECT_FALSE(point.isValid()) << Str(point);
  EXPECT_FALSE(model.isValid());
  EXPECT_EQ(nullptr, point.database());
  EXPECT_EQ(nullptr, point.objectClass());
  EXPECT_FALSE(point.isErased());
  ZcDbObjectId back;
  EXPECT_EQ(Zcad::eInvalidAdsName, zcdbGetObjectId(back, name));
  EXPECT_TRUE(back.isNull());
}

// --- XData -------------------------------------------------------------------------------------

TEST(XDataLimits, TheLimitIsTheLastSizeAcceptedAndAllApplicationsCountTogether) {
  ZcDbDatabase* db = headless::NewDrawing();
  RegisterApp(*db, L"A");
  RegisterApp(*db, L"B");
  ZcDbObjectId id = AddPoint(*db);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  // One application item costs 10 bytes, a string item 4 plus its UTF-8 bytes.
  int room = kZcDbMaxXDataBytes - 10 - 4;
  std::wstring exact(room, L'x');
  resbuf* fits = TextItem(1001, L"A", TextItem(1000, exact.c_str()));
  EXPECT_EQ(Zcad::eOk, o->setXData(fits));
  EXPECT_EQ(kZcDbMaxXDataBytes, o->xDataSize());
  resbuf* more = TextItem(1001, L"B");
  more->rbnext = zcutNewRb(1070);
  EXPECT_EQ(Zcad::eXdataSizeExceeded, o->setXData(more));
  EXPECT_EQ(nullptr, o->xData(L"B"));
  resbuf* a = o->xData(L"A");
  ASSERT_NE(nullptr, a);
  EXPECT_EQ(exact, std::wstring(a->rbnext->resval.rstring));
  o->close();
  for (resbuf* r : {fits, more, a}) zcutRelRb(r);
}

TEST(XDataLimits, ListsNotStartingWithAnApplicationOrHoldingForeignCodesAreRefused) {
  ZcDbDatabase* db = headless::NewDrawing();
  RegisterApp(*db, L"A");
  ZcDbObjectId id = AddPoint(*db);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  resbuf* noApp = TextItem(1000, L"x");
  resbuf* foreign = TextItem(1001, L"A", TextItem(8, L"layer"));
  resbuf* good = TextItem(1001, L"A", TextItem(1000, L"kept"));
  EXPECT_EQ(Zcad::eOk, o->setXData(good));
  EXPECT_EQ(Zcad::eInvalidInput, o->setXData(noApp));
  EXPECT_EQ(Zcad::eInvalidInput, o->setXData(foreign));
  EXPECT_EQ(Zcad::eInvalidInput, o->setXData(nullptr));
  resbuf* back = o->xData(L"A");
  EXPECT_STREQ(L"kept", back->rbnext->resval.rstring);
  o->close();
  headless::ResetDiagnostics();
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, o->setXData(good));
  EXPECT_EQ(1, headless::WriteViolations());
  for (resbuf* r : {noApp, foreign, good, back}) zcutRelRb(r);
}

TEST(XDataLimits, ClonesCarryXDataAndAllApplicationsComeInTheOrderFirstGiven) {
  ZcDbDatabase* db = headless::NewDrawing();
  RegisterApp(*db, L"Second");
  RegisterApp(*db, L"First");
  ZcDbObjectId id = AddPoint(*db);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, id, ZcDb::kForWrite);
  resbuf* list = TextItem(1001, L"First", TextItem(1000, L"1", TextItem(1001, L"Second", TextItem(1000, L"2"))));
  ASSERT_EQ(Zcad::eOk, o->setXData(list));
  std::unique_ptr<ZcDbObject> copy(o->cloneObject());
  o->close();
  ASSERT_NE(nullptr, copy);
  resbuf* all = copy->xData();
  std::wstring seen;
  for (resbuf* rb = all; rb; rb = rb->rbnext) seen += std::wstring(rb->resval.rstring) + L";";
  EXPECT_EQ(L"First;1;Second;2;", seen);
  zcutRelRb(list);
  zcutRelRb(all);
}

// --- Dictionaries and Xrecords -------------------------------------------------------------------

TEST(DictionaryEntries, KeysIterateInOrderRemoveGives22WhenMissingAndEntriesCount) {
  ZcDbDatabase db;
  ZcDbDictionary* nod = nullptr;
  db.getNamedObjectsDictionary(nod, ZcDb::kForWrite);
  auto* d = new ZcDbDictionary;
  ZcDbObjectId did;
  ASSERT_EQ(Zcad::eOk, nod->setAt(L"Fastrelle_Test", d, did));
  nod->close();
  for (const wchar_t* key : {L"b", L"A", L"c"}) {
    auto* x = new ZcDbXrecord;
    ZcDbObjectId xid;
    ASSERT_EQ(Zcad::eOk, d->setAt(key, x, xid));
    EXPECT_EQ(did, x->ownerId());
    x->close();
  }
  EXPECT_EQ(3, d->numEntries());
  std::unique_ptr<ZcDbDictionaryIterator> it(d->newIterator());
  std::wstring keys;
  for (; !it->done(); it->next()) keys += it->name();
  EXPECT_EQ(L"Abc", keys);
  ZcDbObjectId removed;
  EXPECT_EQ(Zcad::eKeyNotFound, d->remove(L"zz"));
  EXPECT_EQ(Zcad::eOk, d->remove(L"B", removed));
  EXPECT_TRUE(removed.isValid());
  EXPECT_EQ(2, d->numEntries());
  EXPECT_FALSE(d->has(L"b"));
  ZcDbObject* o = nullptr;
  EXPECT_EQ(Zcad::eKeyNotFound, d->getAt(L"b", o, ZcDb::kForRead));
  EXPECT_EQ(nullptr, o);
  d->close();
  EXPECT_EQ(0, db.numOpenObjects());
}

TEST(DictionaryEntries, WritingToAClosedDictionaryFailsAndAddsNothing) {
  ZcDbDatabase db;
  ZcDbDictionary* nod = nullptr;
  db.getNamedObjectsDictionary(nod, ZcDb::kForRead);
  int before = nod->numEntries();
  auto* x = new ZcDbXrecord;
  ZcDbObjectId id;
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, nod->setAt(L"Nope", x, id));
  EXPECT_TRUE(x->isNewObject());
  delete x;
  nod->close();
  EXPECT_EQ(before, nod->numEntries());
}

TEST(DictionaryEntries, XrecordsKeepEveryKindOfItem) {
  ZcDbDatabase db;
  auto* x = new ZcDbXrecord;
  resbuf* list = TextItem(1, L"Przód");
  resbuf* r = list->rbnext = zcutNewRb(40);
  r->resval.rreal = 2.5;
  r = r->rbnext = zcutNewRb(10);
  r->resval.rpoint[0] = 1;
  r->resval.rpoint[1] = 2;
  r->resval.rpoint[2] = 3;
  r = r->rbnext = zcutNewRb(70);
  r->resval.rint = -7;
  r = r->rbnext = zcutNewRb(90);
  r->resval.rlong = 123456;
  ASSERT_EQ(Zcad::eOk, x->setFromRbChain(list));
  resbuf* back = nullptr;
  ASSERT_EQ(Zcad::eOk, x->rbChain(back));
  ASSERT_NE(nullptr, back);
  EXPECT_STREQ(L"Przód", back->resval.rstring);
  EXPECT_EQ(2.5, back->rbnext->resval.rreal);
  EXPECT_EQ(3.0, back->rbnext->rbnext->resval.rpoint[2]);
  EXPECT_EQ(-7, back->rbnext->rbnext->rbnext->resval.rint);
  EXPECT_EQ(123456, back->rbnext->rbnext->rbnext->rbnext->resval.rlong);
  EXPECT_EQ(nullptr, back->rbnext->rbnext->rbnext->rbnext->rbnext);
  zcutRelRb(list);
  zcutRelRb(back);
  delete x;
}

// --- Groups --------------------------------------------------------------------------------------

ZcDbObjectId NewGroup(ZcDbDatabase& db, const wchar_t* name, ZcDbGroup*& g) {
  ZcDbDictionary* groups = nullptr;
  db.getGroupDictionary(groups, ZcDb::kForWrite);
  g = new ZcDbGroup(name);
  ZcDbObjectId gid;
  groups->setAt(name, g, gid);
  groups->close();
  return gid;
}

int GroupMentions(ZcDbObjectId entity, ZcDbObjectId group) {
  ads_name name;
  zcdbGetAdsName(name, entity);
  resbuf* list = zcdbEntGet(name);
  int n = 0;
  for (resbuf* rb = list; rb; rb = rb->rbnext)
    if (rb->restype == 330) {
      ZcDbObjectId owner;
      zcdbGetObjectId(owner, rb->resval.rlname);
      n += owner == group;
    }
  zcutRelRb(list);
  return n;
}

TEST(GroupMembers, RemovingAMemberOrErasingTheGroupDropsTheBackLink) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbObjectId a = AddPoint(*db, 1), b = AddPoint(*db, 2);
  ZcDbGroup* g = nullptr;
  ZcDbObjectId gid = NewGroup(*db, L"Tył|40", g);
  g->append(a);
  g->append(b);
  EXPECT_EQ(2u, g->numEntities());
  EXPECT_EQ(1, GroupMentions(a, gid));
  EXPECT_EQ(Zcad::eOk, g->remove(a));
  EXPECT_EQ(Zcad::eKeyNotFound, g->remove(a));
  EXPECT_EQ(0, GroupMentions(a, gid));
  EXPECT_EQ(Zcad::eOk, g->erase());
  g->close();
  EXPECT_EQ(0, GroupMentions(b, gid));
  EXPECT_EQ(0, db->numOpenObjects());
}

TEST(GroupMembers, AGroupRefusesInvalidIdsAndWritesWhenNotOpenForWrite) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbObjectId a = AddPoint(*db, 1);
  ZcDbGroup* g = nullptr;
  ZcDbObjectId gid = NewGroup(*db, L"G", g);
  EXPECT_NE(Zcad::eOk, g->append(ZcDbObjectId()));
  g->close();
  headless::ResetDiagnostics();
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, g->append(a));
  EXPECT_EQ(1, headless::WriteViolations());
  EXPECT_EQ(0u, g->numEntities());
  EXPECT_EQ(0, GroupMentions(a, gid));
  std::wstring name;
  EXPECT_EQ(Zcad::eOk, g->getName(name));
  EXPECT_EQ(L"G", name);
}

TEST(GroupMembers, AnUnerasedMemberIsAMemberAgain) {
  ZcDbDatabase* db = headless::NewDrawing();
  ZcDbObjectId a = AddPoint(*db, 1);
  ZcDbGroup* g = nullptr;
  ZcDbObjectId gid = NewGroup(*db, L"G", g);
  g->append(a);
  g->close();
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, a, ZcDb::kForWrite);
  o->erase();
  o->close();
  zcdbOpenObject(g, gid, ZcDb::kForRead);
  EXPECT_EQ(0u, g->numEntities());
  g->close();
  zcdbOpenObject(o, a, ZcDb::kForWrite, true);
  o->erase(false);
  o->close();
  zcdbOpenObject(g, gid, ZcDb::kForRead);
  EXPECT_EQ(1u, g->numEntities());
  g->close();
}

}  // namespace
