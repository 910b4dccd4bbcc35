// Line segments: arc-length parameter, extension along the line only, offsets to either side,
// and the statuses a zero-length segment gives.
#include "ge/ZcGeLineSeg3d.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(LineSeg, ParameterIsTheDistanceFromTheStart) {
  ZcGeLineSeg3d l({1, 1, 0}, {4, 5, 0});  // length 5
  EXPECT_EQ(l.endParam(), 5.0);
  EXPECT_LE(l.evalPoint(2.5).distanceTo({2.5, 3, 0}), 1e-15);
  EXPECT_EQ(l.endPoint().x, 4.0);  // the end parameter gives the stored end exactly
  EXPECT_EQ(l.endPoint().y, 5.0);
  EXPECT_TRUE(l.evalDeriv(1.0).isEqualTo({0.6, 0.8, 0}));
}

TEST(LineSeg, ExtendMovesAnEndAlongTheLineButNeverPastTheOtherEnd) {
  ZcGeLineSeg3d l({0, 0, 0}, {10, 0, 0});
  EXPECT_EQ(l.extend(false, {12, 1e-3, 0}), Zcad::eInvalidInput);  // off the line
  EXPECT_EQ(l.extend(true, {10, 0, 0}), Zcad::eInvalidInput);      // onto the other end
  EXPECT_EQ(l.extend(true, {20, 0, 0}), Zcad::eInvalidInput);      // past it: the line would turn round
  EXPECT_EQ(l.extend(false, {-3, 0, 0}), Zcad::eInvalidInput);
  EXPECT_EQ(l.startPoint().x, 0.0);  // refused calls change nothing
  EXPECT_EQ(l.endPoint().x, 10.0);
  EXPECT_EQ(l.extend(true, {-2, 0, 0}), Zcad::eOk);
  EXPECT_EQ(l.extend(false, {7, 0, 0}), Zcad::eOk);  // trimming back is an extension too
  EXPECT_EQ(l.length(), 9.0);
  EXPECT_TRUE(l.direction().isEqualTo(ZcGeVector3d::kXAxis));
}

TEST(LineSeg, OffsetsGoToOppositeSidesByTheDistance) {
  ZcGeLineSeg3d l({0, 0, 0}, {3, 4, 0});
  ZcGeCurve3dArray right, left;
  ASSERT_EQ(l.getOffsetCurves(2.0, right), Zcad::eOk);
  ASSERT_EQ(l.getOffsetCurves(-2.0, left), Zcad::eOk);
  // Right of (3, 4) / 5 is (0.8, −0.6).
  EXPECT_LE(right[0]->startPoint().distanceTo({1.6, -1.2, 0}), 1e-15);
  EXPECT_LE(right[0]->endPoint().distanceTo({4.6, 2.8, 0}), 1e-15);
  EXPECT_LE(left[0]->startPoint().distanceTo({-1.6, 1.2, 0}), 1e-15);
}

TEST(LineSeg, ZeroLengthSegmentGivesStatusesNotCrashes) {
  ZcGeLineSeg3d z({1, 1, 0}, {1, 1, 0});
  ZcGePoint3d p;
  double t = -1.0;
  ZcGeCurve3dArray out;
  EXPECT_TRUE(z.isDegenerate());
  EXPECT_EQ(z.length(), 0.0);
  EXPECT_EQ(z.getOffsetCurves(1.0, out), Zcad::eInvalidInput);
  EXPECT_EQ(z.extend(true, {0, 0, 0}), Zcad::eInvalidInput);
  EXPECT_EQ(z.getPointAtDist(0.0, p), Zcad::eOk);
  EXPECT_EQ(p.x, 1.0);
  EXPECT_EQ(z.getPointAtDist(1.0, p), Zcad::eInvalidInput);
  EXPECT_EQ(z.getParamAtPoint({1, 1, 0}, t), Zcad::eOk);
  EXPECT_EQ(t, 0.0);
  EXPECT_EQ(z.getParamAtPoint({2, 1, 0}, t), Zcad::eInvalidInput);
  ZcGePoint3d cp;
  EXPECT_EQ(z.getClosestPointTo({5, 5, 0}, cp), Zcad::eOk);
  EXPECT_EQ(cp.x, 1.0);
  std::vector<ZcGePoint3d> pts;
  ZcGeLineSeg3d other({0, 0, 0}, {2, 2, 0});
  EXPECT_EQ(z.intersectWith(other, ZcGeCurve3d::kExtendBoth, pts), Zcad::eOk);  // on it: its position
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_LE(pts[0].distanceTo({1, 1, 0}), 1e-15);
}
