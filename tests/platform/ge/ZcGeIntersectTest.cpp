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
