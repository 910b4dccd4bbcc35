// The curve protocol checked the same way on every kind: lengths against closed forms or
// brute force, parameter/distance inverses, closest points against dense search, split and join.
#include "ge/ZcGeCurve3d.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {

using Maker = std::function<std::unique_ptr<ZcGeCurve3d>()>;

std::vector<std::pair<const char*, Maker>> sampleCurves() {
  return {
      {"line", [] { return std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(1, 2, 0), ZcGePoint3d(7, -3, 0)); }},
      {"arc", [] { return std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(2, 1, 0), ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 5.0, 0.3, 2.5); }},
      {"circle", [] { return std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(-1, 1, 0), ZcGeVector3d::kZAxis, 3.0); }},
      {"ellipse", [] { return std::make_unique<ZcGeEllipArc3d>(ZcGePoint3d(0, 0, 0), ZcGeVector3d::kZAxis, ZcGeVector3d(4, 3, 0), 0.4, 0.5, 4.0); }},
      {"polyline", [] {
         return std::make_unique<ZcGeBulgePolyline3d>(
             std::vector<ZcGePoint2d>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, std::vector<double>{0.0, 0.5, -0.3, 0.0});
       }},
      {"spline", [] {
         return std::make_unique<ZcGeNurbCurve3d>(
             std::vector<ZcGePoint3d>{{0, 0, 0}, {3, 2, 0}, {6, -1, 0}, {9, 3, 0}, {12, 0, 0}}, ZcGeVector3d(1, 1, 0),
             ZcGeVector3d(1, -1, 0));
       }},
      // Arcs made clockwise (normal −Z), as a reversal or a clockwise three-point arc leaves them.
      {"clockwise arc", [] { return std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(0, 4, 0), ZcGePoint3d(3, 3, 0), ZcGePoint3d(4, -1, 0)); }},
      {"flat ellipse", [] { return std::make_unique<ZcGeEllipArc3d>(ZcGePoint3d(1, 0, 0), ZcGeVector3d::kZAxis, ZcGeVector3d(10, 0, 0), 0.05, 0.2, 5.0); }},
      {"closed polyline", [] {
         return std::make_unique<ZcGeBulgePolyline3d>(
             std::vector<ZcGePoint2d>{{0, 0}, {8, 0}, {8, 6}, {0, 6}}, std::vector<double>{0.0, 0.6, 0.0, -0.4}, true);
       }},
      // Uniform (unclamped) knots: the curve runs over [3, 4] of them only.
      {"unclamped spline", [] {
         return std::make_unique<ZcGeNurbCurve3d>(
             3, std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8}, std::vector<ZcGePoint3d>{{0, 0, 0}, {2, 5, 0}, {6, 5, 0}, {8, 0, 0}, {11, 2, 0}});
       }},
      {"rational spline", [] {
         return std::make_unique<ZcGeNurbCurve3d>(
             2, std::vector<double>{0, 0, 0, 2, 3, 3, 3}, std::vector<ZcGePoint3d>{{0, 0, 0}, {2, 4, 0}, {6, 4, 0}, {8, 0, 0}},
             std::vector<double>{1, 0.5, 2, 1});
       }},
      // A triple interior knot: a corner at (5, 0) between two smooth cubic pieces.
      {"kinked spline", [] {
         return std::make_unique<ZcGeNurbCurve3d>(
             3, std::vector<double>{0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2},
             std::vector<ZcGePoint3d>{{0, 0, 0}, {2, 3, 0}, {4, 3, 0}, {5, 0, 0}, {7, 2, 0}, {9, 2, 0}, {11, 0, 0}});
       }},
  };
}

double chordSum(const ZcGeCurve3d& c, int n) {
  double sum = 0.0;
  ZcGePoint3d prev = c.startPoint();
  for (int i = 1; i <= n; ++i) {
    ZcGePoint3d p = c.evalPoint(c.endParam() * i / n);
    sum += p.distanceTo(prev);
    prev = p;
  }
  return sum;
}

/// Length from chord sums, Richardson-extrapolated (an answer independent of the kind's own
/// length code: chord sums err by O(h²)).
double chordLength(const ZcGeCurve3d& c) {
  // Counts divisible by 3 and 4 put samples on polyline vertices (no corner is cut).
  double coarse = chordSum(c, 120000), fine = chordSum(c, 240000);
  return fine + (fine - coarse) / 3.0;
}

