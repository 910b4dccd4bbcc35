// Splines: interpolation through fit points with end tangents, re-interpolation on edits,
// validation of control data, parameters starting at 0, splits by knot insertion.
#include "ge/ZcGeNurbCurve3d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
const std::vector<ZcGePoint3d> kFit{{0, 0, 0}, {2, 3, 0}, {5, 1, 0}, {8, 4, 0}, {11, 0, 0}};

/// True when the curve passes within `tol` of `p` (checked by its own closest point).
bool passesThrough(const ZcGeCurve3d& c, const ZcGePoint3d& p, double tol = 1e-10) {
  ZcGePoint3d q;
  c.getClosestPointTo(p, q);
  return q.distanceTo(p) <= tol;
}
}  // namespace

TEST(NurbCurve, FitSplinePassesThroughItsFitPointsWithTheGivenEndTangents) {
  ZcGeNurbCurve3d s(kFit, {0, 1, 0}, {1, -1, 0});
  ASSERT_GT(s.endParam(), 0.0);
  for (const ZcGePoint3d& p : kFit) EXPECT_TRUE(passesThrough(s, p));
  EXPECT_LE(s.startPoint().distanceTo(kFit.front()), 1e-12);
  EXPECT_LE(s.endPoint().distanceTo(kFit.back()), 1e-12);
  EXPECT_TRUE(s.evalDeriv(0.0).isCodirectionalTo({0, 1, 0}, ZcGeTol()));
  EXPECT_TRUE(s.evalDeriv(s.endParam()).isCodirectionalTo({1, -1, 0}, ZcGeTol()));
  EXPECT_EQ(s.knots().front(), 0.0);
}

TEST(NurbCurve, SettingAFitPointReinterpolatesWithTheStoredTangents) {
  ZcGeNurbCurve3d s(kFit, {0, 1, 0}, {1, -1, 0});
  ASSERT_EQ(s.setFitPointAt(2, {5, -2, 0}), Zcad::eOk);
  EXPECT_TRUE(passesThrough(s, {5, -2, 0}));
  EXPECT_FALSE(passesThrough(s, {5, 1, 0}, 1e-3));
  EXPECT_TRUE(s.evalDeriv(0.0).isCodirectionalTo({0, 1, 0}, ZcGeTol()));
  EXPECT_EQ(s.setFitPointAt(9, {0, 0, 0}), Zcad::eInvalidIndex);
}

TEST(NurbCurve, ControlDataIsValidatedAndDropsFitData) {
  ZcGeNurbCurve3d s(kFit);
  std::vector<ZcGePoint3d> ctrl{{0, 0, 0}, {1, 2, 0}, {3, 2, 0}, {4, 0, 0}};
  EXPECT_EQ(s.setNurbsData(3, {0, 0, 0, 1, 1, 1}, ctrl), Zcad::eInvalidInput);       // too few knots
  EXPECT_EQ(s.setNurbsData(3, {0, 0, 0, 0, 1, 1, 0.5, 1}, ctrl), Zcad::eInvalidInput);  // decreasing
  EXPECT_EQ(s.setNurbsData(3, {0, 0, 0, 0, 1, 1, 1, 1}, ctrl, {1, 1, 1}), Zcad::eInvalidInput);
  EXPECT_TRUE(s.hasFitData());  // a refused call changes nothing
  ASSERT_EQ(s.setNurbsData(3, {5, 5, 5, 5, 7, 7, 7, 7}, ctrl), Zcad::eOk);
  EXPECT_FALSE(s.hasFitData());
  EXPECT_EQ(s.endParam(), 2.0);  // the knot range shifted to start at 0
  // A cubic Bézier's middle: (P0 + 3P1 + 3P2 + P3) / 8.
  EXPECT_LE(s.evalPoint(1.0).distanceTo({2, 1.5, 0}), 1e-12);
}

