// Every wrapper operation, one at a time: its status, what it prints, and that it leaves no
// object open, closes nothing twice and writes nothing that was not open for write, on the
// success path and on the failure paths.
#include <gtest/gtest.h>

#include <string>

#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbMText.h"
#include "db/ZcDbPoint.h"
#include "db/ZcDbText.h"
#include "framework/BlockReference.h"
#include "framework/BlocksReference_Iterator.h"
#include "framework/Extents.h"
#include "framework/Layers.h"
#include "framework/Tagged.h"
#include "framework/UIS_Leader.h"
#include "framework/UIS_MText.h"
#include "framework/UI_AttDefList.h"
#include "framework/UI_Attribute_Ref.h"
#include "framework/UI_Block.h"
#include "framework/UI_Dictionary.h"
#include "framework/UI_Entity.h"
#include "framework/UI_Group.h"
#include "framework/XData.h"
#include "framework/ZWDrawer.h"
#include "framework/ZWTextStyle.h"
#include "framework/ZW_Table.h"
#include "headless/Database.h"
#include "headless/Host.h"

namespace {

std::string Narrow(const std::wstring& w) {
  std::string s;
  for (wchar_t c : w) s += c < 128 ? static_cast<char>(c) : '?';
  return s;
}

// Runs one operation and checks the database's books afterwards.
#define BALANCED(what, ...)                                                                     \
  do {                                                                                          \
    headless::ResetDiagnostics();                                                               \
    __VA_ARGS__;                                                                                \
    EXPECT_EQ(0, headless::OpenObjectCount()) << what << ": an object was left open";           \
    EXPECT_EQ(0, headless::StrayCloses()) << what << ": an object was closed that was not open"; \
    EXPECT_EQ(0, headless::WriteViolations()) << what << ": a write to an object not open for write"; \
  } while (0)

class WrapperProtocol : public ::testing::Test {
protected:
  void SetUp() override {
    db = headless::NewDrawing();
    headless::ClearTranscript();
  }
  ZcDbObjectId Add(ZcDbEntity* e) {
    EXPECT_EQ(Zcad::eOk, ZWDrawer::Add(e));
    ZcDbObjectId id = e->objectId();
    e->close();
    return id;
  }
  ZcDbObjectId Line(double y = 0) { return Add(new ZcDbLine(ZcGePoint3d(0, y, 0), ZcGePoint3d(10, y, 0))); }
  ZcDbObjectId Erased() {
    ZcDbObjectId id = Line(99);
    ZcDbObject* o = nullptr;
    zcdbOpenObject(o, id, ZcDb::kForWrite);
    o->erase();
    o->close();
    return id;
  }
  // A block "Mark" with a variable attribute NUM and a constant KIND, and `count` references.
  ZcDbObjectId MarkBlock() {
    UI_Block block(L"Mark", false);
    block.Create();
    ZcDbObjectId rec = block.Record()->objectId();
    auto* num = new ZcDbAttributeDefinition(ZcGePoint3d(0, 0, 0), L"0", L"NUM", L"Number?");
    auto* kind = new ZcDbAttributeDefinition(ZcGePoint3d(0, 2, 0), L"grade", L"KIND", L"");
    kind->setConstant(true);
    EXPECT_EQ(Zcad::eOk, AppendToModelSpace(num, rec));
    num->close();
    EXPECT_EQ(Zcad::eOk, AppendToModelSpace(kind, rec));
    kind->close();
    return rec;
  }
  ZcDbBlockReference* Ref(ZcDbObjectId id) {
    ZcDbBlockReference* r = nullptr;
    zcdbOpenObject(r, id, ZcDb::kForRead);
    r->close();
    return r;
  }
  ZcDbDatabase* db = nullptr;
};

TEST_F(WrapperProtocol, EntityOperationsOnAClosedEntity) {
  ZcDbObjectId line = Line(), other = Add(new ZcDbLine(ZcGePoint3d(5, -5, 0), ZcGePoint3d(5, 5, 0)));
  ZcGePoint3dArray pts;
  ZcDbObjectId out;
  UI_Entity e(line);
  BALANCED("SetColorIndex", EXPECT_EQ(0, e.SetColorIndex(4)));
  EXPECT_EQ(4, e.Entity()->colorIndex());
  BALANCED("setLayer", EXPECT_EQ(0, e.setLayer(L"0")));
  headless::ClearTranscript();
  BALANCED("setLayer missing", EXPECT_NE(0, e.setLayer(L"NoSuchLayer")));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"UI_Entity::setLayer")) << Narrow(headless::Transcript());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L" es: ")) << Narrow(headless::Transcript());
  headless::ClearTranscript();
  BALANCED("SetLinetype not a linetype", EXPECT_NE(0, e.SetLinetype(db->layerZero())));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"UI_Entity::SetLinetype"));
  BALANCED("SetLinetype", EXPECT_EQ(0, e.SetLinetype(db->continuousLinetype())));
  BALANCED("IntersectWithId", EXPECT_EQ(0, e.IntersectWithId(other, 0, pts)));
  ASSERT_EQ(1, pts.length());
  EXPECT_TRUE(pts[0].isEqualTo(ZcGePoint3d(5, 0, 0)));
  BALANCED("IntersectWithId erased", EXPECT_EQ(20, e.IntersectWithId(Erased(), 0, pts)));
  BALANCED("Highlight", EXPECT_EQ(0, e.Highlight(true)));
  BALANCED("Unhighlight", EXPECT_EQ(0, e.Highlight(false)));
  BALANCED("GetLayerName", EXPECT_EQ(CString(L"0"), e.GetLayerName()));
  BALANCED("GetGroupId", EXPECT_FALSE(e.GetGroupId(out)));
  ZcDbGroup* g = reinterpret_cast<ZcDbGroup*>(1);
  BALANCED("OpenGroup", e.OpenGroup(g));
  EXPECT_EQ(nullptr, g);
  BALANCED("MatchProperties", EXPECT_EQ(0, e.MatchProperties(other)));
  BALANCED("MatchProperties erased source", EXPECT_NE(0, e.MatchProperties(Erased())));
  BALANCED("Copy", EXPECT_EQ(0, e.Copy(out)));
  EXPECT_TRUE(out.isValid());
  BALANCED("MirrorCopy", EXPECT_EQ(0, e.MirrorCopy(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0), out)));
  BALANCED("MirrorCopy same points", EXPECT_EQ(3, e.MirrorCopy(ZcGePoint3d(), ZcGePoint3d(), out)));
  EXPECT_TRUE(out.isNull());
  BALANCED("TransformBy", EXPECT_EQ(0, e.TransformBy(ZcGeMatrix3d::translation(ZcGeVector3d(0, 1, 0)))));
  BALANCED("Erase", EXPECT_EQ(0, e.Erase()));
  EXPECT_TRUE(line.isErased());
  BALANCED("Erase an erased entity", EXPECT_NE(0, e.Erase()));
  BALANCED("Reopen erased", EXPECT_NE(0, e.Reopen(0)));
}

