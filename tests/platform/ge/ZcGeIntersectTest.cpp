// Intersections checked against closed forms, end touches, tangential touches, extend modes
// and operand-order independence.
#include "ge/ZcGeCurve3d.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"

namespace {
std::vector<ZcGePoint3d> meet(const ZcGeCurve3d& a, const ZcGeCurve3d& b, ZcGeCurve3d::ExtendMode m = ZcGeCurve3d::kExtendNone) {
  std::vector<ZcGePoint3d> pts;
  EXPECT_EQ(a.intersectWith(b, m, pts), Zcad::eOk);
  return pts;
}
void expectOnBoth(const std::vector<ZcGePoint3d>& pts, const ZcGeCurve3d& a, const ZcGeCurve3d& b) {
  for (const ZcGePoint3d& p : pts) {
    ZcGePoint3d q;
    a.getClosestPointTo(p, q);
    EXPECT_LE(p.distanceTo(q), 1e-10);
    b.getClosestPointTo(p, q);
    EXPECT_LE(p.distanceTo(q), 1e-10);
  }
}
}  // namespace

TEST(Intersect, LineAndCircleMeetAtTheClosedFormPointsInOrderAlongTheLine) {
  ZcGeLineSeg3d line({-10, 1, 0}, {10, 1, 0});
  ZcGeCircArc3d circle({0, 0, 0}, ZcGeVector3d::kZAxis, 2.0);
  auto pts = meet(line, circle);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(pts[0].x, -std::sqrt(3.0), 1e-14);
  EXPECT_NEAR(pts[1].x, std::sqrt(3.0), 1e-14);
  expectOnBoth(pts, line, circle);
}

TEST(Intersect, TwoCirclesMeetAtTheRadicalLine) {
  ZcGeCircArc3d a({0, 0, 0}, ZcGeVector3d::kZAxis, 5.0), b({8, 0, 0}, ZcGeVector3d::kZAxis, 5.0);
  auto pts = meet(a, b);
  ASSERT_EQ(pts.size(), 2u);
  for (auto& p : pts) { EXPECT_NEAR(p.x, 4.0, 1e-14); EXPECT_NEAR(std::fabs(p.y), 3.0, 1e-14); }
}

TEST(Intersect, TangentCirclesTouchOnce) {
  ZcGeCircArc3d a({0, 0, 0}, ZcGeVector3d::kZAxis, 2.0), b({5, 0, 0}, ZcGeVector3d::kZAxis, 3.0);
  auto pts = meet(a, b);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_NEAR(pts[0].x, 2.0, 1e-14);
}