TEST(NurbCurve, FitTangentsOnASplineWithoutFitDataChangeNothing) {
  ZcGeNurbCurve3d s(3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {3, 2, 0}, {4, 0, 0}});
  ZcGePoint3d before = s.evalPoint(0.3);
  EXPECT_EQ(s.setFitTangents({1, 0, 0}, {1, 0, 0}), Zcad::eOk);
  EXPECT_EQ(s.evalPoint(0.3).distanceTo(before), 0.0);
  ZcGeVector3d a, b;
  EXPECT_EQ(s.getFitTangents(a, b), Zcad::eNotApplicable);
}

TEST(NurbCurve, RationalQuarterCircleIsExact) {
  double w = std::sqrt(0.5);
  ZcGeNurbCurve3d q(2, {0, 0, 0, 1, 1, 1}, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, {1, w, 1});
  for (double t : {0.1, 0.5, 0.9}) EXPECT_NEAR(q.evalPoint(t).asVector().length(), 1.0, 1e-14);
  EXPECT_NEAR(q.length(), M_PI / 2, 1e-10);
}

TEST(NurbCurve, BadFitDataAndEmptySplinesGiveStatuses) {
  ZcGeNurbCurve3d s;
  EXPECT_EQ(s.setFitData({{1, 1, 0}, {1, 1, 0}, {2, 2, 0}}, {}, {}), Zcad::eInvalidInput);
  EXPECT_EQ(s.setFitData({{1, 1, 0}}, {}, {}), Zcad::eInvalidInput);
  ZcGeCurve3dArray out;
  EXPECT_EQ(s.getSplitCurves(std::vector<double>{0.5}, out), Zcad::eInvalidInput);
  EXPECT_EQ(s.getOffsetCurves(1.0, out), Zcad::eInvalidInput);
  EXPECT_EQ(s.length(), 0.0);
}

TEST(NurbCurve, UnclampedKnotsGiveTheRangeFromKnotDegreeShiftedToZero) {
  // A uniform cubic over knots 0..7 runs over [3, 4] only; it starts at (P0 + 4 P1 + P2) / 6 and
  // ends at (P1 + 4 P2 + P3) / 6.
  std::vector<ZcGePoint3d> ctrl{{0, 0, 0}, {6, 6, 0}, {12, 0, 0}, {18, 6, 0}};
  ZcGeNurbCurve3d s(3, {0, 1, 2, 3, 4, 5, 6, 7}, ctrl);
  EXPECT_EQ(s.endParam(), 1.0);
  EXPECT_LE(s.startPoint().distanceTo({6, 4, 0}), 1e-12);
  EXPECT_LE(s.endPoint().distanceTo({12, 2, 0}), 1e-12);
  std::vector<double> k = s.knots();
  ASSERT_EQ(k.size(), 8u);
  EXPECT_EQ(k[0], -3.0);  // the knots a caller reads are shifted the same way
  EXPECT_EQ(k[3], 0.0);
}

TEST(NurbCurve, ClosedSplinePiecesStartAndEndAtTheirCuts) {
  // A closed cubic (first and last control points equal) and a closed fit spline.
  ZcGeNurbCurve3d byControl(3, {0, 0, 0, 0, 1, 2, 3, 4, 4, 4, 4},
                            {{0, 0, 0}, {100, -40, 0}, {220, 60, 0}, {150, 200, 0}, {-30, 160, 0}, {-80, 40, 0}, {0, 0, 0}});
  ZcGeNurbCurve3d byFit({{0, 0, 0}, {100, -20, 0}, {160, 90, 0}, {40, 150, 0}, {-50, 70, 0}, {0, 0, 0}});
  // Periodic: unclamped uniform knots, the first three control points repeated at the end.
  std::vector<ZcGePoint3d> ring{{0, 0, 0}, {200, 0, 0}, {200, 150, 0}, {0, 150, 0}};
  ring.insert(ring.end(), {ring[0], ring[1], ring[2]});
  ZcGeNurbCurve3d periodic(3, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, ring, {}, true);
  for (const ZcGeNurbCurve3d* c : {&byControl, &byFit, &periodic}) {
    ASSERT_TRUE(c->isClosed());
    double end = c->endParam();
    for (std::vector<double> cuts : {std::vector<double>{0.3 * end, end - 1e-6 * end}, std::vector<double>{1e-6 * end},
                                     std::vector<double>{end - 1e-7, 0.5 * end, 0.25 * end}}) {
      ZcGeCurve3dArray pieces;
      ASSERT_EQ(c->getSplitCurves(cuts, pieces), Zcad::eOk);
      std::sort(cuts.begin(), cuts.end());
      ASSERT_EQ(pieces.size(), cuts.size());
      double total = 0.0;
      for (size_t k = 0; k < cuts.size(); ++k) {
        EXPECT_LE(pieces[k]->startPoint().distanceTo(c->evalPoint(cuts[k])), 1e-9) << k;
        EXPECT_LE(pieces[k]->endPoint().distanceTo(c->evalPoint(cuts[(k + 1) % cuts.size()])), 1e-9) << k;
        total += pieces[k]->length();
      }
      EXPECT_NEAR(total, c->length(), 1e-7);
    }
  }
}

