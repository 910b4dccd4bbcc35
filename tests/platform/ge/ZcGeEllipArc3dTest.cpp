// Ellipse offsets: within the offset tolerance of the exact offset at dense samples, ends and
// end tangents exact, and refused with a status exactly where the exact offset has a cusp.
#include "ge/ZcGeEllipArc3d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

/// The largest distance from the exact offset (base point moved |d| along its normal, sampled
/// densely) to `off`, and from `off`'s samples to the exact offset (through each sample's foot on
/// the ellipse by its own eccentric angle search, which does not use the offset code).
double offsetError(const ZcGeEllipArc3d& e, const ZcGeCurve3d& off, double d) {
  double worst = 0.0;
  const int n = 2000;
  for (int i = 0; i <= n; ++i) {
    double t = e.endParam() * i / n;
    ZcGePoint3d want = e.evalPoint(t) + e.evalDeriv(t).normal().crossProduct(e.normal()) * d;
    ZcGePoint3d got;
    off.getClosestPointTo(want, got);
    worst = std::max(worst, got.distanceTo(want));
    // Each point of the offset lies |d| from the ellipse.
    ZcGePoint3d q = off.evalPoint(off.endParam() * i / n), foot;
    e.getClosestPointTo(q, foot);
    worst = std::max(worst, std::fabs(q.distanceTo(foot) - std::fabs(d)));
  }
  return worst;
}

}  // namespace

TEST(EllipArc, OffsetsStayWithinTheToleranceOfTheExactOffsetWithExactEnds) {
  struct Case { ZcGeVector3d major; double ratio, start, end, d; };
  for (Case c : {Case{{10, 0, 0}, 0.2, 0.3, 5.9, 0.39}, Case{{10, 0, 0}, 0.2, 0.3, 5.9, -0.39},
                 Case{{3, 4, 0}, 0.7, 0.0, 6.283185307179586, -1.5}, Case{{3, 4, 0}, 0.7, 1.0, 2.0, 25.0},
                 Case{{40, 0, 0}, 1e-3, 0.5, 5.5, 0.2}, Case{{1, 1, 0}, 1.0, 0.0, 3.0, -0.7}}) {
    ZcGeEllipArc3d e({1, 2, 0}, ZcGeVector3d::kZAxis, c.major, c.ratio, c.start, c.end);
    ZcGeCurve3dArray out;
    ASSERT_EQ(e.getOffsetCurves(c.d, out), Zcad::eOk) << c.ratio << " " << c.d;
    ASSERT_EQ(out.size(), 1u);
    EXPECT_LE(offsetError(e, *out[0], c.d), 1e-6) << c.ratio << " " << c.d;
    for (double tb : {0.0, e.endParam()}) {
      double to = tb == 0.0 ? 0.0 : out[0]->endParam();
      ZcGeVector3d tan = e.evalDeriv(tb).normal();
      EXPECT_LE(out[0]->evalPoint(to).distanceTo(e.evalPoint(tb) + tan.crossProduct(e.normal()) * c.d), 1e-12);
      EXPECT_LE(out[0]->evalDeriv(to).normal().crossProduct(tan).length(), 1e-12);
    }
  }
}

TEST(EllipArc, OffsetIsRefusedOnlyWhereTheRadiusOfCurvatureIsBelowTheDistance) {
  // Radius of curvature b²/a = 0.4 at the ends of the major axis, 12.5 at the ends of the minor.
  ZcGeEllipArc3d full({0, 0, 0}, ZcGeVector3d::kZAxis, {10, 0, 0}, 0.2);
  ZcGeCurve3dArray out;
  EXPECT_EQ(full.getOffsetCurves(-0.399, out), Zcad::eOk);
  EXPECT_EQ(full.getOffsetCurves(-0.401, out), Zcad::eDegenerateGeometry);
  EXPECT_EQ(full.getOffsetCurves(50.0, out), Zcad::eOk);  // outwards never has a cusp
  // An arc round the flat side only: its sharpest radius is far larger than 0.4.
  ZcGeEllipArc3d side({0, 0, 0}, ZcGeVector3d::kZAxis, {10, 0, 0}, 0.2, 1.2, 1.9);
  EXPECT_EQ(side.getOffsetCurves(-2.0, out), Zcad::eOk);
  // A flat ellipse's tip: radius 4e-5.
  ZcGeEllipArc3d flat({0, 0, 0}, ZcGeVector3d::kZAxis, {40, 0, 0}, 1e-3, 0.5, 5.5);
  EXPECT_EQ(flat.getOffsetCurves(-1e-4, out), Zcad::eDegenerateGeometry);
}