TEST_F(WrapperProtocol, AnEntityTheCallerOpenedForWriteStaysOpen) {
  ZcDbObjectId line = Line();
  UI_Entity e(line);
  ASSERT_EQ(0, e.Open(1));
  EXPECT_EQ(0, e.SetColorIndex(5));
  EXPECT_EQ(0, e.setLayer(L"0"));
  EXPECT_EQ(0, e.TransformBy(ZcGeMatrix3d::translation(ZcGeVector3d(1, 0, 0))));
  EXPECT_TRUE(e.Entity()->isWriteEnabled());
  EXPECT_EQ(1, headless::OpenObjectCount());
  BALANCED("Move closes", EXPECT_EQ(0, e.Move(ZcGePoint3d(), ZcGePoint3d(0, 2, 0))));
  auto* l = static_cast<ZcDbLine*>(e.Entity());
  EXPECT_TRUE(l->startPoint().isEqualTo(ZcGePoint3d(1, 2, 0)));
}

TEST_F(WrapperProtocol, AnEntityOpenForReadIsUpgradedAndClosedOnce) {
  ZcDbObjectId line = Line();
  UI_Entity e(line);
  ASSERT_EQ(0, e.Open(0));
  headless::ResetDiagnostics();
  EXPECT_EQ(0, e.SetColorIndex(6));  // the read open became the write open and was closed
  EXPECT_EQ(0, headless::OpenObjectCount());
  EXPECT_EQ(0, headless::WriteViolations());
  EXPECT_EQ(6, e.Entity()->colorIndex());
}

