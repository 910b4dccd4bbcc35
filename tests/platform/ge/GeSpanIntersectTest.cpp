// Intersections found by subdividing Bézier spans: every crossing of a spline with a line, a
// spline, an ellipse and an arc is found (counted independently by sign changes along dense
// samples of the other curve) and lies within 1e-10 of both curves; crossings closer than any
// sampling step, thin slivers and shared stretches give all their points in either operand order.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeMatrix3d.h"
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

TEST(SpanIntersect, ASplineOverlappingItsCopyReportsTheEndsOfTheOverlap) {
  ZcGeNurbCurve3d a = wave(0.0), b = wave(0.0);
  std::vector<ZcGePoint3d> hits;
  ASSERT_EQ(a.intersectWith(b, ZcGeCurve3d::kExtendNone, hits), Zcad::eOk);
  ASSERT_GE(hits.size(), 2u);
  EXPECT_LE(hits.front().distanceTo(a.startPoint()), 1e-9);
  EXPECT_LE(hits.back().distanceTo(a.endPoint()), 1e-9);
}

namespace {

std::vector<ZcGePoint3d> meetBothWays(const ZcGeCurve3d& a, const ZcGeCurve3d& b) {
  std::vector<ZcGePoint3d> ab, ba;
  EXPECT_EQ(a.intersectWith(b, ZcGeCurve3d::kExtendNone, ab), Zcad::eOk);
  EXPECT_EQ(b.intersectWith(a, ZcGeCurve3d::kExtendNone, ba), Zcad::eOk);
  EXPECT_EQ(ab.size(), ba.size());
  for (const ZcGePoint3d& p : ab) {
    bool same = false;
    for (const ZcGePoint3d& q : ba) same = same || p.distanceTo(q) == 0.0;
    EXPECT_TRUE(same) << "(" << p.x << ", " << p.y << ") found in one operand order only";
  }
  return ab;
}

/// Whether each expected point has a found point within `tol`, and nothing else was found.
void expectPoints(const std::vector<ZcGePoint3d>& found, const std::vector<ZcGePoint3d>& expected, double tol) {
  ASSERT_EQ(found.size(), expected.size());
  for (const ZcGePoint3d& e : expected) {
    double best = 1e300;
    for (const ZcGePoint3d& f : found) best = std::min(best, f.distanceTo(e));
    EXPECT_LE(best, tol) << "(" << e.x << ", " << e.y << ") missed";
  }
}

/// A clamped uniform cubic spline of the given control points.
ZcGeNurbCurve3d cubic(const std::vector<ZcGePoint3d>& ctrl) {
  std::vector<double> knots(4, 0.0);
  int inner = static_cast<int>(ctrl.size()) - 4;
  for (int i = 1; i <= inner; ++i) knots.push_back(i);
  knots.insert(knots.end(), 4, inner + 1.0);
  return ZcGeNurbCurve3d(3, knots, ctrl);
}

/// The parameter in [lo, hi] where g changes sign (g(lo), g(hi) of opposite signs), by bisection.
double bisect(const std::function<double(double)>& g, double lo, double hi) {
  bool posLo = g(lo) > 0.0;
  for (int i = 0; i < 200 && hi - lo > 1e-15 * (1.0 + std::fabs(hi)); ++i) {
    double m = 0.5 * (lo + hi);
    ((g(m) > 0.0) == posLo ? lo : hi) = m;
  }
  return 0.5 * (lo + hi);
}

}  // namespace

TEST(SpanIntersect, TwoCrossingsCloserThanOneSampleStepAreBothFound) {
  // A tilted ellipse cut just below its top by a chord a hundredth of a radian wide (a fifth
  // of a sampling step of 128 per turn), and a cubic hump cut 1e-8 below its top (8e-5 apart in
  // parameter): two crossings each, at the closed-form points.
  double tilt = 0.3, delta = 6.25e-5;
  ZcGeVector3d major(10 * std::cos(tilt), 10 * std::sin(tilt), 0), minor(-5 * std::sin(tilt), 5 * std::cos(tilt), 0);
  ZcGeEllipArc3d ellipse({1, 2, 0}, ZcGeVector3d::kZAxis, major, 0.5);
  double half = 10.0 * std::sqrt(1.0 - std::pow(1.0 - delta / 5.0, 2.0));
  auto local = [&](double x, double y) { return ZcGePoint3d(1, 2, 0) + major * (x / 10.0) + minor * (y / 5.0); };
  ZcGeLineSeg3d chord(local(-3, 5 - delta), local(3, 5 - delta));
  expectPoints(meetBothWays(ellipse, chord), {local(-half, 5 - delta), local(half, 5 - delta)}, 1e-9);

  ZcGeNurbCurve3d hump(3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {3, 2, 0}, {4, 0, 0}});
  double h = 1e-8;
  ZcGeLineSeg3d below({-1, 1.5 - h, 0}, {5, 1.5 - h, 0});
  std::vector<ZcGePoint3d> expected;
  for (double t : {0.5 - std::sqrt(h / 6.0), 0.5 + std::sqrt(h / 6.0)}) expected.push_back(hump.evalPoint(t));
  expectPoints(meetBothWays(hump, below), expected, 1e-9);
}