TEST(Intersect, ExtendModesExtendOnlyTheNamedOperand) {
  ZcGeLineSeg3d a({0, 0, 0}, {1, 0, 0}), b({5, -1, 0}, {5, 1, 0});
  EXPECT_TRUE(meet(a, b).empty());
  EXPECT_EQ(meet(a, b, ZcGeCurve3d::kExtendThis).size(), 1u);
  EXPECT_TRUE(meet(a, b, ZcGeCurve3d::kExtendArg).empty());
  EXPECT_EQ(meet(b, a, ZcGeCurve3d::kExtendArg).size(), 1u);
  ZcGeCircArc3d arc({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 1.0, 0.0, 1.0);
  ZcGeLineSeg3d cut({-2, 0.5, 0}, {-0.5, 0.5, 0});
  EXPECT_TRUE(meet(arc, cut).empty());
  auto pts = meet(arc, cut, ZcGeCurve3d::kExtendBoth);  // the full circle and the infinite line
  EXPECT_EQ(pts.size(), 2u);
}

TEST(Intersect, OpenPolylineEndSegmentsExtend) {
  ZcGeBulgePolyline3d pl(std::vector<ZcGePoint2d>{{0, 0}, {2, 0}, {2, 2}}, {});
  ZcGeLineSeg3d wall({-5, -5, 0}, {-5, 5, 0});
  EXPECT_TRUE(meet(pl, wall).empty());
  auto pts = meet(pl, wall, ZcGeCurve3d::kExtendThis);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_NEAR(pts[0].x, -5.0, 1e-12);
  EXPECT_NEAR(pts[0].y, 0.0, 1e-12);
}

TEST(Intersect, CollinearOverlapReportsItsEnds) {
  ZcGeLineSeg3d a({0, 0, 0}, {10, 0, 0}), b({4, 0, 0}, {15, 0, 0});
  auto pts = meet(a, b);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_EQ(pts[0].x, 4.0);
  EXPECT_EQ(pts[1].x, 10.0);
}

TEST(Intersect, SplinesMeetingEndToEndTangentiallyReportTheJoint) {
  ZcGeNurbCurve3d a({{0, 0, 0}, {3, 2, 0}, {6, 2, 0}}, {1, 1, 0}, {1, 0, 0});
  ZcGeNurbCurve3d b({{6, 2, 0}, {9, 2, 0}, {12, 0, 0}}, {1, 0, 0}, {1, -1, 0});
  auto pts = meet(a, b);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_LE(pts[0].distanceTo({6, 2, 0}), 1e-10);
}

TEST(Intersect, SplineCrossingsLieOnBothCurvesAndDoNotDependOnOperandOrder) {
  ZcGeNurbCurve3d s({{0, 0, 0}, {3, 4, 0}, {6, -4, 0}, {9, 4, 0}, {12, 0, 0}});
  ZcGeLineSeg3d l({-1, 0.5, 0}, {13, 0.2, 0});
  ZcGeEllipArc3d e({6, 0, 0}, ZcGeVector3d::kZAxis, {5, 0, 0}, 0.5);
  for (const ZcGeCurve3d* other : std::initializer_list<const ZcGeCurve3d*>{&l, &e}) {
    auto ab = meet(s, *other), ba = meet(*other, s);
    EXPECT_GE(ab.size(), 2u);
    expectOnBoth(ab, s, *other);
    ASSERT_EQ(ab.size(), ba.size());
    for (const ZcGePoint3d& p : ab) {
      bool same = false;
      for (const ZcGePoint3d& q : ba) same = same || (p.x == q.x && p.y == q.y && p.z == q.z);
      EXPECT_TRUE(same);
    }
  }
}

TEST(Intersect, LineTouchingACircleIsOneTangentialPoint) {
  ZcGeLineSeg3d l({-3, 2, 0}, {3, 2, 0});
  ZcGeCircArc3d c({0, 0, 0}, ZcGeVector3d::kZAxis, 2.0);
  auto pts = meet(l, c);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_NEAR(pts[0].x, 0.0, 1e-9);
}

TEST(Intersect, LineAndArcMeetOnlyWithinTheArcAndTouchAtItsEnd) {
  // The upper half of the circle of radius 5 about the origin; the line y = 3 crosses its circle
  // at x = ±4, the line y = −3 only on the missing half.
  ZcGeCircArc3d upper({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 5.0, 0.0, M_PI);
  ZcGeLineSeg3d high({-10, 3, 0}, {10, 3, 0}), low({-10, -3, 0}, {10, -3, 0});
  auto pts = meet(high, upper);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(pts[0].x, -4.0, 1e-14);
  EXPECT_NEAR(pts[1].x, 4.0, 1e-14);
  EXPECT_TRUE(meet(low, upper).empty());
  EXPECT_EQ(meet(low, upper, ZcGeCurve3d::kExtendArg).size(), 2u);  // the arc's full circle
  // A line that ends exactly on the arc's end point touches there.
  ZcGeLineSeg3d stub({8, 0, 0}, {5, 0, 0});
  pts = meet(stub, upper);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_EQ(pts[0].x, 5.0);
  EXPECT_EQ(pts[0].y, 0.0);
}

TEST(Intersect, FourExtendModesOnALineAndAnArc) {
  // The quarter arc from (5, 0) to (0, 5) about the origin and a short horizontal line whose
  // infinite line cuts the circle at (±4, 3); only (4, 3) lies on the arc.
  ZcGeCircArc3d quarter({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 5.0, 0.0, M_PI / 2);
  ZcGeLineSeg3d shortLine({6, 3, 0}, {7, 3, 0});
  EXPECT_EQ(meet(shortLine, quarter, ZcGeCurve3d::kExtendNone).size(), 0u);
  EXPECT_EQ(meet(shortLine, quarter, ZcGeCurve3d::kExtendThis).size(), 1u);  // the line's extension
  EXPECT_EQ(meet(shortLine, quarter, ZcGeCurve3d::kExtendArg).size(), 0u);   // the circle alone misses
  auto both = meet(shortLine, quarter, ZcGeCurve3d::kExtendBoth);
  ASSERT_EQ(both.size(), 2u);
  // Ordered along the line (from x = 6 towards x = 7, so −4 comes first: its parameter is −10).
  EXPECT_NEAR(both[0].x, -4.0, 1e-13);
  EXPECT_NEAR(both[1].x, 4.0, 1e-13);
  // The same modes seen from the arc: "this" and "argument" swap.
  EXPECT_EQ(meet(quarter, shortLine, ZcGeCurve3d::kExtendArg).size(), 1u);
  EXPECT_EQ(meet(quarter, shortLine, ZcGeCurve3d::kExtendThis).size(), 0u);
}

TEST(Intersect, InternallyTangentCirclesTouchOnceAndNestedOnesNever) {
  ZcGeCircArc3d big({0, 0, 0}, ZcGeVector3d::kZAxis, 5.0), inner({2, 0, 0}, ZcGeVector3d::kZAxis, 3.0);
  auto pts = meet(big, inner);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_NEAR(pts[0].x, 5.0, 1e-14);
  EXPECT_NEAR(pts[0].y, 0.0, 1e-14);
  ZcGeCircArc3d nested({1, 0, 0}, ZcGeVector3d::kZAxis, 3.0), far({20, 0, 0}, ZcGeVector3d::kZAxis, 3.0);
  EXPECT_TRUE(meet(big, nested).empty());
  EXPECT_TRUE(meet(big, far).empty());
}

TEST(Intersect, InternallyTangentCirclesTouchOnceAtEveryAngle) {
  for (int deg = 0; deg < 360; deg += 7) {
    double a = deg * M_PI / 180.0;
    ZcGeVector3d dir(std::cos(a), std::sin(a), 0.0);
    // Start points anywhere on either circle: the touch must not depend on them.
    ZcGeCircArc3d big({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d(std::cos(3 * a), std::sin(3 * a), 0), 5.0, 0.0, 2 * M_PI);
    ZcGeCircArc3d inner(ZcGePoint3d::kOrigin + dir * 2.0, ZcGeVector3d::kZAxis, ZcGeVector3d::kYAxis, 3.0, 0.0, 2 * M_PI);
    for (auto pts : {meet(big, inner), meet(inner, big)}) {
      ASSERT_EQ(pts.size(), 1u) << deg;
      EXPECT_LE(pts[0].distanceTo(ZcGePoint3d::kOrigin + dir * 5.0), 1e-9) << deg;
    }
  }
}

// Nearly parallel lines. The rule: two line pieces overlap when one lies along the other's
// line (both its ends within 1e-9 of it); the overlap is reported as its ends. Otherwise they
// cross at one point however small the angle, found through cross products.
TEST(Intersect, NearlyParallelLinesOverlapWithinTheToleranceAndCrossBeyondIt) {
  ZcGeLineSeg3d a({0, 0, 0}, {100, 0, 0});
  ZcGeLineSeg3d within({0, -5e-10, 0}, {100, 5e-10, 0});  // sine 1e-11, ends 5e-10 off: one line
  auto pts = meet(a, within);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_NEAR(pts[0].x, 0.0, 1e-12);
  EXPECT_NEAR(pts[1].x, 100.0, 1e-12);
  EXPECT_EQ(meet(within, a).size(), 2u);
  ZcGeLineSeg3d longA({0, 0, 0}, {1000, 0, 0});
  ZcGeLineSeg3d beyond({0, -5e-9, 0}, {1000, 5e-9, 0});  // sine 1e-11, ends 5e-9 off: a crossing
  for (auto p : {meet(longA, beyond), meet(beyond, longA)}) {
    ASSERT_EQ(p.size(), 1u);
    EXPECT_NEAR(p[0].x, 500.0, 1e-3);  // along the lines a crossing this flat is ill-conditioned
    expectOnBoth(p, longA, beyond);
  }
  ZcGeLineSeg3d steeper({0, -5e-8, 0}, {100, 5e-8, 0});  // sine 1e-9
  auto one = meet(a, steeper);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_NEAR(one[0].x, 50.0, 1e-6);
  ZcGeLineSeg3d parallel({0, 1e-8, 0}, {100, 1e-8, 0});
  EXPECT_TRUE(meet(a, parallel, ZcGeCurve3d::kExtendBoth).empty());
  // A short piece along the line, reached only by extension.
  ZcGeLineSeg3d ahead({150, 2e-10, 0}, {160, -2e-10, 0});
  EXPECT_TRUE(meet(a, ahead).empty());
  EXPECT_EQ(meet(a, ahead, ZcGeCurve3d::kExtendThis).size(), 2u);
}

TEST(Intersect, ArcsOfCirclesCrossingAtAClosedFormPoint) {
  // Circles of radius 5 about (0, 0) and (6, 0) cross at (3, ±4); the arcs keep only (3, 4).
  ZcGeCircArc3d a({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 5.0, 0.0, M_PI / 2);
  ZcGeCircArc3d b({6, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 5.0, M_PI / 2, M_PI);
  auto pts = meet(a, b);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_NEAR(pts[0].x, 3.0, 1e-14);
  EXPECT_NEAR(pts[0].y, 4.0, 1e-14);
}

TEST(Intersect, TangentialTouchesOfSplinesAndEllipsesAreReportedOnce) {
  // A cubic Bézier hump whose top is (2, 1.5) with a horizontal tangent, and an ellipse whose
  // top is (0, 2): lines and circles that touch them there meet them once.
  ZcGeNurbCurve3d hump(3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {3, 2, 0}, {4, 0, 0}});
  ZcGeEllipArc3d ellipse({0, 0, 0}, ZcGeVector3d::kZAxis, {4, 0, 0}, 0.5);
  ZcGeLineSeg3d overHump({-1, 1.5, 0}, {5, 1.5, 0}), overEllipse({-5, 2, 0}, {5, 2, 0});
  ZcGeCircArc3d onHump({2, 2.5, 0}, ZcGeVector3d::kZAxis, 1.0);
  struct Case { const ZcGeCurve3d *a, *b; ZcGePoint3d at; };
  for (const Case& c : {Case{&hump, &overHump, {2, 1.5, 0}}, Case{&hump, &onHump, {2, 1.5, 0}},
                        Case{&ellipse, &overEllipse, {0, 2, 0}}}) {
    for (bool swap : {false, true}) {
      auto pts = swap ? meet(*c.b, *c.a) : meet(*c.a, *c.b);
      ASSERT_EQ(pts.size(), 1u) << (swap ? "swapped" : "");
      EXPECT_LE(pts[0].distanceTo(c.at), 1e-6);  // along a tangent the place is ill-conditioned
      expectOnBoth(pts, *c.a, *c.b);
    }
  }
}

TEST(Intersect, ASplineLeavingAlongALineTouchesItOnceAtItsEnd) {
  // Splines from (0, 0) along +X to (100, 100)·scale along +Y: the lines they leave and arrive
  // along run within the tolerance of them for a stretch, and still meet them at the end only
  // (a second point on that stretch would cut a sliver off the spline).
  for (double scale : {0.01, 1.0, 14.5564}) {
    for (ZcGePoint2d via : {ZcGePoint2d(70, 25), ZcGePoint2d(40, 10), ZcGePoint2d(85, 40)}) {
      ZcGeNurbCurve3d spline({{0, 0, 0}, {via.x * scale, via.y * scale, 0}, {100 * scale, 100 * scale, 0}},
                             ZcGeVector3d(1, 0, 0), ZcGeVector3d(0, 1, 0));
      ZcGeLineSeg3d bottom({0, 0, 0}, {100 * scale, 0, 0}), right({100 * scale, 0, 0}, {100 * scale, 100 * scale, 0});
      for (const ZcGeLineSeg3d* line : {&bottom, &right}) {
        ZcGePoint3d end = line == &bottom ? ZcGePoint3d(0, 0, 0) : ZcGePoint3d(100 * scale, 100 * scale, 0);
        for (bool swap : {false, true}) {
          int nearEnd = 0;
          for (const ZcGePoint3d& p : swap ? meet(*line, spline) : meet(spline, *line))
            nearEnd += p.distanceTo(end) <= 1e-2 * scale;
          EXPECT_EQ(nearEnd, 1) << scale << " via " << via.x << ", " << via.y << (swap ? " swapped" : "");
        }
      }
    }
  }
}

TEST(Intersect, EveryPairGivesTheSamePointsWhicheverComesFirst) {
  std::vector<std::unique_ptr<ZcGeCurve3d>> curves;
  curves.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(-6, -1, 0), ZcGePoint3d(7, 2, 0)));
  curves.push_back(std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(0, 0, 0), ZcGeVector3d::kZAxis, 4.0));
  curves.push_back(std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(2, 1, 0), ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 3.0, 0.5, 4.0));
  curves.push_back(std::make_unique<ZcGeEllipArc3d>(ZcGePoint3d(1, 0, 0), ZcGeVector3d::kZAxis, ZcGeVector3d(5, 1, 0), 0.4));
  curves.push_back(std::make_unique<ZcGeBulgePolyline3d>(std::vector<ZcGePoint2d>{{-5, 3}, {0, -5}, {5, 3}}, std::vector<double>{0.3, -0.6}));
  curves.push_back(std::make_unique<ZcGeNurbCurve3d>(std::vector<ZcGePoint3d>{{-6, 0, 0}, {-2, 4, 0}, {2, -4, 0}, {6, 1, 0}}));
  for (size_t i = 0; i < curves.size(); ++i)
    for (size_t j = 0; j < curves.size(); ++j) {
      if (i == j) continue;
      for (auto mode : {ZcGeCurve3d::kExtendNone, ZcGeCurve3d::kExtendBoth}) {
        auto ab = meet(*curves[i], *curves[j], mode), ba = meet(*curves[j], *curves[i], mode);
        EXPECT_GE(ab.size(), 1u) << i << " x " << j;
        ASSERT_EQ(ab.size(), ba.size()) << i << " x " << j;
        for (const ZcGePoint3d& p : ab) {
          bool same = false;
          for (const ZcGePoint3d& q : ba) same = same || (p.x == q.x && p.y == q.y && p.z == q.z);
          EXPECT_TRUE(same) << i << " x " << j;
        }
        if (mode == ZcGeCurve3d::kExtendNone) expectOnBoth(ab, *curves[i], *curves[j]);
        // Ordered along the first curve.
        for (size_t k = 0; k + 1 < ab.size(); ++k) {
          double s = 0.0, t = 0.0;
          if (mode == ZcGeCurve3d::kExtendNone && curves[i]->getParamAtPoint(ab[k], s) == Zcad::eOk &&
              curves[i]->getParamAtPoint(ab[k + 1], t) == Zcad::eOk) {
            EXPECT_LE(s, t) << i << " x " << j;
          }
        }
      }
    }
}

TEST(Intersect, PolylineArcEndSegmentExtendsRoundItsCircle) {
  // The last segment is the upper half circle from (10, 0) to (0, 0) about (5, 0) (bulge 1,
  // counter-clockwise); a vertical line at x = 8 below the axis meets only its continuation, at (8, −4).
  ZcGeBulgePolyline3d pl(std::vector<ZcGePoint2d>{{20, 0}, {10, 0}, {0, 0}}, std::vector<double>{0.0, 1.0});
  ZcGeLineSeg3d wall({8, -1, 0}, {8, -10, 0});
  EXPECT_TRUE(meet(pl, wall).empty());
  auto pts = meet(pl, wall, ZcGeCurve3d::kExtendThis);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_NEAR(pts[0].x, 8.0, 1e-13);
  EXPECT_NEAR(pts[0].y, -4.0, 1e-13);
}