TEST_F(WrapperProtocol, GetPointsClosesWhatTheCallerOpened) {
  auto* pt = new ZcDbPoint(ZcGePoint3d(1, 2, 3));
  UI_Entity p(Add(pt));
  ZcGePoint3dArray pts;
  ASSERT_EQ(0, p.Open(0));
  BALANCED("GetPoints", EXPECT_EQ(0, p.GetPoints(pts)));
  ASSERT_EQ(1, pts.length());
  EXPECT_EQ(ZcGePoint3d(1, 2, 3), pts[0]);
}

TEST_F(WrapperProtocol, AddToModelSpaceAppendsANewEntityAndClosesIt) {
  UI_Entity none{ZcDbObjectId()};
  BALANCED("AddToModelSpace none", EXPECT_EQ(20, none.AddToModelSpace()));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"ZWDrawer::Add"));
}

TEST_F(WrapperProtocol, ModelSpaceHelpers) {
  ZcDbObjectIdArray ids;
  ZcGePoint3dArray pts;
  BALANCED("DrawPoints empty", EXPECT_EQ(0, DrawPoints(pts, ids)));
  EXPECT_EQ(0, ids.length());
  pts.append(ZcGePoint3d(1, 0, 0)).append(ZcGePoint3d(2, 0, 0));
  BALANCED("DrawPoints", EXPECT_EQ(0, DrawPoints(pts, ids)));
  ASSERT_EQ(2, ids.length());
  ZcDbObjectId id;
  BALANCED("AddMText", EXPECT_EQ(0, AddMText(L"x", ZcGePoint3d(), 2.5, id)));
  EXPECT_TRUE(id.isValid());
  BALANCED("AppendToModelSpace null", EXPECT_EQ(20, AppendToModelSpace(nullptr, ZcDbObjectId())));
  auto* p = new ZcDbPoint;
  BALANCED("AppendToModelSpace into a line", EXPECT_EQ(34, AppendToModelSpace(p, ids[0])));
  EXPECT_TRUE(p->isNewObject());
  delete p;
  BALANCED("ZWDrawer::Add null", EXPECT_EQ(20, ZWDrawer::Add(nullptr)));
  ZcDbBlockTableRecord* ms = nullptr;
  zcdbOpenObject(ms, GetModelSpaceId(), ZcDb::kForRead);
  auto* q = new ZcDbPoint;
  // A record open for read is taken for write, and the record is closed by the add.
  BALANCED("ZWDrawer::Add record open for read", EXPECT_EQ(0, ZWDrawer::Add(q, ms)); q->close());
}

