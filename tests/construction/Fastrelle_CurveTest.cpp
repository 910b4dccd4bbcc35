// Finding a part's cut and seam lines by the grade points at their ends, in every size,
// graded ones included, and what happens when a grade point is missing in a size.
#include "construction/Fastrelle_Curve.h"

#include "CornersFixture.h"

namespace {

using Curves = CornersTest;

TEST_F(Curves, FindsEachSizesOwnCutAndSeamLineBetweenTwoGradePoints) {
  for (const wchar_t* size : {L"38", L"40", L"42"}) {
    Fastrelle_Curve cut;
    ASSERT_EQ(0, cut.FindCutBetweenPoints(size, 1, 2)) << size;
    EXPECT_EQ(Cut(size, L"hem"), cut.Id()) << size;
    ASSERT_EQ(0, cut.FindCutBetweenPoints(size, 2, 3)) << size;
    EXPECT_EQ(Cut(size, L"right"), cut.Id()) << size;
    Fastrelle_Curve seam;
    ASSERT_EQ(0, seam.FindSeamBetweenPoints(size, 2, 1)) << size;
    ASSERT_FALSE(seam.Id().isNull()) << size;
    EXPECT_TRUE(EndsAt(seam.Id(), RightCorner(size))) << size;
    EXPECT_EQ(size == CString(L"40") ? L"^40" : size, CString(Read<ZcDbEntity>(seam.Id())->layer()));
  }
}

TEST_F(Curves, RefusesNumbersOutOfRangeAndCutLinesSharingNoLine) {
  Fastrelle_Curve curve;
  EXPECT_EQ(55, curve.FindCutBetweenPoints(L"38", 0, 1));
  EXPECT_EQ(55, curve.FindCutBetweenPoints(L"38", 1, 6));  // the next free number is 5
  EXPECT_EQ(55, curve.FindSeamBetweenPoints(L"38", -1, 2));
  // Number 5 is free: in range, but no grade point has it.
  EXPECT_EQ(130, curve.FindCutBetweenPoints(L"38", 5, 1));
  // Lines near 1 (left side, hem) and near 3 (right side) have none in common.
  EXPECT_EQ(22, curve.FindCutBetweenPoints(L"38", 1, 3));
  EXPECT_TRUE(curve.Id().isNull());
  // The seam lines between points that share no edge: none, and no failure.
  EXPECT_EQ(0, curve.FindSeamBetweenPoints(L"38", 1, 3));
  EXPECT_TRUE(curve.Id().isNull());
  // A grade point in no part's group names no part.
  Erase(Fastrelle_SizePoint(3, L"38").Id());
  Fastrelle_SizePoint loose;
  ASSERT_EQ(0, loose.Insert(ZcGePoint3d(500, 500, 0), L"38"));
  loose.SetNumber(3);
  EXPECT_EQ(374, curve.FindSeamBetweenPoints(L"38", 3, 2));
}

TEST_F(Curves, AGradePointMissingInASizeFindsNothingThereAndNeverLooksAroundTheOrigin) {
  // A decoy cut line of size 38 around the origin, and size 38 without grade point 1.
  ZcDbObjectIdArray decoy;
  decoy.append(AddLine(ZcGePoint3d(-5, 5, 0), ZcGePoint3d(5, -5, 0)));
  decoy.append(AddLine(ZcGePoint3d(-5, -5, 0), ZcGePoint3d(5, 5, 0)));
  PartSizeGroup(nullptr, L"Front", L"38").PutOnCutLayer(decoy);
  Erase(Fastrelle_SizePoint(1, L"38").Id());
  Fastrelle_Curve curve;
  EXPECT_EQ(130, curve.FindCutBetweenPoints(L"38", 1, 2));
  EXPECT_EQ(130, curve.FindCutBetweenPoints(L"38", 2, 1));
  EXPECT_TRUE(curve.Id().isNull());
  EXPECT_EQ(0, curve.FindSeamBetweenPoints(L"38", 1, 2));
  EXPECT_TRUE(curve.Id().isNull());
  EXPECT_EQ(0, curve.FindSeamBetweenPoints(L"38", 2, 1));
  EXPECT_TRUE(curve.Id().isNull());
  // The other sizes still have theirs.
  EXPECT_EQ(0, curve.FindCutBetweenPoints(L"40", 1, 2));
  EXPECT_EQ(Cut(L"40", L"hem"), curve.Id());
}

TEST_F(Curves, EndNumbersAreThoseOfTheNearestGradePointsAtAnyDistance) {
  int start = -1, end = -1;
  ASSERT_EQ(0, Fastrelle_Curve(Cut(L"42", L"hem")).GetEndPointNumbers(start, end));
  EXPECT_EQ(1, start);  // (-10,-20): 22 away from point 1
  EXPECT_EQ(2, end);
  ASSERT_EQ(0, Fastrelle_Curve(Cut(L"38", L"left")).GetEndPointNumbers(start, end));
  EXPECT_EQ(1, start);
  EXPECT_EQ(4, end);
  start = end = -1;
  EXPECT_EQ(20, Fastrelle_Curve().GetEndPointNumbers(start, end));
  EXPECT_EQ(20, Fastrelle_Curve(Fastrelle_SizePoint(1, L"38").Id()).GetEndPointNumbers(start, end));
  EXPECT_EQ(-1, start);
  EXPECT_EQ(-1, end);
}

}  // namespace
