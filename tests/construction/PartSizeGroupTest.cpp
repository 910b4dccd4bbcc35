// Part-in-size groups: their names, membership, splitting curves at a point, erasing,
// renaming, and merging the defining points of a part's curves.
#include "construction/PartSizeGroup.h"

#include "PartsFixture.h"
#include "framework/UI_Kolekcja.h"

namespace {

using PartGroups = PartsTest;

TEST_F(PartGroups, GroupNamesSplitIntoPartAndSizeAndEmptyNamesMakeNoGroup) {
  CString part = L"keep", size = L"keep";
  EXPECT_FALSE(PartSizeGroup::SplitGroupName(L"Front", part, size));
  EXPECT_EQ(L"keep", part);
  EXPECT_TRUE(PartSizeGroup::SplitGroupName(L"Front||38|x", part, size));
  EXPECT_EQ(L"Front", part);
  EXPECT_EQ(L"38", size);
  ZcDbObjectIdArray ids;
  ids.append(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  EXPECT_EQ(338, PartSizeGroup(nullptr, L"", L"38").AddToGroup(ids));
  EXPECT_EQ(338, PartSizeGroup(nullptr, L"Front", L"").PutOnSeamLayer(ids));
  EXPECT_FALSE(HasGroup(L"|38"));
  MakeGroup(L"plain", {ids[0]});
  EXPECT_EQ(338, PartSizeGroup().FromId(ids[0]));
}

TEST_F(PartGroups, PuttingOnASizesLayerMakesTheGroupAndAppliesTheKind) {
  ZcDbObjectIdArray ids;
  ids.append(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  PartSizeGroup group(nullptr, L"Front", L"40");
  ASSERT_EQ(0, group.PutOnCutLayer(ids));
  EXPECT_EQ(L"^40'", Read<ZcDbEntity>(ids[0])->layer());
  EXPECT_EQ(1, Members(L"Front|40").length());
  PartSizeGroup found;
  ASSERT_EQ(0, found.FromId(ids[0]));
  EXPECT_EQ(L"Front", found.m_part);
  EXPECT_EQ(L"40", found.m_size);
  ZcDbObjectIdArray seam, cut, tech;
  group.SplitByLineKind(seam, cut, tech);
  EXPECT_EQ(1, cut.length());
  EXPECT_TRUE(seam.isEmpty());
}

TEST_F(PartGroups, SplittingAtAPointKeepsACurveEndingThereWhole) {
  ZcDbObjectId through = AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(100, 0, 0));
  ZcDbObjectId ending = AddLine(ZcGePoint3d(50, 0, 0), ZcGePoint3d(50, 80, 0));
  ZcDbObjectId away = AddLine(ZcGePoint3d(0, 10, 0), ZcGePoint3d(100, 10, 0));
  ZcDbObjectIdArray ids;
  ids.append(through);
  ids.append(ending);
  ids.append(away);
  PartSizeGroup group(nullptr, L"Front", L"38");
  group.PutOnSeamLayer(ids);
  ASSERT_EQ(0, group.SplitCurvesAtPoint(ZcGePoint3d(50, 0, 0)));
  EXPECT_TRUE(through.isErased());
  EXPECT_FALSE(ending.isErased());
  EXPECT_FALSE(away.isErased());
  EXPECT_EQ(4, Members(L"Front|38").length());
  EXPECT_EQ(20, PartSizeGroup(nullptr, L"Back", L"38").SplitCurvesAtPoint(ZcGePoint3d()));
}

// A group holds each entity once, whether a few ids come (each looked for in the group) or
// many (looked up in a set of the members), repeated in the list or held already.
TEST_F(PartGroups, AddingHeldOrRepeatedIdsKeepsEachMemberOnce) {
  PartSizeGroup group(nullptr, L"Front", L"38");
  ZcDbObjectIdArray few;
  few.append(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  few.append(few[0]);
  few.append(AddLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0)));
  ASSERT_EQ(0, group.AddToGroup(few));
  ASSERT_EQ(0, group.AddToGroup(few));
  EXPECT_EQ(2, Members(L"Front|38").length());
  ZcDbObjectIdArray many = few;
  for (int i = 0; i < 10; ++i) many.append(AddLine(ZcGePoint3d(0, 2.0 + i, 0), ZcGePoint3d(1, 2.0 + i, 0)));
  many.append(many[5]);
  ASSERT_EQ(0, group.AddToGroup(many));
  EXPECT_EQ(12, Members(L"Front|38").length());
}

TEST_F(PartGroups, ErasingLeavesNoGroupAndRenamingOntoATakenNameChangesNothing) {
  ZcDbObjectIdArray ids;
  ids.append(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)));
  PartSizeGroup group(nullptr, L"Front", L"38");
  group.AddToGroup(ids);
  PartSizeGroup other(nullptr, L"Back", L"38");
  ZcDbObjectIdArray more;
  more.append(AddLine(ZcGePoint3d(0, 5, 0), ZcGePoint3d(1, 5, 0)));
  other.AddToGroup(more);
  EXPECT_NE(0, group.RenamePart(L"Back"));
  EXPECT_EQ(1, Members(L"Back|38").length());
  EXPECT_EQ(more[0], Members(L"Back|38")[0]);
  EXPECT_EQ(L"Front", group.m_part);
  ZcDbObjectId groupId;
  ASSERT_EQ(0, group.GetGroupId(groupId));
  ASSERT_EQ(0, group.Erase());
  EXPECT_FALSE(HasGroup(L"Front|38"));
  EXPECT_TRUE(groupId.isErased());
  EXPECT_TRUE(ids[0].isErased());
  EXPECT_EQ(20, group.Erase());
  PartSizeGroup missing(nullptr, L"None", L"38");
  EXPECT_EQ(20, missing.SetSizeName(L"40"));
  EXPECT_EQ(L"40", missing.m_size);
}

TEST_F(PartGroups, MergingKeepsPointsAtLeastATenthApart) {
  UI_Kolekcja curves;
  curves.Add(AddLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0)));
  curves.Add(AddLine(ZcGePoint3d(10.05, 0, 0), ZcGePoint3d(10, 10, 0)));
  ZcGePoint3dArray points;
  ASSERT_EQ(0, MergePoints(curves, points));
  ASSERT_EQ(3, points.length());
  EXPECT_EQ(ZcGePoint3d(10, 10, 0), points[2]);
}

}  // namespace