namespace {
/// The largest distance from a point of `off` to the exact offset: |distance to the base − |d||
/// (the base's nearest points are checked against dense search in the curve protocol's tests).
double offsetError(const ZcGeCurve3d& base, const ZcGeCurve3d& off, double d) {
  double worst = 0.0;
  for (int i = 0; i <= 2000; ++i) {
    ZcGePoint3d q = off.evalPoint(off.endParam() * i / 2000.0), foot;
    base.getClosestPointTo(q, foot);
    worst = std::max(worst, std::fabs(q.distanceTo(foot) - std::fabs(d)));
  }
  return worst;
}
}  // namespace

TEST(NurbCurve, OffsetIsACubicWithFewControlPointsWithinTheToleranceOfTheExactOffset) {
  std::vector<ZcGePoint3d> pts;
  for (int i = 0; i < 8; ++i) pts.emplace_back(i * 3.0, 4.0 * std::sin(0.9 * i), 0.0);
  ZcGeNurbCurve3d s(pts);
  for (double d : {0.7, -0.7, 0.05}) {
    ZcGeCurve3dArray out;
    ASSERT_EQ(s.getOffsetCurves(d, out), Zcad::eOk) << d;
    const auto& o = static_cast<const ZcGeNurbCurve3d&>(*out[0]);
    EXPECT_EQ(o.degree(), 3);
    EXPECT_LE(o.numControlPoints(), 170u) << d;  // a degree-9 spline of 330 before
    EXPECT_LE(offsetError(s, o, d), 1e-6) << d;
  }
}