TEST_F(WrapperProtocol, GroupsDictionariesAndTags) {
  ZcDbObjectId a = Line(1), b = Line(2);
  UI_Group g;
  BALANCED("Append without group", EXPECT_FALSE(g.Append(ZcDbObjectIdArray())));
  BALANCED("Create", EXPECT_TRUE(g.Create(L"Przód|38")));
  ZcDbObjectIdArray ids;
  ids.append(b).append(a).append(b).append(ZcDbObjectId());
  BALANCED("Append", EXPECT_TRUE(g.Append(ids)));
  BALANCED("GetName", EXPECT_EQ(CString(L"Przód|38"), g.GetName()));
  UI_Group again;
  BALANCED("Create existing", EXPECT_TRUE(again.Create(L"PRZÓD|38")));
  ZcDbObjectIdArray members;
  again.Group()->allEntityIds(members);
  ASSERT_EQ(2, members.length());
  EXPECT_EQ(b, members[0]);
  EXPECT_EQ(a, members[1]);
  UI_Group byName;
  BALANCED("OpenByName", EXPECT_EQ(0, byName.OpenByName(L"przód|38")));
  BALANCED("OpenByName missing", EXPECT_EQ(22, byName.OpenByName(L"Tył|40")));
  UI_Group fromMember;
  BALANCED("SetFromEntity", EXPECT_TRUE(fromMember.SetFromEntity(UI_Entity(a).Entity())));
  EXPECT_EQ(g.Group()->objectId(), fromMember.Group()->objectId());
  UI_Group fromGroup;
  BALANCED("SetFromEntity of the group", EXPECT_TRUE(fromGroup.SetFromEntity(g.Group())));
  UI_Entity ea(a);
  ZcDbObjectId gid;
  BALANCED("GetGroupId", EXPECT_TRUE(ea.GetGroupId(gid)));
  EXPECT_EQ(g.Group()->objectId(), gid);
  UI_Group notAGroup;
  BALANCED("SetFromId of a line", EXPECT_FALSE(notAGroup.SetFromId(a)));

  BALANCED("UI_Dictionary new", UI_Dictionary d(L"Fastrelle"); EXPECT_NE(nullptr, d.Dictionary()));
  BALANCED("UI_Dictionary again", UI_Dictionary d(L"FASTRELLE"); EXPECT_NE(nullptr, d.Dictionary()));

  Tagged t(a, L"Fastrelle_Layout");
  BALANCED("AddTag", EXPECT_EQ(0, t.AddTag(L"A")));
  BALANCED("AddTag again", EXPECT_EQ(0, t.AddTag(L"B")));
  BALANCED("HasTag", EXPECT_TRUE(t.HasTag(L"b")));
  CStringArray found;
  BALANCED("FindTags", t.FindTags(L"A", found));
  EXPECT_EQ(1, found.GetSize());
  Tagged none(ZcDbObjectId(), L"Fastrelle_Layout");
  BALANCED("AddTag invalid id", EXPECT_EQ(600, none.AddTag(L"A")));
  Tagged erased(Erased(), L"Fastrelle_Layout");
  BALANCED("AddTag erased", EXPECT_NE(0, erased.AddTag(L"A")));
  BALANCED("HasTag erased", EXPECT_FALSE(erased.HasTag(L"A")));
  XDataReader reader;
  BALANCED("GetXData none", EXPECT_EQ(51, GetXData(reader, b, L"Fastrelle_Layout")));
}