TEST(SpanIntersect, AThinSliverBetweenTwoEdgesGivesBothItsPoints) {
  // Two cubics on the same knots whose control points differ by ±1e-7 across: the second
  // slides over the first, crossing it where the difference changes sign (found by bisection
  // on it), never farther than 1e-7 from it.
  std::vector<ZcGePoint3d> ctrl, moved;
  for (int i = 0; i < 14; ++i) {
    ctrl.emplace_back(i * 1.0, 2.0 * std::sin(0.4 * i), 0.0);
    moved.push_back(ctrl.back() + ZcGeVector3d(0, (i >= 4 && i <= 8 ? 1e-7 : -1e-7), 0));
  }
  ZcGeNurbCurve3d a = cubic(ctrl), b = cubic(moved);
  auto gap = [&](double t) { return b.evalPoint(t).y - a.evalPoint(t).y; };
  std::vector<ZcGePoint3d> expected;
  for (double t = 0.0; t < a.endParam(); t += 0.125)
    if ((gap(t) > 0.0) != (gap(t + 0.125) > 0.0)) expected.push_back(a.evalPoint(bisect(gap, t, t + 0.125)));
  ASSERT_EQ(expected.size(), 2u);
  // They cross at an angle of about 1e-7, so a rounding of 1e-16 moves a crossing along them by
  // about 1e-9 (the bisection's answer too): the points lie on both, near the expected ones.
  std::vector<ZcGePoint3d> found = meetBothWays(a, b);
  expectPoints(found, expected, 1e-8);
  for (const ZcGePoint3d& p : found) {
    EXPECT_LE(offCurve(a, p), 1e-10);
    EXPECT_LE(offCurve(b, p), 1e-10);
  }
  // The same sliver stood up out of the XY plane (where sides are not seen) gives the same points.
  ZcGeMatrix3d up = ZcGeMatrix3d::rotation(std::acos(-1.0) / 2.0, ZcGeVector3d::kXAxis);
  a.transformBy(up);
  b.transformBy(up);
  for (ZcGePoint3d& p : expected) p.transformBy(up);
  expectPoints(meetBothWays(a, b), expected, 1e-8);

  // Concentric ellipses whose axes differ by a millionth of their size the other way round:
  // four crossings, one in each quadrant, where x² and y² solve the ellipses' linear equations.
  double a1 = 10, b1 = 5, a2 = 10 + 1e-5, b2 = 5 - 1e-5;
  ZcGeEllipArc3d e1({0, 0, 0}, ZcGeVector3d::kZAxis, {a1, 0, 0}, b1 / a1), e2({0, 0, 0}, ZcGeVector3d::kZAxis, {a2, 0, 0}, b2 / a2);
  double p1 = 1 / (a1 * a1), q1 = 1 / (b1 * b1), p2 = 1 / (a2 * a2), q2 = 1 / (b2 * b2), det = p1 * q2 - p2 * q1;
  double x = std::sqrt((q2 - q1) / det), y = std::sqrt((p1 - p2) / det);
  expectPoints(meetBothWays(e1, e2), {{x, y, 0}, {-x, y, 0}, {-x, -y, 0}, {x, -y, 0}}, 1e-9);
}

TEST(SpanIntersect, AStretchTwoCurvesShareGivesItsTwoEnds) {
  // Two quadratics sharing their first span, then parting (one turning up, one down): the ends
  // of the shared span and nothing between.
  std::vector<double> knots = {0, 0, 0, 1, 2, 3, 3, 3};
  ZcGeNurbCurve3d up(2, knots, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, 2, 0}, {4, 3, 0}});
  ZcGeNurbCurve3d down(2, knots, {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}, {3, -2, 0}, {4, -3, 0}});
  expectPoints(meetBothWays(up, down), {up.evalPoint(0.0), up.evalPoint(1.0)}, 1e-9);

  // A straight stretch inside a degree-1 spline, lying along a longer line.
  ZcGeNurbCurve3d bent(1, {0, 0, 1, 2, 3, 3}, {{0, 1, 0}, {1, 0, 0}, {3, 0, 0}, {4, 1, 0}});
  ZcGeLineSeg3d along({0.5, 0, 0}, {5, 0, 0});
  expectPoints(meetBothWays(bent, along), {{1, 0, 0}, {3, 0, 0}}, 1e-9);

  // An elliptic arc lying on a whole ellipse: the arc's ends.
  ZcGeEllipArc3d whole({1, 1, 0}, ZcGeVector3d::kZAxis, {4, 3, 0}, 0.5);
  ZcGeEllipArc3d part({1, 1, 0}, ZcGeVector3d::kZAxis, {4, 3, 0}, 0.5, 0.5, 2.0);
  expectPoints(meetBothWays(whole, part), {part.startPoint(), part.endPoint()}, 1e-9);
}

TEST(SpanIntersect, CurvesThatStayApartMeetNowhere) {
  ZcGeNurbCurve3d a = wave(0.3), b = wave(0.3);
  b.transformBy(ZcGeMatrix3d::translation({0, 4.5, 0}));
  ZcGeEllipArc3d ring({10, -8, 0}, ZcGeVector3d::kZAxis, {6, 0, 0}, 0.3);
  EXPECT_TRUE(meetBothWays(a, b).empty());
  EXPECT_TRUE(meetBothWays(a, ring).empty());
}
