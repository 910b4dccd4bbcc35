// Intersections seeded from Bézier spans: every crossing of a spline with a line, a spline, an
// ellipse and an arc is found (counted independently by sign changes along dense samples of the
// other curve) and lies within 1e-10 of both curves.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {

ZcGeNurbCurve3d wave(double phase) {
  std::vector<ZcGePoint3d> pts;
  for (int i = 0; i < 20; ++i) pts.emplace_back(i * 1.0, 2.0 * std::sin(0.5 * i + phase), 0.0);
  return ZcGeNurbCurve3d(pts);
}

/// Crossings of `other` with the spline `a`, counted independently of the intersection code:
/// sign changes, along 10,000 samples of `other`, of its side of `a` (by the cross product with
/// the tangent at the nearest point, where that point is near).
int crossingsBySides(const ZcGeCurve3d& a, const ZcGeCurve3d& other) {
  int changes = 0;
  double prev = 0.0;
  for (int i = 0; i <= 10000; ++i) {
    ZcGePoint3d q = other.evalPoint(other.endParam() * i / 10000.0);
    double t = a.closestParam(q);
    double side = a.evalDeriv(t).crossProduct(q - a.evalPoint(t)).z;
    if (i > 0 && (side > 0.0) != (prev > 0.0) && q.distanceTo(a.evalPoint(t)) < 0.1) ++changes;
    prev = side;
  }
  return changes;
}

double offCurve(const ZcGeCurve3d& c, const ZcGePoint3d& p) {
  ZcGePoint3d q;
  c.getClosestPointTo(p, q);
  return q.distanceTo(p);
}

}  // namespace

TEST(SpanIntersect, EveryCrossingIsFoundAndLiesOnBothCurves) {
  ZcGeNurbCurve3d a = wave(0.3), b = wave(1.8);
  ZcGeLineSeg3d line({-1, -2.5, 0}, {20, 2.5, 0});
  ZcGeEllipArc3d flat({9.5, 0.2, 0}, ZcGeVector3d::kZAxis, {9, 0, 0}, 0.05);  // crossed twice at each zero
  ZcGeCircArc3d arc({6, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 1.5, 0.0, 5.0);
  for (const ZcGeCurve3d* other : std::vector<const ZcGeCurve3d*>{&line, &b, &flat, &arc}) {
    std::vector<ZcGePoint3d> pts;
    ASSERT_EQ(a.intersectWith(*other, ZcGeCurve3d::kExtendNone, pts), Zcad::eOk);
    EXPECT_GE(pts.size(), 1u);
    EXPECT_EQ(static_cast<int>(pts.size()), crossingsBySides(a, *other));
    for (const ZcGePoint3d& p : pts) {
      EXPECT_LE(offCurve(a, p), 1e-10);
      EXPECT_LE(offCurve(*other, p), 1e-10);
    }
  }
}

TEST(SpanIntersect, CrossingsCloseTogetherOnANearlyFlatSplineAreEachFound) {
  // y = 0.002·(x³ − x) through points that include its zeros −1, 0 and 1: three crossings of the
  // x axis within two units, where the spline is flat to 0.002.
  std::vector<ZcGePoint3d> pts;
  for (int i = -6; i <= 6; ++i) {
    double x = i * 0.25;
    pts.emplace_back(x, 0.002 * (x * x * x - x), 0.0);
  }
  ZcGeNurbCurve3d s(pts);
  ZcGeLineSeg3d axis({-2, 0, 0}, {2, 0, 0});
  std::vector<ZcGePoint3d> hits;
  ASSERT_EQ(s.intersectWith(axis, ZcGeCurve3d::kExtendNone, hits), Zcad::eOk);
  ASSERT_EQ(hits.size(), 3u);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(hits[i].x, i - 1.0, 1e-10);
}

TEST(SpanIntersect, BothLegsOfANarrowHairpinAreCrossed) {
  // A V whose legs are 0.02 apart at the line (narrower than a piece counts as flat): the line
  // meets each leg once.
  ZcGeNurbCurve3d v({{3.89, 0.4, 0}, {3.9, -0.02, 0}, {3.91, 0.4, 0}});
  ZcGeLineSeg3d across({0, 0.01, 0}, {8, 0.01, 0});
  std::vector<ZcGePoint3d> hits;
  ASSERT_EQ(v.intersectWith(across, ZcGeCurve3d::kExtendNone, hits), Zcad::eOk);
  EXPECT_EQ(hits.size(), 2u);
  EXPECT_EQ(static_cast<int>(hits.size()), crossingsBySides(v, across));
}