/// The nearest point by dense sampling, refined by ternary search between the neighbours of the
/// best sample (no derivatives involved).
double bruteNearest(const ZcGeCurve3d& c, const ZcGePoint3d& q) {
  const int n = 20000;
  int best = 0;
  auto dist = [&](double t) { return c.evalPoint(t).distanceTo(q); };
  for (int i = 1; i <= n; ++i)
    if (dist(c.endParam() * i / n) < dist(c.endParam() * best / n)) best = i;
  double lo = c.endParam() * std::max(0, best - 1) / n, hi = c.endParam() * std::min(n, best + 1) / n;
  for (int it = 0; it < 200; ++it) {
    double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
    if (dist(m1) < dist(m2)) hi = m2; else lo = m1;
  }
  return std::min({dist(0.5 * (lo + hi)), dist(0.0), dist(c.endParam())});
}

}  // namespace

TEST(CurveProtocol, LengthAgreesWithFineChordSum) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    EXPECT_NEAR(c->length(), chordLength(*c), 1e-6) << name;
  }
}

TEST(CurveProtocol, ParamAtDistAndDistAtParamAreInverse) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    for (double f : {0.0, 0.013, 0.13, 0.5, 0.77, 0.999, 1.0}) {
      double d = f * c->length(), t = 0.0, back = 0.0;
      ASSERT_EQ(c->getParamAtDist(d, t), Zcad::eOk) << name;
      ASSERT_EQ(c->getDistAtParam(t, back), Zcad::eOk) << name;
      EXPECT_NEAR(back, d, 1e-9) << name << " at " << f;
      // The other way round: from a parameter to its distance and back, measured as a point.
      double t2 = f * c->endParam(), dist = 0.0, t3 = 0.0;
      ASSERT_EQ(c->getDistAtParam(t2, dist), Zcad::eOk) << name;
      ASSERT_EQ(c->getParamAtDist(dist, t3), Zcad::eOk) << name;
      EXPECT_LE(c->evalPoint(t3).distanceTo(c->evalPoint(t2)), 1e-9) << name << " at " << f;
    }
  }
}

TEST(CurveProtocol, DistanceAlongAPrefixIsThePrefixLength) {
  // The distance at a parameter is the length of the piece split off there (an independent path
  // through the split code and the pieces' own lengths).
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    if (c->isClosed()) continue;  // one piece starting at the cut
    double t = 0.37 * c->endParam(), d = 0.0;
    ASSERT_EQ(c->getDistAtParam(t, d), Zcad::eOk) << name;
    ZcGeCurve3dArray pieces;
    ASSERT_EQ(c->getSplitCurves(std::vector<double>{t}, pieces), Zcad::eOk) << name;
    ASSERT_EQ(pieces.size(), 2u) << name;
    EXPECT_NEAR(pieces[0]->length(), d, 1e-9) << name;
  }
}

TEST(CurveProtocol, NegativeOrTooLongDistanceIsAnError) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    ZcGePoint3d p;
    EXPECT_EQ(c->getPointAtDist(-1.0, p), Zcad::eInvalidInput) << name;
    EXPECT_EQ(c->getPointAtDist(c->length() + 1.0, p), Zcad::eInvalidInput) << name;
  }
}

TEST(CurveProtocol, ClosestPointMatchesDenseSearchAndLiesOnCurve) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    for (ZcGePoint3d q : {ZcGePoint3d(3, 3, 0), ZcGePoint3d(-7, 2, 0), ZcGePoint3d(11, 12, 0), ZcGePoint3d(5, -4, 0)}) {
      double bestD = bruteNearest(*c, q);
      ZcGePoint3d cp;
      ASSERT_EQ(c->getClosestPointTo(q, cp), Zcad::eOk);
      EXPECT_LE(cp.distanceTo(q), bestD + 1e-12) << name;
      EXPECT_NEAR(cp.distanceTo(q), bestD, 1e-9) << name;
      // On the curve, by a search that does not use the kind's own projection.
      EXPECT_LE(bruteNearest(*c, cp), 1e-10) << name;
    }
  }
}