TEST_F(WrapperProtocol, BlocksReferencesAndAttributes) {
  ZcDbObjectId rec = MarkBlock();
  ZcDbObjectId refId;
  BALANCED("InsertBlock", EXPECT_EQ(0, InsertBlock(L"Mark", ZcGePoint3d(10, 0, 0), 1.0, 0.0, &refId)));
  ASSERT_TRUE(refId.isValid());
  BALANCED("InsertBlock missing", EXPECT_NE(0, InsertBlock(L"NoSuch", ZcGePoint3d(), 1.0, 0.0, &refId)));
  EXPECT_TRUE(refId.isNull());
  BALANCED("InsertBlockInto", EXPECT_EQ(0, InsertBlockInto(L"Mark", ZcGePoint3d(20, 0, 0), ZcGeScale3d(1), 0, GetModelSpaceId(), &refId)));
  ZcDbBlockReference* ref = Ref(refId);
  BALANCED("GetBlockReferenceName", EXPECT_EQ(CString(L"Mark"), GetBlockReferenceName(ref)));
  BALANCED("SetAttributeValue", EXPECT_EQ(0, SetAttributeValue(ref, L"num", L"7")));
  BALANCED("SetAttributeValue missing", EXPECT_EQ(22, SetAttributeValue(ref, L"none", L"7")));
  CString text;
  BALANCED("GetAttributeValue", EXPECT_EQ(0, GetAttributeValue(ref, L"NUM", text)));
  EXPECT_EQ(CString(L"7"), text);
  BALANCED("GetAttributeValue constant", EXPECT_EQ(0, GetAttributeValue(ref, L"kind", text)));
  EXPECT_EQ(CString(L"grade"), text);
  NameValueList values;
  values.Add(L"NUM", L"8");
  BALANCED("SetAttributeValues", EXPECT_EQ(0, SetAttributeValues(ref, values)));
  NameValueList read;
  BALANCED("GetAttributeValues", EXPECT_EQ(0, GetAttributeValues(ref, read)));
  ASSERT_EQ(2, read.GetCount());  // the constant definition became an attribute too
  BALANCED("MoveBlockReferenceTo", EXPECT_EQ(0, MoveBlockReferenceTo(ref, ZcGePoint3d(30, 5, 0))));
  EXPECT_EQ(ZcGePoint3d(30, 5, 0), ref->position());
  BALANCED("SetBlockReferenceRotation", EXPECT_EQ(0, SetBlockReferenceRotation(ref, 1.0)));

  UI_Block block(L"Mark", false);
  ZcDbObjectIdArray ids;
  BALANCED("GetReferenceIds", EXPECT_EQ(0, block.GetReferenceIds(ids)));
  EXPECT_EQ(2, ids.length());
  ZcDbObjectIdArray ents;
  BALANCED("GetEntityIds", EXPECT_EQ(0, block.GetEntityIds(ents)));
  EXPECT_EQ(2, ents.length());
  NameValueList defaults;
  BALANCED("GetAttributeDefaults", EXPECT_EQ(0, block.GetAttributeDefaults(defaults)));
  EXPECT_EQ(2, defaults.GetCount());
  UI_Block missing(L"NoSuch", false);
  BALANCED("GetReferenceIds missing", EXPECT_EQ(379, missing.GetReferenceIds(ids)));
  BALANCED("GetEntityIds missing", EXPECT_EQ(171, missing.GetEntityIds(ents)));
  BALANCED("MoveEntityToBottom", EXPECT_EQ(0, GetModelSpaceBlock().MoveEntityToBottom(refId)));
  UI_AttDefList defs;
  BALANCED("LoadFromBlock", EXPECT_EQ(0, defs.LoadFromBlock(block.Record())));
  UI_AttDefList none;
  BALANCED("LoadFromBlock model space", EXPECT_EQ(130, none.LoadFromBlock(GetModelSpaceBlock().Record())));
  BALANCED("LoadFromBlock null", EXPECT_EQ(20, none.LoadFromBlock(nullptr)));

  ZcDbObjectIdArray attrs = ref->attributeIds();
  ASSERT_EQ(2, attrs.length());
  UI_Attribute_Ref attr(attrs[0]);
  BALANCED("setText", EXPECT_EQ(0, attr.setText(L"9")));
  BALANCED("getTag", EXPECT_EQ(CString(L"NUM"), attr.getTag()));
  headless::ClearTranscript();
  UI_Attribute_Ref notAttr(refId);
  BALANCED("open a reference as an attribute", EXPECT_EQ(34, notAttr.open(0)));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"UI_Attribute_Ref::open"));
  BALANCED("setText on a reference", EXPECT_EQ(34, notAttr.setText(L"x")));
  UI_Attribute_Ref invalid{ZcDbObjectId()};
  BALANCED("open invalid", EXPECT_EQ(16, invalid.open(0)));
  BALANCED("getTag invalid", EXPECT_EQ(CString(), invalid.getTag()));

  ZcDbBlockReference* first = Ref(ids[0]);
  BALANCED("EraseBlockReference", EXPECT_EQ(0, EraseBlockReference(first)));
  BALANCED("EraseBlockReference null", EXPECT_EQ(374, EraseBlockReference(nullptr)));
  CStringArray names;
  BALANCED("ListBlockNames", ListBlockNames(names));
  ASSERT_EQ(1, names.GetSize());
  EXPECT_EQ(CString(L"Mark"), names[0]);
  ZcDbObjectIdArray blocks, refs;
  blocks.append(refId);
  BALANCED("CollectReferencesOfBlocks", EXPECT_EQ(0, CollectReferencesOfBlocks(blocks, refs)));
  EXPECT_EQ(1, refs.length());  // the erased one is gone
  (void)rec;
}

