// Tables, texts, leaders, layers and extents of the annotation helpers.
#include "framework/ZW_Table.h"

#include <gtest/gtest.h>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "framework/Extents.h"
#include "framework/Layers.h"
#include "framework/UIS_Leader.h"
#include "framework/UIS_MText.h"
#include "framework/ZWDrawer.h"
#include "framework/ZWTextStyle.h"
#include "headless/Database.h"

namespace {

class ZW_TableTest : public ::testing::Test {
protected:
  void SetUp() override { db = headless::NewDrawing(); }
  void TearDown() override { EXPECT_EQ(0, headless::OpenObjectCount()); }
  ZcDbDatabase* db = nullptr;
};

TEST_F(ZW_TableTest, ATableIsBuiltWithHeaderRowsAndColumnWidths) {
  ZW_Table table;
  ASSERT_EQ(0, table.Create());
  ASSERT_EQ(0, table.InsertColumns(3));
  for (int i = 0; i < 3; ++i) ASSERT_EQ(0, table.AppendRow());
  EXPECT_EQ(3, table.GetColumnCount());
  EXPECT_EQ(0, table.SetHeaderText(0, L"Część"));
  EXPECT_EQ(0, table.SetCellText(2, 2, L"38"));
  EXPECT_EQ(0, table.SetColumnWidth(0, 40.0));
  EXPECT_EQ(3, table.SetColumnWidth(3, 10.0));
  EXPECT_EQ(3, table.SetColumnWidth(0, -1.0));
  EXPECT_EQ(3, table.SetColumnWidth(-1, 10.0));
  EXPECT_EQ(0, table.SetTextHeight(3.5));
  EXPECT_NE(0, table.SetCellText(7, 0, L"out of range"));
  EXPECT_EQ(15, table.Close());
  ZcDbTable* t = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(t, table.Id(), ZcDb::kForRead));
  EXPECT_EQ(L"Część", t->textString(1, 0));
  EXPECT_DOUBLE_EQ(40.0, t->columnWidth(0));
  EXPECT_DOUBLE_EQ(3.5, t->textHeight(2, 2));
  t->close();
  ZW_Table none;
  EXPECT_EQ(-1, none.GetColumnCount());
  EXPECT_EQ(600, none.Open(0));
}

TEST_F(ZW_TableTest, OperationsOnAHeldTableUseItAndCloseClosesItOnce) {
  ZW_Table table;
  ASSERT_EQ(0, table.Create());
  ASSERT_EQ(0, table.InsertColumns(2));
  ASSERT_EQ(0, table.AppendRow());
  ASSERT_EQ(0, table.Open(0));
  EXPECT_EQ(2, table.GetColumnCount());
  EXPECT_EQ(1, headless::OpenObjectCount());
  EXPECT_EQ(0, table.Close());
  EXPECT_EQ(0, headless::OpenObjectCount());
  EXPECT_EQ(15, table.Close());
  ASSERT_EQ(0, table.Open(0));
  EXPECT_EQ(Zcad::eWasNotOpenForWrite, table.SetCellText(0, 1, L"read only"));  // held for read
  ASSERT_EQ(0, table.Open(1));  // held again, for write: still one open
  EXPECT_EQ(0, table.SetCellText(0, 1, L"held"));
  EXPECT_EQ(0, table.SetColumnWidth(1, 12.0));
  EXPECT_EQ(1, headless::OpenObjectCount());
  EXPECT_EQ(0, table.Close());
  ZcDbTable* t = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(t, table.Id(), ZcDb::kForRead));
  EXPECT_EQ(L"held", t->textString(0, 1));
  EXPECT_DOUBLE_EQ(12.0, t->columnWidth(1));
  t->close();
}

TEST_F(ZW_TableTest, BoxesOverlapWhenTheirIntervalsMeetOnBothAxes) {
  ZcDbExtents wide(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 2, 0));
  ZcDbExtents tall(ZcGePoint3d(4, -5, 0), ZcGePoint3d(6, 5, 0));
  EXPECT_TRUE(ExtentsOverlap2d(wide, tall));  // crossing like a plus sign
  EXPECT_TRUE(ExtentsOverlap2d(ZcDbExtents(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 10, 0)),
                               ZcDbExtents(ZcGePoint3d(5, 5, 0), ZcGePoint3d(20, 20, 0))));
  EXPECT_TRUE(ExtentsOverlap2d(ZcDbExtents(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0)),
                               ZcDbExtents(ZcGePoint3d(1, 1, 0), ZcGePoint3d(2, 2, 0))));
  EXPECT_FALSE(ExtentsOverlap2d(wide, ZcDbExtents(ZcGePoint3d(11, 0, 0), ZcGePoint3d(12, 2, 0))));
  ZcDbExtents e(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0));
  InflateExtents(e, ZcGeVector3d(1, 2, 0));
  EXPECT_EQ(ZcGePoint3d(-1, -2, 0), e.minPoint());
}