TEST(CurveProtocol, ClosestPointOnAFlatEllipseTipAndNearASplineKinkMatchesDenseSearch) {
  ZcGeEllipArc3d flat({0, 0, 0}, ZcGeVector3d::kZAxis, {40, 0, 0}, 1e-3, 0.5, 5.5);
  ZcGeNurbCurve3d kinked(3, {0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 2},
                         {{0, 0, 0}, {2, 3, 0}, {4, 3, 0}, {5, 0, 0}, {7, 2, 0}, {9, 2, 0}, {11, 0, 0}});
  std::vector<ZcGePoint3d> nearTip{{-39.99, 0.002, 0}, {-39.9999, -0.0005, 0}, {-40.01, 0.0, 0}, {-39.5, 0.03, 0}};
  std::vector<ZcGePoint3d> nearKink;
  for (int i = 0; i < 40; ++i) nearKink.emplace_back(5.0 + 2.0 * std::cos(i * 0.41), 0.3 + 1.5 * std::sin(i * 0.73), 0.0);
  for (auto [curve, probes] : {std::pair<const ZcGeCurve3d*, std::vector<ZcGePoint3d>*>{&flat, &nearTip}, {&kinked, &nearKink}})
    for (const ZcGePoint3d& q : *probes) {
      ZcGePoint3d cp;
      ASSERT_EQ(curve->getClosestPointTo(q, cp), Zcad::eOk);
      EXPECT_NEAR(cp.distanceTo(q), bruteNearest(*curve, q), 1e-10) << q.x << "," << q.y;
    }
  ZcGePoint3d cp;
  flat.getClosestPointTo({-39.99, 0.002, 0}, cp);
  EXPECT_NEAR(cp.distanceTo({-39.99, 0.002, 0}), 0.0011, 1e-4);
}

TEST(CurveProtocol, ClosestPointBeyondAnEndIsThatEndExactly) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    if (c->isClosed()) continue;
    for (bool atStart : {true, false}) {
      ZcGePoint3d end = atStart ? c->startPoint() : c->endPoint();
      ZcGeVector3d out = c->evalDeriv(atStart ? 0.0 : c->endParam()).normal() * (atStart ? -0.3 : 0.3);
      ZcGePoint3d q = end + out, cp;
      if (bruteNearest(*c, q) < q.distanceTo(end) - 1e-12) continue;  // another part is nearer
      ASSERT_EQ(c->getClosestPointTo(q, cp), Zcad::eOk);
      EXPECT_EQ(cp.x, end.x) << name << (atStart ? " start" : " end");
      EXPECT_EQ(cp.y, end.y) << name << (atStart ? " start" : " end");
    }
  }
  ZcGeLineSeg3d line({0, 0, 0}, {10, 0, 0});
  ZcGePoint3d cp;
  line.getClosestPointTo({-5, 3, 0}, cp);
  EXPECT_EQ(cp.x, 0.0);
  EXPECT_EQ(cp.y, 0.0);
  line.getClosestPointTo({-5, 3, 0}, cp, true);
  EXPECT_DOUBLE_EQ(cp.x, -5.0);
}

TEST(CurveProtocol, SplittingAndRejoiningKeepsTheLength) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    double e = c->endParam();
    ZcGeCurve3dArray pieces;
    ASSERT_EQ(c->getSplitCurves(std::vector<double>{0.6 * e, 0.2 * e, 0.2 * e, 0.0}, pieces), Zcad::eOk) << name;
    double sum = 0.0;
    for (auto& p : pieces) sum += p->length();
    EXPECT_NEAR(sum, c->length(), 1e-8) << name;
    if (!c->isClosed()) {
      ASSERT_EQ(pieces.size(), 3u) << name;  // the repeated and the end parameter add nothing
      EXPECT_LE(pieces.front()->startPoint().distanceTo(c->startPoint()), 1e-9) << name;
      EXPECT_LE(pieces[0]->endPoint().distanceTo(pieces[1]->startPoint()), 1e-9) << name;
      EXPECT_LE(pieces.back()->endPoint().distanceTo(c->endPoint()), 1e-9) << name;
    }
  }
}

