// Bulge polylines: vertex-index parameters, derivative sides at vertices, offsets by area,
// extension of end segments and splits with re-bulged arcs.
#include "ge/ZcGeBulgePolyline3d.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ge/ZcGeRegion.h"

namespace {
/// A 10 × 10 square whose right side bulges out as a half circle (a stadium end).
ZcGeBulgePolyline3d roundedSquare() {
  return ZcGeBulgePolyline3d(std::vector<ZcGePoint2d>{{0, 0}, {10, 0}, {10, 10}, {0, 10}},
                             std::vector<double>{0.0, 1.0, 0.0, 0.0}, true);
}
double areaOf(const ZcGeCurve3d& c) { return ZcGeRegion::signedLoopArea({&c}); }
}  // namespace

TEST(BulgePolyline, ParameterIsTheVertexIndex) {
  ZcGeBulgePolyline3d pl = roundedSquare();
  EXPECT_EQ(pl.endParam(), 4.0);
  EXPECT_LE(pl.evalPoint(2.0).distanceTo({10, 10, 0}), 1e-12);
  EXPECT_LE(pl.evalPoint(1.5).distanceTo({15, 5, 0}), 1e-12);  // the half circle's middle
  EXPECT_NEAR(pl.length(), 30.0 + 5.0 * M_PI, 1e-12);
}

TEST(BulgePolyline, DerivativeAtAVertexIsTheOutgoingSegmentsAndAtTheEndTheIncoming) {
  ZcGeBulgePolyline3d pl(std::vector<ZcGePoint2d>{{0, 0}, {4, 0}, {4, 3}}, {});
  ZcGeVector3d d;
  pl.getFirstDeriv(1.0, d);
  EXPECT_TRUE(d.isCodirectionalTo(ZcGeVector3d::kYAxis));
  pl.getFirstDeriv(2.0, d);
  EXPECT_TRUE(d.isCodirectionalTo(ZcGeVector3d::kYAxis));
  pl.getFirstDeriv(0.0, d);
  EXPECT_TRUE(d.isCodirectionalTo(ZcGeVector3d::kXAxis));
}

TEST(BulgePolyline, OffsetOfAClosedPolylineWithArcsHasTheExpectedArea) {
  ZcGeBulgePolyline3d pl = roundedSquare();
  double a = std::fabs(areaOf(pl));
  EXPECT_NEAR(a, 100.0 + M_PI * 25.0 / 2.0, 1e-10);
  for (double d : {1.0, -1.0}) {
    ZcGeCurve3dArray out;
    ASSERT_EQ(pl.getOffsetCurves(d, out), Zcad::eOk);
    // Counter-clockwise: +d goes outwards. Outward offset with mitred corners: the square part
    // grows to 12 × 12 minus nothing at the arc side (the arc grows to radius 6).
    // Counter-clockwise, so +d goes outwards: outwards the rectangle x ∈ [−1, 10], y ∈ [−1, 11]
    // plus a half disc of radius 6; inwards x ∈ [1, 10], y ∈ [1, 9] plus a half disc of radius 4.
    double grown = std::fabs(areaOf(*out[0]));
    double expect = d > 0 ? 11.0 * 12.0 + M_PI * 36.0 / 2.0 : 9.0 * 8.0 + M_PI * 16.0 / 2.0;
    EXPECT_NEAR(grown, expect, 1e-9) << d;
  }
}

TEST(BulgePolyline, OpenOffsetEndsMoveAlongEndNormals) {
  ZcGeBulgePolyline3d pl(std::vector<ZcGePoint2d>{{0, 0}, {10, 0}, {10, 10}}, std::vector<double>{0.0, 0.4});
  ZcGeCurve3dArray out;
  ASSERT_EQ(pl.getOffsetCurves(-2.0, out), Zcad::eOk);  // to the left
  EXPECT_LE(out[0]->startPoint().distanceTo({0, 2, 0}), 1e-12);
}

TEST(BulgePolyline, ExtendMovesALineEndAlongItsLineAndAnArcEndRoundItsCircle) {
  ZcGeBulgePolyline3d pl(std::vector<ZcGePoint2d>{{0, 0}, {10, 0}, {20, 0}}, std::vector<double>{0.0, 1.0});
  EXPECT_EQ(pl.extend(true, {-5, 0, 0}), Zcad::eOk);
  EXPECT_LE(pl.startPoint().distanceTo({-5, 0, 0}), 1e-12);
  EXPECT_EQ(pl.extend(true, {-5, 1, 0}), Zcad::eInvalidInput);
  EXPECT_EQ(pl.extend(true, {12, 0, 0}), Zcad::eInvalidInput);  // past the segment's far end
  EXPECT_LE(pl.startPoint().distanceTo({-5, 0, 0}), 1e-12);
  // The end arc is the lower half circle about (15, 0) of radius 5: extend it to its top.
  EXPECT_EQ(pl.extend(false, {15, 5, 0}), Zcad::eOk);
  EXPECT_LE(pl.endPoint().distanceTo({15, 5, 0}), 1e-12);
  EXPECT_NEAR(pl.length(), 15.0 + 1.5 * M_PI * 5.0, 1e-10);
}

TEST(BulgePolyline, SplitPiecesKeepTheArcShape) {
  ZcGeBulgePolyline3d pl = roundedSquare();
  ZcGeCurve3dArray pieces;
  ASSERT_EQ(pl.getSplitCurves(std::vector<double>{1.5}, pieces), Zcad::eOk);
  ASSERT_EQ(pieces.size(), 1u);  // closed: one open curve starting at the cut
  EXPECT_NEAR(pieces[0]->length(), pl.length(), 1e-10);
  EXPECT_LE(pieces[0]->startPoint().distanceTo({15, 5, 0}), 1e-12);
  EXPECT_LE(pieces[0]->evalPoint(0.5).distanceTo(pl.evalPoint(1.75)), 1e-12);
}

TEST(BulgePolyline, DegenerateInputGivesStatusesNotCrashes) {
  ZcGeBulgePolyline3d empty;
  ZcGePoint3d p;
  ZcGeCurve3dArray out;
  EXPECT_EQ(empty.length(), 0.0);
  EXPECT_EQ(empty.getOffsetCurves(1.0, out), Zcad::eInvalidInput);
  EXPECT_EQ(empty.getSplitCurves(std::vector<double>{0.5}, out), Zcad::eInvalidInput);
  EXPECT_EQ(empty.getPointAtDist(1.0, p), Zcad::eInvalidInput);
  ZcGeBulgePolyline3d same(std::vector<ZcGePoint2d>{{1, 1}, {1, 1}}, {});
  EXPECT_EQ(same.closestParam({5, 5, 0}), 0.0);
  EXPECT_EQ(same.getOffsetCurves(1.0, out), Zcad::eInvalidInput);
}