TEST_F(ZW_TableTest, ExtentsOfIdsNeedSomethingMeasurable) {
  ZcDbExtents e;
  EXPECT_EQ(374, GetExtentsOfIds(e, ZcDbObjectIdArray()));
  ZcDbObjectIdArray bad;
  bad.append(ZcDbObjectId());
  EXPECT_EQ(374, GetExtentsOfIds(e, bad));
  ZcDbObjectId rect;
  ASSERT_EQ(0, CreateRectangle(rect, 10, 5, ZcGePoint3d(1, 1, 0)));
  bad.append(rect);
  EXPECT_EQ(0, GetExtentsOfIds(e, bad));
  EXPECT_EQ(ZcGePoint3d(11, 6, 0), e.maxPoint());
}

TEST_F(ZW_TableTest, MTextFollowsTheHeightRuleAndIsNeverAppendedTwice) {
  UIS_MText m;
  ASSERT_EQ(0, m.Create(L"a", ZcGePoint3d(), 0));
  EXPECT_DOUBLE_EQ(DefaultTextHeight(), m.MText()->textHeight());
  ZcDbObjectId first = m.MText()->objectId();
  ASSERT_EQ(0, m.Create(L"b", ZcGePoint3d(1, 1, 0), 7.0));
  EXPECT_EQ(first, m.MText()->objectId());
  EXPECT_EQ(L"b", m.MText()->contents());
  ZcDbBlockTableRecord* ms = OpenModelSpace();
  EXPECT_EQ(1, ms->entityIds().length());
  ms->close();
  EXPECT_EQ(374, UIS_MText().setRotation(1.0));
}

TEST_F(ZW_TableTest, LeadersPointFromTheLabelToThePart) {
  UIS_Leader leader;
  EXPECT_EQ(2, leader.Create(ZcGePoint3d(1, 1, 0), ZcGePoint3d(1, 1, 0)));
  ASSERT_EQ(0, leader.Create(ZcGePoint3d(10, 0, 0), ZcGePoint3d(0, 0, 0)));
  EXPECT_EQ(ZcGeVector3d(-10, 0, 0), leader.GetDirection());
  ASSERT_EQ(0, leader.Create(ZcGePoint3d(0, 10, 0), ZcGePoint3d(0, 0, 0)));
  EXPECT_EQ(ZcGeVector3d(0, -10, 0), leader.GetDirection());
  EXPECT_DOUBLE_EQ(db->dimasz(), leader.Leader()->dimasz());
}

TEST_F(ZW_TableTest, CreatingALayerRefusesTakenAndBadNamesWithoutLeavingAnything) {
  ZcDbLayerTableRecord* rec = nullptr;
  EXPECT_EQ(0, CreateLayer(L"38^", rec));
  EXPECT_NE(nullptr, FindLayer(L"38^"));
  EXPECT_EQ(26, CreateLayer(L"38^", rec));
  EXPECT_EQ(Zcad::eInvalidSymbolTableName, CreateLayer(L"a:b", rec));
  EXPECT_EQ(nullptr, rec);
  CStringArray names;
  GetLayerNames(names);
  EXPECT_EQ(2, names.GetSize());
  EXPECT_EQ(0, SetLayerColorIndex(FindLayer(L"38^"), 3));
  std::map<CString, bool> states = GetLayersOnState(GetLayerRecords());
  states[L"38^"] = false;
  SetLayersOnState(states);
  EXPECT_TRUE(FindLayer(L"38^")->isOff());
  EXPECT_EQ(3, FindLayer(L"38^")->color().colorIndex());
}

TEST_F(ZW_TableTest, TextStylesAreFoundByName) {
  ZWTextStyle style;
  EXPECT_EQ(0, style.FindByName(L"standard"));
  EXPECT_EQ(0, style.Open());
  style.Record()->close();
  EXPECT_EQ(33, ZWTextStyle().FindByName(L"Missing"));
  EXPECT_EQ(600, ZWTextStyle().Open());
}

}  // namespace
