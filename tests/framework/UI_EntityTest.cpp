// The entity wrapper and the model-space helpers, and the open balance of every wrapper.
#include "framework/UI_Entity.h"

#include <gtest/gtest.h>

#include "DrawingHelpers.h"
#include "db/ZcDb2dPolyline.h"
#include "db/ZcDbArc.h"
#include "db/ZcDbBlockReference.h"
#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbGroup.h"
#include "db/ZcDbLine.h"
#include "db/ZcDbPolyline.h"
#include "framework/BlockReference.h"
#include "framework/BlocksReference_Iterator.h"
#include "framework/Extents.h"
#include "framework/Layers.h"
#include "framework/SideDatabase.h"
#include "framework/Tagged.h"
#include "framework/UIS_Leader.h"
#include "framework/UIS_MText.h"
#include "framework/UI_Block.h"
#include "framework/UI_Dictionary.h"
#include "framework/UI_Group.h"
#include "framework/ZWDrawer.h"
#include "framework/ZW_Table.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "support/TempFolder.h"

namespace {

ZcDbObjectId AddEntity(ZcDbEntity* e) {
  if (ZWDrawer::Add(e) != Zcad::eOk) return ZcDbObjectId();
  ZcDbObjectId id = e->objectId();
  e->close();
  return id;
}

ZcDbObjectId AddLine(double y = 0) { return AddEntity(new ZcDbLine(ZcGePoint3d(0, y, 0), ZcGePoint3d(10, y, 0))); }

class UI_EntityTest : public ::testing::Test {
protected:
  void SetUp() override {
    db = headless::NewDrawing();
    headless::ClearTranscript();
  }
  void TearDown() override { EXPECT_EQ(0, headless::OpenObjectCount()) << "an object was left open"; }
  ZcDbDatabase* db = nullptr;
};

TEST_F(UI_EntityTest, AWrapperWithoutEntityAnswersWithItsCodesAndTouchesNothing) {
  UI_Entity none{ZcDbObjectId()};
  ZcGePoint3dArray pts;
  ZcDbObjectId out;
  EXPECT_EQ(374, none.TransformBy(ZcGeMatrix3d::kIdentity));
  EXPECT_EQ(374, none.Erase());
  EXPECT_EQ(374, none.Close());
  EXPECT_EQ(374, none.SetColorIndex(1));
  EXPECT_EQ(374, none.Highlight(true));
  EXPECT_EQ(20, none.setLayer(L"0"));
  EXPECT_EQ(20, none.IntersectWithId(AddLine(), 0, pts));
  EXPECT_EQ(20, none.AddToModelSpace());
  EXPECT_TRUE(none.GetLayerName().IsEmpty());
  EXPECT_TRUE(none.GetHandle().IsEmpty());
  EXPECT_FALSE(none.GetGroupId(out));
  EXPECT_EQ(374, none.Copy(out));
  EXPECT_TRUE(out.isNull());
}

TEST_F(UI_EntityTest, ACopyLiesOnTheCurrentLayerWithTheSourcesColour) {
  ZcDbLayerTableRecord* other = nullptr;
  ASSERT_EQ(0, CreateLayer(L"Other", other));
  ZcDbObjectId id = AddLine();
  UI_Entity e(id);
  ASSERT_EQ(0, e.setLayer(L"Other"));
  ASSERT_EQ(0, e.SetColorIndex(5));
  ZcDbObjectId copy;
  ASSERT_EQ(0, e.Copy(copy));
  UI_Entity c(copy);
  EXPECT_EQ(CString(L"0"), c.GetLayerName());
  EXPECT_EQ(5, c.Entity()->colorIndex());
}

TEST_F(UI_EntityTest, MatchPropertiesFromAnIdThatDoesNotOpenLeavesTheTargetAsItWas) {
  ZcDbObjectId gone = AddLine(1);
  UI_Entity(gone).Erase();
  UI_Entity target(AddLine());
  EXPECT_EQ(374, target.MatchProperties(ZcDbObjectId()));
  EXPECT_EQ(374, target.MatchProperties(gone));
  EXPECT_EQ(256, target.Entity()->colorIndex());
  headless::ResetDiagnostics();
  ASSERT_EQ(0, target.SetColorIndex(3));
  EXPECT_EQ(0, target.MatchProperties(target.Id()));  // from itself: nothing to do
  EXPECT_EQ(3, target.Entity()->colorIndex());
  EXPECT_EQ(0, headless::StrayCloses());
}

TEST_F(UI_EntityTest, AnErasedEntityIsNotCopied) {
  UI_Entity line(AddLine());
  ASSERT_EQ(0, line.Erase());
  ZcDbObjectId copy;
  EXPECT_EQ(Zcad::eWasErased, line.Copy(copy));
  EXPECT_TRUE(copy.isNull());
}

TEST_F(UI_EntityTest, ACopyFromASideDrawingBringsItsBlockAndLayerAndOutlivesTheSideDrawing) {
  TempFolder folder;
  {
    ZcDbDatabase side;
    ZcDbObjectId kontur = AddRecord<ZcDbLayerTableRecord>(side, &ZcDbDatabase::getLayerTable, L"Kontur");
    ZcDbObjectId blockId = AddRecord<ZcDbBlockTableRecord>(side, &ZcDbDatabase::getBlockTable, L"Znak");
    auto* inside = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 0, 0));
    inside->setDatabaseDefaults(&side);
    inside->setLayer(kontur);
    AppendEntity(side, inside, blockId);
    auto* ref = new ZcDbBlockReference(ZcGePoint3d(10, 10, 0), blockId);
    ref->setDatabaseDefaults(&side);
    ref->setLayer(kontur);
    AppendEntity(side, ref);
    ASSERT_EQ(Zcad::eOk, side.saveAs(folder.Windows("side.dwg").c_str()));
  }
  ZcDbObjectId copy;
  {
    SideDatabase side(folder.Windows("side.dwg").c_str());
    ASSERT_EQ(0, side.Open());
    ZcDbObjectIdArray refs = side.GetBlockReferences(L"Znak");
    ASSERT_EQ(1, refs.length());
    ASSERT_EQ(0, UI_Entity(refs[0]).Copy(copy));
  }
  ZcDbBlockReference* ref = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(ref, copy, ZcDb::kForRead));
  ZcDbObjectId blockId = ref->blockTableRecord();
  ref->close();
  ASSERT_EQ(db, blockId.database());
  ZcDbBlockTableRecord* block = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(block, blockId, ZcDb::kForRead));
  std::wstring name;
  block->getName(name);
  EXPECT_EQ(L"Znak", name);
  ZcDbObjectIdArray inside = block->entityIds();
  block->close();
  ASSERT_EQ(1, inside.length());
  EXPECT_EQ(std::wstring(L"Kontur"), UI_Entity(inside[0]).GetLayerName().str());
  EXPECT_EQ(CString(L"0"), UI_Entity(copy).GetLayerName());  // the copy itself: current layer
  // The drawing saved with the copy reads back.
  ZcDbDatabase reread(false, true);
  EXPECT_EQ(Zcad::eOk, reread.readDxfText(db->dxfText())) << headless::ToUtf8(reread.readError());
}