TEST_F(WrapperProtocol, LayersTextsLeadersAndTables) {
  ZcDbLayerTableRecord* rec = nullptr;
  BALANCED("CreateLayer", EXPECT_EQ(0, CreateLayer(L"Przód|38", rec)));
  ASSERT_NE(nullptr, rec);
  BALANCED("CreateLayer existing", EXPECT_EQ(26, CreateLayer(L"przód|38", rec)));
  EXPECT_EQ(nullptr, rec);
  BALANCED("CreateLayer bad", EXPECT_NE(0, CreateLayer(L"a*b", rec)));
  ZcDbLayerTableRecord* found = nullptr;
  BALANCED("FindLayer", found = FindLayer(L"PRZÓD|38"));
  ASSERT_NE(nullptr, found);
  BALANCED("GetLayerRecordName", EXPECT_EQ(CString(L"Przód|38"), GetLayerRecordName(found)));
  BALANCED("SetLayerColorIndex", EXPECT_EQ(0, SetLayerColorIndex(found, 3)));
  EXPECT_EQ(3, found->color().colorIndex());
  std::map<CString, bool> states;
  BALANCED("GetLayersOnState", states = GetLayersOnState(GetLayerRecords()));
  EXPECT_EQ(2u, states.size());
  states[CString(L"Przód|38")] = false;
  BALANCED("SetLayersOnState", SetLayersOnState(states));
  EXPECT_TRUE(found->isOff());
  CStringArray layerNames;
  BALANCED("GetLayerNames", GetLayerNames(layerNames));
  EXPECT_EQ(2, layerNames.GetSize());

  UIS_MText m;
  BALANCED("MText setRotation none", EXPECT_EQ(374, m.setRotation(1)));
  BALANCED("MText Create", EXPECT_EQ(0, m.Create(L"a", ZcGePoint3d(), 3)));
  BALANCED("MText Create again", EXPECT_EQ(0, m.Create(L"b", ZcGePoint3d(1, 0, 0), 0)));
  BALANCED("MText setRotation", EXPECT_EQ(0, m.setRotation(0.5)));
  BALANCED("MText setLocation", EXPECT_EQ(0, m.setLocation(ZcGePoint3d(2, 2, 0))));
  BALANCED("MText setContents", EXPECT_EQ(0, m.setContents(L"c")));
  UIS_MText inBlock;
  BALANCED("MText CreateInBlock", EXPECT_EQ(0, inBlock.CreateInBlock(L"d", ZcGePoint3d(), GetModelSpaceId(), 2)));

  ZWTextStyle style;
  BALANCED("FindByName", EXPECT_EQ(0, style.FindByName(L"standard")));
  BALANCED("FindByName missing", EXPECT_EQ(33, style.FindByName(L"none")));
  BALANCED("DefaultTextHeight", EXPECT_GT(DefaultTextHeight(), 0));

  UIS_Leader leader;
  BALANCED("Leader Create", EXPECT_EQ(0, leader.Create(ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 5, 0))));
  BALANCED("Leader Create short", EXPECT_EQ(2, leader.Create(ZcGePoint3d(), ZcGePoint3d(0, 0, 1e-6))));
  BALANCED("Leader Create again", EXPECT_EQ(0, leader.Create(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 5, 0))));
  ZcGeVector3d dir;
  BALANCED("GetDirection", dir = leader.GetDirection());
  EXPECT_TRUE(dir.isEqualTo(ZcGeVector3d(0, 5, 0)));
  BALANCED("Leader by id", UIS_Leader byId(leader.Leader()->objectId()); EXPECT_NE(nullptr, byId.Leader()));

  ZW_Table table;
  BALANCED("Table Close none", EXPECT_EQ(15, table.Close()));
  BALANCED("Table Open none", EXPECT_EQ(600, table.Open(0)));
  BALANCED("Table Create", EXPECT_EQ(0, table.Create()));
  BALANCED("InsertColumns", EXPECT_EQ(0, table.InsertColumns(3)));
  BALANCED("AppendRow", EXPECT_EQ(0, table.AppendRow()));
  BALANCED("AppendRow", EXPECT_EQ(0, table.AppendRow()));
  BALANCED("SetHeaderText", EXPECT_EQ(0, table.SetHeaderText(2, L"Size")));
  BALANCED("SetCellText out of range", EXPECT_NE(0, table.SetCellText(9, 0, L"x")));
  BALANCED("SetColumnWidth", EXPECT_EQ(0, table.SetColumnWidth(1, 12)));
  BALANCED("SetColumnWidth past", EXPECT_EQ(3, table.SetColumnWidth(3, 1)));
  BALANCED("SetColumnWidth negative", EXPECT_EQ(3, table.SetColumnWidth(0, -1)));
  BALANCED("SetColumnWidth negative column", EXPECT_EQ(3, table.SetColumnWidth(-1, 1)));
  BALANCED("SetTextHeight", EXPECT_EQ(0, table.SetTextHeight(2)));
  BALANCED("GetColumnCount", EXPECT_EQ(3, table.GetColumnCount()));
  ZW_Table wrong;
  ZcDbObjectId out;
  CreateRectangle(out, 4, 2, ZcGePoint3d(1, 1, 0));
  ZcDbExtents box;
  ZcDbObjectIdArray ids;
  BALANCED("GetExtentsOfIds empty", EXPECT_EQ(374, GetExtentsOfIds(box, ids)));
  ids.append(out);
  BALANCED("GetExtentsOfIds", EXPECT_EQ(0, GetExtentsOfIds(box, ids)));
  EXPECT_TRUE(box.minPoint().isEqualTo(ZcGePoint3d(1, 1, 0)));
  EXPECT_TRUE(box.maxPoint().isEqualTo(ZcGePoint3d(5, 3, 0)));
  ids.setLogicalLength(0);
  ids.append(Erased());
  ZcDbExtents none;
  BALANCED("GetExtentsOfIds unmeasurable", EXPECT_EQ(374, GetExtentsOfIds(none, ids)));
}