TEST(CurveProtocol, OffsetEndsAreBaseEndsMovedAlongNormalsWithParallelTangents) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    // Less than every sample's smallest radius of curvature (0.26), except the flat ellipse's.
    for (double d : {0.2, -0.2}) {
      ZcGeCurve3dArray out;
      if (std::string(name) == "flat ellipse" && d < 0) {  // inwards past its sharpest curvature: a cusp
        EXPECT_EQ(c->getOffsetCurves(d, out), Zcad::eDegenerateGeometry);
        continue;
      }
      ASSERT_EQ(c->getOffsetCurves(d, out), Zcad::eOk) << name;
      ASSERT_EQ(out.size(), 1u);
      const ZcGeCurve3d& o = *out[0];
      ZcGePoint3d origin;
      ZcGeVector3d n;
      ASSERT_EQ(c->getPlane(origin, n), Zcad::eOk) << name;
      // The end rule holds at open ends and at a smooth seam; a closed polyline's seam is a
      // corner, which is mitred like any other.
      bool smoothEnds = !c->isClosed() || c->evalDeriv(0.0).isCodirectionalTo(c->evalDeriv(c->endParam()), ZcGeTol());
      for (bool atStart : {true, false}) {
        if (!smoothEnds) break;
        double tb = atStart ? 0.0 : c->endParam(), to = atStart ? 0.0 : o.endParam();
        ZcGeVector3d tan = c->evalDeriv(tb).normal();
        ZcGePoint3d want = c->evalPoint(tb) + tan.crossProduct(n) * d;
        EXPECT_LE(o.evalPoint(to).distanceTo(want), 1e-9) << name << " d=" << d;
        EXPECT_TRUE(o.evalDeriv(to).isParallelTo(tan, ZcGeTol())) << name;
      }
      // Every point of the offset is |d| from the base (at least |d| beside a polyline's mitred
      // corners).
      bool mitred = c->kind() == ZcGeCurve3d::kBulgePolyline;
      for (int i = 1; i < 200; ++i) {
        ZcGePoint3d p = o.evalPoint(o.endParam() * i / 200.0), q;
        c->getClosestPointTo(p, q);
        if (mitred) EXPECT_GE(p.distanceTo(q), std::fabs(d) - 1e-9) << name;
        else EXPECT_NEAR(p.distanceTo(q), std::fabs(d), 1e-6) << name << " d=" << d << " at " << i;
      }
    }
  }
}

TEST(CurveProtocol, ReverseRunsTheSamePointsBackwards) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    auto r = c->copy();
    ASSERT_EQ(r->reverse(), Zcad::eOk);
    ASSERT_NEAR(r->endParam(), c->endParam(), 1e-12) << name;
    for (double f : {0.0, 0.3, 1.0})
      EXPECT_LE(r->evalPoint(f * r->endParam()).distanceTo(c->evalPoint((1 - f) * c->endParam())), 1e-9) << name;
  }
}

TEST(CurveProtocol, ExtentsAreTightAroundDenseSamples) {
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    ZcGePoint3d lo, hi, slo = c->startPoint(), shi = slo;
    c->getGeomExtents(lo, hi);
    for (int i = 0; i <= 20000; ++i) {
      ZcGePoint3d p = c->evalPoint(c->endParam() * i / 20000);
      for (unsigned k = 0; k < 3; ++k) { slo[k] = std::min(slo[k], p[k]); shi[k] = std::max(shi[k], p[k]); }
    }
    for (unsigned k = 0; k < 2; ++k) {
      EXPECT_NEAR(lo[k], slo[k], 1e-6) << name;
      EXPECT_NEAR(hi[k], shi[k], 1e-6) << name;
      EXPECT_LE(lo[k], slo[k] + 1e-12) << name;
      EXPECT_GE(hi[k], shi[k] - 1e-12) << name;
    }
  }
}

TEST(CurveProtocol, MirrorMapsEveryPoint) {
  ZcGeMatrix3d m = ZcGeMatrix3d::mirroring(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0));
  for (auto& [name, make] : sampleCurves()) {
    auto c = make();
    auto t = c->copy();
    ASSERT_EQ(t->transformBy(m), Zcad::eOk) << name;
    // Arcs and ellipses keep turning about +Z, so their mirror image runs backwards.
    bool backwards = c->kind() == ZcGeCurve3d::kCircArc || c->kind() == ZcGeCurve3d::kEllipArc;
    for (double f : {0.0, 0.4, 1.0}) {
      ZcGePoint3d want = c->evalPoint((backwards ? 1.0 - f : f) * c->endParam());
      want.transformBy(m);
      EXPECT_LE(t->evalPoint(f * t->endParam()).distanceTo(want), 1e-9) << name;
    }
  }
}