TEST_F(UI_EntityTest, TransformAndMoveReportTheTransformsStatus) {
  UI_Entity arc(AddEntity(new ZcDbArc(ZcGePoint3d(0, 0, 0), 5, 0, 1)));
  ZcGeMatrix3d stretch;
  stretch(0, 0) = 2;  // a non-uniform scale cannot keep an arc circular
  EXPECT_EQ(Zcad::eCannotScaleNonUniformly, arc.TransformBy(stretch));
  UI_Entity line(AddLine());
  line.Open(1);
  EXPECT_EQ(0, line.Move(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 5, 0)));
  EXPECT_EQ(ZcGePoint3d(0, 5, 0), static_cast<ZcDbLine*>(line.Entity())->startPoint());
}

TEST_F(UI_EntityTest, MirrorCopyNeedsTwoDistinctPoints) {
  UI_Entity line(AddLine(2));
  ZcDbObjectId copy;
  EXPECT_EQ(3, line.MirrorCopy(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 0, 0), copy));
  EXPECT_TRUE(copy.isNull());
  ASSERT_EQ(0, line.MirrorCopy(ZcGePoint3d(-1, 0, 0), ZcGePoint3d(1, 0, 0), copy));
  EXPECT_EQ(ZcGePoint3d(0, -2, 0), static_cast<ZcDbLine*>(UI_Entity(copy).Entity())->startPoint());
}

TEST_F(UI_EntityTest, IntersectWithAnIdThatDoesNotOpenGives20) {
  UI_Entity line(AddLine());
  ZcGePoint3dArray pts;
  EXPECT_EQ(20, line.IntersectWithId(ZcDbObjectId(), 0, pts));
  ZcDbObjectId cross = AddEntity(new ZcDbLine(ZcGePoint3d(5, -5, 0), ZcGePoint3d(5, 5, 0)));
  EXPECT_EQ(0, line.IntersectWithId(cross, 0, pts));
  ASSERT_EQ(1, pts.length());
  EXPECT_EQ(ZcGePoint3d(5, 0, 0), pts[0]);
}

