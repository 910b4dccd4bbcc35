// Id iterators, block-reference walks and item counters.
#include "framework/Iterator.h"

#include <gtest/gtest.h>

#include "db/ZcDbBlockTableRecord.h"
#include "db/ZcDbDatabase.h"
#include "db/ZcDbLine.h"
#include "framework/BlockReference.h"
#include "framework/BlocksReference_Iterator.h"
#include "framework/ItemsCounter.h"
#include "framework/UI_Block.h"
#include "framework/ZWDrawer.h"
#include "headless/Database.h"

namespace {

class Ids : public ZW_Iterator {
public:
  bool IsDone() override { return m_index >= m_ids.length(); }
};

ZcDbObjectId Ref(const wchar_t* block, double x, double y) {
  ZcDbObjectId id;
  InsertBlock(block, ZcGePoint3d(x, y, 0), 1.0, 0.0, &id);
  return id;
}

TEST(ZW_Iterator, StepsOutsideTheIdsGiveTheNullId) {
  headless::NewDrawing();
  ZcDbObjectIdArray ids;
  ids.append(ZcDbObjectId(1, 1)).append(ZcDbObjectId(1, 2));
  Ids it;
  it.SetIds(ids);
  it.First();
  EXPECT_TRUE(it.Previous().isNull());
  EXPECT_EQ(-1, it.Index());
  EXPECT_EQ(ZcDbObjectId(1, 1), it.CurrentId());
  EXPECT_EQ(ZcDbObjectId(1, 1), it.NextId());
  EXPECT_TRUE(it.HasNext());
  it.Next();
  EXPECT_EQ(ZcDbObjectId(1, 2), it.CurrentId());
  EXPECT_TRUE(it.NextId().isNull());
  it.Next();
  EXPECT_TRUE(it.CurrentId().isNull());
  it.Last();
  EXPECT_EQ(ZcDbObjectId(1, 2), it.CurrentId());
  it.Reset();
  EXPECT_EQ(0, it.Index());
}

class BlocksReference_IteratorTest : public ::testing::Test {
protected:
  void SetUp() override {
    headless::NewDrawing();
    for (const wchar_t* name : {L"A", L"B"}) UI_Block(name, false).Create();
  }
  void TearDown() override { EXPECT_EQ(0, headless::OpenObjectCount()); }
};

TEST_F(BlocksReference_IteratorTest, OnlyReferencesAreKeptInOrderAcrossCalls) {
  auto* line = new ZcDbLine(ZcGePoint3d(), ZcGePoint3d(1, 0, 0));
  ZWDrawer::Add(line);
  line->close();
  ZcDbObjectId a = Ref(L"A", 0, 0), b = Ref(L"B", 1, 0);
  BlocksReference_Iterator it;
  ZcDbObjectIdArray first, second;
  first.append(line->objectId()).append(b);
  second.append(a);
  it.SetIds(first);
  it.SetIds(second);
  ASSERT_EQ(2, it.Ids().length());
  EXPECT_EQ(b, it.Ids()[0]);
  EXPECT_EQ(a, it.Ids()[1]);
}

TEST_F(BlocksReference_IteratorTest, TheNearestReferenceIsTheFirstOfEquallyNearOnes) {
  ZcDbObjectId a = Ref(L"A", 1, 0), b = Ref(L"B", -1, 0);
  BlocksReference_Iterator it;
  ZcDbObjectIdArray ids;
  ids.append(a).append(b);
  it.SetIds(ids);
  ZcDbObjectId nearest;
  EXPECT_EQ(0, it.FindNearest(ZcGePoint3d(0, 0, 0), nearest));
  EXPECT_EQ(a, nearest);
  BlocksReference_Iterator empty;
  EXPECT_EQ(0, empty.FindNearest(ZcGePoint3d(), nearest));
  EXPECT_TRUE(nearest.isNull());
}

TEST_F(BlocksReference_IteratorTest, NearestBlockNamesCollectThoseWithinTheTolerance) {
  ZcDbObjectIdArray ids;
  ids.append(Ref(L"A", 1.0, 0)).append(Ref(L"B", 1.05, 0)).append(Ref(L"A", 1.02, 0));
  BlocksReference_Iterator it;
  it.SetIds(ids);
  CStringArray names;
  EXPECT_EQ(0, it.GetNearestBlockNames(ZcGePoint3d(), names, 0.1));
  ASSERT_EQ(2, names.GetSize());
  EXPECT_EQ(CString(L"A"), names[0]);
  EXPECT_EQ(CString(L"B"), names[1]);
}

TEST_F(BlocksReference_IteratorTest, KeepBlockNameRemovesOtherBlocksAndItemsThatNoLongerOpen) {
  ZcDbObjectId a1 = Ref(L"A", 0, 0), b = Ref(L"B", 0, 0), gone = Ref(L"A", 5, 0), a2 = Ref(L"a", 1, 0);
  BlocksReference_Iterator it;
  ZcDbObjectIdArray ids;
  ids.append(a1).append(b).append(gone).append(a2);
  it.SetIds(ids);
  ZcDbObject* o = nullptr;
  zcdbOpenObject(o, gone, ZcDb::kForWrite);
  o->erase();
  o->close();
  it.KeepBlockName(L"a");
  ASSERT_EQ(2, it.Ids().length());
  EXPECT_EQ(a1, it.Ids()[0]);
  EXPECT_EQ(a2, it.Ids()[1]);
  BlocksReference_Iterator empty;
  empty.KeepBlockName(L"A");
  EXPECT_TRUE(empty.Ids().isEmpty());
}

TEST(ItemsCounter, TheSmallestCountIsReported) {
  ItemsCounter counter;
  EXPECT_EQ(0, counter.GetMinCount());
  counter.Add(L"x", 3);
  counter.Add(L"y");
  EXPECT_EQ(1, counter.GetMinCount());
}

}  // namespace