TEST_F(WrapperProtocol, IteratorsOverReferences) {
  MarkBlock();
  ZcDbObjectIdArray ids;
  ZcDbObjectId r1, r2;
  InsertBlock(L"Mark", ZcGePoint3d(10, 0, 0), 1, 0, &r1);
  InsertBlock(L"Mark", ZcGePoint3d(3, 0, 0), 1, 0, &r2);
  ids.append(r1).append(Line()).append(r2);
  BlocksReference_Iterator it;
  BALANCED("SetIds", it.SetIds(ids));
  ZcDbObjectId nearest;
  BALANCED("FindNearest", EXPECT_EQ(0, it.FindNearest(ZcGePoint3d(), nearest)));
  EXPECT_EQ(r2, nearest);
  CStringArray names;
  BALANCED("GetNearestBlockNames", EXPECT_EQ(0, it.GetNearestBlockNames(ZcGePoint3d(), names, 0.1)));
  ASSERT_EQ(1, names.GetSize());
  BALANCED("KeepBlockName", it.KeepBlockName(L"mark"));
  EXPECT_EQ(2, it.Ids().length());
  BALANCED("KeepBlockName other", it.KeepBlockName(L"Other"));
  EXPECT_EQ(0, it.Ids().length());
}

// --- The plus-shaped overlap and inflation --------------------------------------------------

ZcDbExtents Box(double x0, double y0, double x1, double y1) {
  ZcDbExtents e;
  e.set(ZcGePoint3d(x0, y0, 0), ZcGePoint3d(x1, y1, 0));
  return e;
}

TEST(ExtentsOverlap, CrossingBoxesTouchingEdgesAndSeparateBoxes) {
  EXPECT_TRUE(ExtentsOverlap2d(Box(0, 0, 10, 2), Box(4, -5, 6, 5)));  // a plus sign
  EXPECT_TRUE(ExtentsOverlap2d(Box(4, -5, 6, 5), Box(0, 0, 10, 2)));
  EXPECT_TRUE(ExtentsOverlap2d(Box(0, 0, 10, 10), Box(5, 5, 20, 20)));
  EXPECT_TRUE(ExtentsOverlap2d(Box(0, 0, 10, 10), Box(2, 2, 3, 3)));  // one inside the other
  EXPECT_TRUE(ExtentsOverlap2d(Box(0, 0, 10, 10), Box(10, 10, 12, 12)));  // corners meet
  EXPECT_TRUE(ExtentsOverlap2d(Box(0, 0, 10, 10), Box(10, 3, 12, 4)));  // edges meet
  EXPECT_FALSE(ExtentsOverlap2d(Box(0, 0, 10, 10), Box(10.001, 0, 12, 10)));
  EXPECT_FALSE(ExtentsOverlap2d(Box(0, 0, 10, 10), Box(0, 11, 10, 12)));
  EXPECT_FALSE(ExtentsOverlap2d(Box(0, 0, 10, 2), Box(11, -5, 12, 5)));  // the plus, moved apart
  ZcDbExtents grown = Box(0, 0, 10, 10);
  InflateExtents(grown, ZcGeVector3d(1, 2, 0));
  EXPECT_EQ(ZcGePoint3d(-1, -2, 0), grown.minPoint());
  EXPECT_EQ(ZcGePoint3d(11, 12, 0), grown.maxPoint());
  EXPECT_TRUE(ExtentsOverlap2d(grown, Box(10.5, 0, 12, 1)));
}

}  // namespace