TEST_F(UI_EntityTest, GetPointsGivesPolylineVerticesAndCurveEnds) {
  auto* pl = new ZcDbPolyline;
  pl->addVertexAt(0, ZcGePoint2d(0, 0));
  pl->addVertexAt(1, ZcGePoint2d(1, 0));
  pl->addVertexAt(2, ZcGePoint2d(1, 1));
  UI_Entity poly(AddEntity(pl));
  ZcGePoint3dArray pts;
  poly.Open(0);
  EXPECT_EQ(0, poly.GetPoints(pts));
  EXPECT_EQ(3, pts.length());
  UI_Entity line(AddLine());
  line.Open(0);
  line.GetPoints(pts);
  EXPECT_EQ(5, pts.length());
  // a closed heavy polyline (an older drawing's outline) gives its corners, not one point twice
  ZcGePoint3dArray corners;
  corners.append(ZcGePoint3d(0, 0, 0));
  corners.append(ZcGePoint3d(4, 0, 0));
  corners.append(ZcGePoint3d(4, 3, 0));
  UI_Entity heavy(AddEntity(new ZcDb2dPolyline(corners, true)));
  ZcGePoint3dArray got;
  heavy.Open(0);
  EXPECT_EQ(0, heavy.GetPoints(got));
  ASSERT_EQ(3, got.length());
  EXPECT_EQ(ZcGePoint3d(4, 0, 0), got[1]);
}

TEST_F(UI_EntityTest, ModelSpaceHelpersReportMissingEntitiesAndDrawings) {
  EXPECT_EQ(20, ZWDrawer::Add(nullptr));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"ZWDrawer::Add"));
  ZcGePoint3dArray none;
  ZcDbObjectIdArray ids;
  EXPECT_EQ(0, DrawPoints(none, ids));
  EXPECT_TRUE(ids.isEmpty());
  ZcGePoint3dArray two;
  two.append(ZcGePoint3d(1, 1, 0)).append(ZcGePoint3d(2, 2, 0));
  EXPECT_EQ(0, DrawPoints(two, ids));
  EXPECT_EQ(2, ids.length());

  zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
  EXPECT_EQ(nullptr, OpenModelSpace());
  EXPECT_TRUE(GetModelSpaceId().isNull());
  ZcDbObjectId id;
  EXPECT_EQ(221, AddMText(L"x", ZcGePoint3d(), 2.0, id));  // the MText is not leaked
  EXPECT_EQ(221, DrawPoints(two, ids));
  zcdbHostApplicationServices()->setWorkingDatabase(db);
}

TEST_F(UI_EntityTest, EveryWrapperLeavesNoObjectOpenOnSuccessOrFailure) {
  ZcDbObjectId line = AddLine(), other = AddLine(3);
  ZcGePoint3dArray pts;
  ZcDbObjectId out;
  {
    UI_Entity e(line);
    e.SetColorIndex(2);
    e.setLayer(L"0");
    e.setLayer(L"NoSuchLayer");
    e.SetLinetype(db->continuousLinetype());
    e.SetLinetype(db->layerZero());  // not a linetype
    e.MatchProperties(other);
    e.IntersectWithId(other, 3, pts);
    e.Highlight(true);
    e.Highlight(false);
    e.GetLayerName();
    e.GetGroupId(out);
    e.Copy(out);
    e.MirrorCopy(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0), out);
    e.TransformBy(ZcGeMatrix3d::translation(ZcGeVector3d(1, 0, 0)));
  }
  {
    UI_Group g;
    g.Create(L"Przód|38");
    ZcDbObjectIdArray ids;
    ids.append(line).append(ZcDbObjectId()).append(other);
    g.Append(ids);
    g.GetName();
    UI_Group h;
    h.OpenByName(L"missing");
    h.SetFromEntity(UI_Entity(line).Entity());
    UI_Dictionary d(L"Fastrelle");
    Tagged t(line, L"Fastrelle_Layout");
    t.AddTag(L"Form");
    t.HasTag(L"form");
    CStringArray found;
    t.FindTags(L"F", found);
  }
  {
    UI_Block block(L"C:\\no\\such\\Symbol.dwg", true);
    UI_Block made;
    CStringArray names;
    ListBlockNames(names);
    ZcDbLayerTableRecord* rec = nullptr;
    CreateLayer(L"L1", rec);
    CreateLayer(L"L1", rec);
    CreateLayer(L"bad*name", rec);
    SetLayerColorIndex(FindLayer(L"L1"), 3);
    SetLayersOnState(GetLayersOnState(GetLayerRecords()));
    UIS_MText m;
    m.Create(L"a", ZcGePoint3d(), 0);
    m.setRotation(1.0);
    m.setLocation(ZcGePoint3d(1, 1, 0));
    m.setContents(L"b");
    UIS_Leader leader;
    leader.Create(ZcGePoint3d(0, 0, 0), ZcGePoint3d(5, 5, 0));
    leader.Create(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 0, 0));
    leader.GetDirection();
    ZW_Table table;
    table.Create();
    table.InsertColumns(2);
    table.AppendRow();
    table.AppendRow();
    table.SetHeaderText(0, L"x");
    table.SetColumnWidth(5, 1.0);
    table.SetTextHeight(2.0);
    ZcDbExtents ext;
    ZcDbObjectIdArray ids;
    ids.append(line).append(other);
    GetExtentsOfIds(ext, ids);
    CreateRectangle(out, 10, 5, ZcGePoint3d());
    BlocksReference_Iterator it;
    it.SetIds(ids);
    it.FindNearest(ZcGePoint3d(), out);
  }
}

}  // namespace