TEST(NurbCurve, KinkedSplineIsOffsetPieceByPieceJoinedAtTheCorner) {
  // A corner at (5, 0); offsets on both sides: round the outside of the corner, trimmed inside.
  ZcGeNurbCurve3d kinked(3, {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2},
                         {{0, 0, 0}, {2, 3, 0}, {4, 3, 0}, {5, 0, 0}, {7, 2, 0}, {9, 2, 0}, {11, 0, 0}});
  for (double d : {0.3, -0.3}) {
    ZcGeCurve3dArray out;
    ASSERT_EQ(kinked.getOffsetCurves(d, out), Zcad::eOk) << d;
    ASSERT_EQ(out.size(), 1u);
    EXPECT_LE(offsetError(kinked, *out[0], d), 1e-6) << d;
    EXPECT_LE(out[0]->startPoint().distanceTo(kinked.startPoint()), std::fabs(d) + 1e-12);
  }
  // A cusp is refused: a semicircle of radius 1 offset inwards by more than its radius.
  double w = std::sqrt(0.5);
  ZcGeNurbCurve3d half(2, {0, 0, 0, 1, 1, 2, 2, 2}, {{1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {-1, 1, 0}, {-1, 0, 0}},
                       {1, w, 1, w, 1});
  ZcGeCurve3dArray out;
  EXPECT_EQ(half.getOffsetCurves(-0.99, out), Zcad::eOk);
  EXPECT_EQ(half.getOffsetCurves(-1.01, out), Zcad::eDegenerateGeometry);
}

TEST(NurbCurve, OffsetThatWouldCrossItselfIsRefusedThoughItHasNoCusp) {
  // A hairpin whose arms end 2 apart, its bend nowhere sharper than radius 1.53: inwards by
  // less than 1 the offset is clean, by more its arms cross.
  ZcGeNurbCurve3d hairpin({{0, 1, 0}, {5, 2.5, 0}, {10, 3, 0}, {13, 0, 0}, {10, -3, 0}, {5, -2.5, 0}, {0, -1, 0}});
  ZcGeCurve3dArray out;
  EXPECT_EQ(hairpin.getOffsetCurves(0.9, out), Zcad::eOk);
  EXPECT_EQ(hairpin.getOffsetCurves(1.1, out), Zcad::eDegenerateGeometry);
  EXPECT_EQ(hairpin.getOffsetCurves(-1.1, out), Zcad::eOk);  // outwards
}

TEST(NurbCurve, ClosedSplineWithACornerAtItsSeamHasAClosedOffset) {
  // Interpolated with free ends, the closed spline turns abruptly where it starts and ends.
  ZcGeNurbCurve3d closed({{0, 0, 0}, {5, 0, 0}, {5, 5, 0}, {0, 5, 0}, {0, 0, 0}});
  for (double d : {0.5, -0.5}) {  // round the seam outside, trimmed inside
    ZcGeCurve3dArray out;
    ASSERT_EQ(closed.getOffsetCurves(d, out), Zcad::eOk) << d;
    EXPECT_LE(out[0]->startPoint().distanceTo(out[0]->endPoint()), 1e-9) << d;
    EXPECT_LE(offsetError(closed, *out[0], d), 1e-6) << d;
  }
  // A doubled first control point: the spline starts at rest, its offset on the convex side
  // is still within the tolerance.
  ZcGeNurbCurve3d resting(3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0, 0}, {0, 0, 0}, {3, 3, 0}, {6, 0, 0}});
  ZcGeCurve3dArray out;
  ASSERT_EQ(resting.getOffsetCurves(-0.3, out), Zcad::eOk);
  EXPECT_LE(offsetError(resting, *out[0], -0.3), 1e-6);
}

TEST(NurbCurve, AnAssignedSplineIsAnIndependentCopy) {
  ZcGeNurbCurve3d a(kFit), b;
  b = a;
  ASSERT_EQ(a.setControlPointAt(1, {50, 50, 0}), Zcad::eOk);
  EXPECT_EQ(b.numControlPoints(), a.numControlPoints());
  for (const ZcGePoint3d& p : kFit) EXPECT_TRUE(passesThrough(b, p));
  EXPECT_FALSE(passesThrough(a, kFit[1], 1e-3));
}

TEST(NurbCurve, ExtentsAreTheTightBoxOfTheCurve) {
  // A wavy spline and its offset (a cubic of many spans): the box holds every point of the
  // curve and each of its sides is touched by one.
  std::vector<ZcGePoint3d> pts;
  for (int i = 0; i < 8; ++i) pts.emplace_back(i * 30.0, 12.0 * std::sin(0.7 * i), 0.0);
  ZcGeNurbCurve3d wave(pts);
  ZcGeCurve3dArray out;
  ASSERT_EQ(wave.getOffsetCurves(10.0, out), Zcad::eOk);
  const ZcGeCurve3d* offset = out[0].get();
  for (const ZcGeCurve3d* c : {static_cast<const ZcGeCurve3d*>(&wave), offset}) {
    ZcGePoint3d lo, hi;
    ASSERT_EQ(c->getGeomExtents(lo, hi), Zcad::eOk);
    ZcGePoint3d slo = c->startPoint(), shi = slo;
    for (int i = 0; i <= 200000; ++i) {
      ZcGePoint3d p = c->evalPoint(c->endParam() * i / 200000.0);
      for (unsigned k = 0; k < 3; ++k) {
        EXPECT_GE(p[k], lo[k] - 1e-9);
        EXPECT_LE(p[k], hi[k] + 1e-9);
        slo[k] = std::min(slo[k], p[k]);
        shi[k] = std::max(shi[k], p[k]);
      }
    }
    for (unsigned k = 0; k < 2; ++k) {
      EXPECT_NEAR(lo[k], slo[k], 1e-6) << k;
      EXPECT_NEAR(hi[k], shi[k], 1e-6) << k;
    }
  }
}
