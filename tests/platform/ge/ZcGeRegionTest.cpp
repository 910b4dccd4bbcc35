// Regions: loops grouped from curves, union with shared edges vanishing, areas of known shapes.
#include "ge/ZcGeRegion.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "ge/ZcGeBulgePolyline3d.h"
#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeEllipArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeNurbCurve3d.h"
#include "tests/platform/ge/FineArea.h"

namespace {
/// The four sides of an axis-aligned rectangle, deliberately out of order and one reversed.
ZcGeCurve3dArray rectangle(double x0, double y0, double x1, double y1) {
  ZcGeCurve3dArray out;
  out.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(x1, y0, 0), ZcGePoint3d(x1, y1, 0)));
  out.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(x0, y0, 0), ZcGePoint3d(x1, y0, 0)));
  out.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(x0, y0, 0), ZcGePoint3d(x0, y1, 0)));  // reversed
  out.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(x1, y1, 0), ZcGePoint3d(x0, y1, 0)));
  return out;
}
ZcGeRegion regionOf(const ZcGeCurve3dArray& curves) {
  std::vector<const ZcGeCurve3d*> ptrs;
  for (auto& c : curves) ptrs.push_back(c.get());
  std::vector<ZcGeRegion> regions;
  EXPECT_EQ(ZcGeRegion::createFromCurves(ptrs, regions), Zcad::eOk);
  EXPECT_EQ(regions.size(), 1u);
  return regions.empty() ? ZcGeRegion() : std::move(regions.front());
}
}  // namespace

TEST(Region, LoopsAreGroupedFromCurvesInAnyOrderAndDirection) {
  auto sq = rectangle(0, 0, 4, 3);
  ZcGeRegion r = regionOf(sq);
  EXPECT_NEAR(r.area(), 12.0, 1e-12);
  ZcGeCurve3dArray edges;
  r.explode(edges);
  ASSERT_EQ(edges.size(), 4u);
  for (size_t i = 0; i < edges.size(); ++i)  // chain order: each edge ends where the next starts
    EXPECT_LE(edges[i]->endPoint().distanceTo(edges[(i + 1) % 4]->startPoint()), 1e-12);
}

TEST(Region, NoClosedLoopIsStatus150) {
  auto sq = rectangle(0, 0, 4, 3);
  std::vector<const ZcGeCurve3d*> three{sq[0].get(), sq[1].get(), sq[2].get()};
  std::vector<ZcGeRegion> regions;
  EXPECT_EQ(ZcGeRegion::createFromCurves(three, regions), Zcad::eNonCoplanarGeometry);
  EXPECT_TRUE(regions.empty());
  EXPECT_EQ(ZcGeRegion::createFromCurves({}, regions), Zcad::eInvalidInput);
}

TEST(Region, CircleAreaIsExact) {
  ZcGeCircArc3d c({3, 4, 0}, ZcGeVector3d::kZAxis, 2.0);
  std::vector<ZcGeRegion> regions;
  ASSERT_EQ(ZcGeRegion::createFromCurves({&c}, regions), Zcad::eOk);
  EXPECT_NEAR(regions[0].area(), 4.0 * M_PI, 1e-12);
}

TEST(Region, TwoSquaresSharingAnEdgeUniteIntoOneFaceWithoutTheSharedEdge) {
  ZcGeRegion a = regionOf(rectangle(0, 0, 2, 2)), b = regionOf(rectangle(2, 0, 4, 2));
  ASSERT_EQ(a.unite(b), Zcad::eOk);
  EXPECT_TRUE(b.isEmpty());
  ASSERT_EQ(a.numFaces(), 1u);
  EXPECT_NEAR(a.area(), 8.0, 1e-9);
  ZcGeCurve3dArray edges;
  a.explode(edges);
  EXPECT_EQ(edges.size(), 4u);  // the bottom and top sides merged, the middle edge gone
  for (auto& e : edges)  // no edge runs along x = 2
    EXPECT_FALSE(std::fabs(e->startPoint().x - 2.0) < 1e-9 && std::fabs(e->endPoint().x - 2.0) < 1e-9);
}

TEST(Region, FrameOfFourBarsIsASquareWithAHole) {
  ZcGeRegion r = regionOf(rectangle(0, 0, 10, 2));
  for (auto [x0, y0, x1, y1] : {std::array<double, 4>{0, 8, 10, 10}, {0, 0, 2, 10}, {8, 0, 10, 10}}) {
    ZcGeRegion other = regionOf(rectangle(x0, y0, x1, y1));
    ASSERT_EQ(r.unite(other), Zcad::eOk);
  }
  ASSERT_EQ(r.numFaces(), 1u);
  EXPECT_EQ(r.faces()[0].size(), 2u);  // outer loop and one hole
  EXPECT_NEAR(r.area(), 100.0 - 36.0, 1e-9);
}

TEST(Region, DisjointAndNestedOperands) {
  ZcGeRegion a = regionOf(rectangle(0, 0, 1, 1)), b = regionOf(rectangle(5, 5, 6, 7));
  ASSERT_EQ(a.unite(b), Zcad::eOk);
  EXPECT_EQ(a.numFaces(), 2u);
  EXPECT_NEAR(a.area(), 3.0, 1e-9);
  ZcGeRegion big = regionOf(rectangle(-10, -10, 10, 10)), small = regionOf(rectangle(0, 0, 1, 1));
  ASSERT_EQ(big.unite(small), Zcad::eOk);
  EXPECT_EQ(big.numFaces(), 1u);
  EXPECT_NEAR(big.area(), 400.0, 1e-9);
}

TEST(Region, SplineBoundedAreaAgreesWithAFineChordPolygon) {
  ZcGeNurbCurve3d top({{0, 0, 0}, {2, 3, 0}, {5, 2, 0}, {8, 0, 0}});
  ZcGeLineSeg3d base({8, 0, 0}, {0, 0, 0});
  std::vector<ZcGeRegion> regions;
  ASSERT_EQ(ZcGeRegion::createFromCurves({&top, &base}, regions), Zcad::eOk);
  double shoelace = 0.0;
  const int n = 200000;
  for (int i = 0; i < n; ++i) {
    ZcGePoint3d p = top.evalPoint(top.endParam() * i / n), q = top.evalPoint(top.endParam() * (i + 1) / n);
    shoelace += 0.5 * (p.x * q.y - q.x * p.y);
  }
  EXPECT_NEAR(regions[0].area(), std::fabs(shoelace), 1e-6);
}

TEST(Region, ACurveWhoseEndsMeetWithinTheToleranceIsALoopByItself) {
  // A polyline drawn round a 4 × 4 square that stops 1e-7 short of its start.
  ZcGeBulgePolyline3d almost(std::vector<ZcGePoint2d>{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 1e-7}}, {});
  std::vector<ZcGeRegion> regions;
  ASSERT_EQ(ZcGeRegion::createFromCurves({&almost}, regions), Zcad::eOk);
  ASSERT_EQ(regions.size(), 1u);
  EXPECT_NEAR(regions[0].area(), 16.0, 1e-6);
  // Beyond the tolerance it is not.
  ZcGeBulgePolyline3d open(std::vector<ZcGePoint2d>{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 1e-3}}, {});
  regions.clear();
  EXPECT_EQ(ZcGeRegion::createFromCurves({&open}, regions), Zcad::eNonCoplanarGeometry);
}

TEST(Region, AreaOfLoopsWithArcsEitherWayRoundIsExact) {
  // A half disc of radius 3: its arc drawn counter-clockwise, then the same loop reversed
  // (the arc turning about −Z).
  ZcGeCircArc3d arc({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 3.0, 0.0, M_PI);
  ZcGeLineSeg3d base({-3, 0, 0}, {3, 0, 0});
  EXPECT_NEAR(ZcGeRegion::signedLoopArea({&arc, &base}), 4.5 * M_PI, 1e-13);
  ZcGeCircArc3d back = arc;
  ZcGeLineSeg3d baseBack({3, 0, 0}, {-3, 0, 0});
  ASSERT_EQ(back.reverse(), Zcad::eOk);
  EXPECT_NEAR(ZcGeRegion::signedLoopArea({&baseBack, &back}), -4.5 * M_PI, 1e-13);
  std::vector<ZcGeRegion> regions;
  ASSERT_EQ(ZcGeRegion::createFromCurves({&back, &baseBack}, regions), Zcad::eOk);
  EXPECT_NEAR(regions[0].area(), 4.5 * M_PI, 1e-13);
}

TEST(Region, ALoopJoinedWithinTheToleranceHasOneAreaWhereverItLies) {
  // A square whose last side stops 1.4e-7 short of the first corner (as traced loops join at
  // vertices merged within a tolerance): the gap closes along its chord, so moving the loop far
  // from the origin does not change its area.
  for (ZcGeVector3d shift : {ZcGeVector3d(0, 0, 0), ZcGeVector3d(1e3, 2e3, 0), ZcGeVector3d(-3e3, 1e3, 0)}) {
    ZcGePoint3d p0 = ZcGePoint3d(0, 0, 0) + shift, p1 = ZcGePoint3d(10, 0, 0) + shift, p2 = ZcGePoint3d(10, 10, 0) + shift,
                p3 = ZcGePoint3d(0, 10, 0) + shift, near = ZcGePoint3d(1e-7, 1e-7, 0) + shift;
    ZcGeLineSeg3d a(p0, p1), b(p1, p2), c(p2, p3), d(p3, near);
    EXPECT_NEAR(ZcGeRegion::signedLoopArea({&a, &b, &c, &d}), 100.0 - 5e-7, 1e-8) << shift.x;
  }
}

TEST(Region, SquareWithASquareHoleUnitedWithARegionFillingTheHoleIsWhole) {
  ZcGeRegion frame = regionOf(rectangle(0, 0, 10, 2));
  for (auto [x0, y0, x1, y1] : {std::array<double, 4>{0, 8, 10, 10}, {0, 0, 2, 10}, {8, 0, 10, 10}}) {
    ZcGeRegion bar = regionOf(rectangle(x0, y0, x1, y1));
    ASSERT_EQ(frame.unite(bar), Zcad::eOk);
  }
  ZcGeRegion plug = regionOf(rectangle(2, 2, 8, 8));
  ASSERT_EQ(frame.unite(plug), Zcad::eOk);
  ASSERT_EQ(frame.numFaces(), 1u);
  EXPECT_EQ(frame.faces()[0].size(), 1u);  // the hole's edges were all shared: gone
  EXPECT_NEAR(frame.area(), 100.0, 1e-9);
  ZcGeCurve3dArray edges;
  frame.explode(edges);
  EXPECT_EQ(edges.size(), 4u);
}

TEST(Region, AreasOfLoopsWithSplineAndEllipseEdgesHoldTo1e12) {
  // A fit spline (non-uniform knots), a rational spline and an elliptic arc, closed by lines.
  ZcGeNurbCurve3d fit({{0, 0, 0}, {13, 31, 0}, {37, 42, 0}, {52, 17, 0}, {81, 29, 0}, {97, 61, 0}, {120, 50, 0}});
  ZcGeEllipArc3d ellipse({120, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d(0, 50, 0), 0.35, 0.0, M_PI);
  ZcGeNurbCurve3d rational(2, {0, 0, 0, 1, 1, 1}, {{120, -50, 0}, {60, -90, 0}, {0, -40, 0}}, {1.0, 0.4, 1.0});
  ZcGeLineSeg3d close({0, -40, 0}, {0, 0, 0});
  std::vector<const ZcGeCurve3d*> loop{&fit, &ellipse, &rational, &close};
  ASSERT_LE(fit.endPoint().distanceTo(ellipse.startPoint()), 1e-9);
  ASSERT_LE(ellipse.endPoint().distanceTo(rational.startPoint()), 1e-9);
  double want = fineArea(loop);
  EXPECT_NEAR(ZcGeRegion::signedLoopArea(loop), want, 1e-12 * std::fabs(want));
  // A full ellipse and a circle as a rational quadratic spline of four arcs.
  ZcGeEllipArc3d full({3, 4, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d(30, 40, 0), 0.2);
  EXPECT_NEAR(ZcGeRegion::signedLoopArea({&full}), M_PI * 50.0 * 10.0, 1e-12 * M_PI * 500.0);
  // A spline of many spans with a kink (an interior knot of full multiplicity), closed by a line.
  std::vector<ZcGePoint3d> wave;
  std::vector<double> knots{0, 0, 0, 0};
  for (int i = 0; i <= 21; ++i) wave.push_back({i * 10.0, 30.0 + 25.0 * std::sin(i * 1.3) + (i == 11 ? 40.0 : 0.0), 0});
  for (int k = 1; k <= 18; ++k) knots.push_back(k == 9 || k == 10 ? 9 : k * 0.7 + (k % 3) * 0.45);
  std::sort(knots.begin(), knots.end());
  knots.insert(knots.end(), {20, 20, 20, 20});
  for (ZcGePoint3d& p : wave) p += ZcGeVector3d(3000, 2000, 0);  // far from the origin, as drawings are
  ZcGeNurbCurve3d kinked(3, knots, wave);
  ASSERT_GT(kinked.endParam(), 0.0);
  ZcGeLineSeg3d under(kinked.endPoint(), kinked.startPoint());
  double wantKinked = fineArea({&kinked, &under}, 200000);
  EXPECT_NEAR(ZcGeRegion::signedLoopArea({&kinked, &under}), wantKinked, 1e-12 * std::fabs(wantKinked));
  double h = std::sqrt(0.5);
  ZcGeNurbCurve3d circle(2, {0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 4},
                         {{10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {-10, 10, 0}, {-10, 0, 0}, {-10, -10, 0}, {0, -10, 0},
                          {10, -10, 0}, {10, 0, 0}},
                         {1, h, 1, h, 1, h, 1, h, 1});
  EXPECT_NEAR(ZcGeRegion::signedLoopArea({&circle}), M_PI * 100.0, 1e-12 * M_PI * 100.0);
}

namespace {
ZcGeRegion regionOfLoop(std::vector<std::unique_ptr<ZcGeCurve3d>> curves) {
  ZcGeRegion::Loop loop = std::move(curves);
  ZcGeRegion r;
  EXPECT_EQ(ZcGeRegion::fromLoop(std::move(loop), r), Zcad::eOk);
  return r;
}
template <class... C>
std::vector<std::unique_ptr<ZcGeCurve3d>> chain(C&&... c) {
  std::vector<std::unique_ptr<ZcGeCurve3d>> out;
  (out.push_back(std::make_unique<std::decay_t<C>>(std::forward<C>(c))), ...);
  return out;
}
}  // namespace

TEST(Region, PointsInsideTheFrameOutsideInItsHoleAndOnEitherLoop) {
  ZcGeRegion r = regionOf(rectangle(0, 0, 10, 2));
  for (auto [x0, y0, x1, y1] : {std::array<double, 4>{0, 8, 10, 10}, {0, 0, 2, 10}, {8, 0, 10, 10}}) {
    ZcGeRegion other = regionOf(rectangle(x0, y0, x1, y1));
    ASSERT_EQ(r.unite(other), Zcad::eOk);
  }
  ASSERT_EQ(r.faces()[0].size(), 2u);
  EXPECT_EQ(r.containment({1, 5, 0}), ZcGeRegion::kInside);
  EXPECT_EQ(r.containment({5, 5, 0}), ZcGeRegion::kOutside);  // in the hole
  EXPECT_EQ(r.containment({12, 5, 0}), ZcGeRegion::kOutside);
  EXPECT_EQ(r.containment({0, 5, 0}), ZcGeRegion::kOnBoundary);
  EXPECT_EQ(r.containment({8, 5 + 1e-3, 0}), ZcGeRegion::kOnBoundary);  // on the hole's edge
  EXPECT_EQ(r.containment({8 - 5e-10, 5, 0}), ZcGeRegion::kOnBoundary);
  EXPECT_EQ(r.containment({8 - 2e-9, 5, 0}), ZcGeRegion::kOutside);
  EXPECT_EQ(r.containment({8 + 2e-9, 5, 0}), ZcGeRegion::kInside);
  EXPECT_EQ(r.containment({10, 10, 0}), ZcGeRegion::kOnBoundary);  // a corner
  EXPECT_EQ(ZcGeRegion().containment({0, 0, 0}), ZcGeRegion::kOutside);
}

TEST(Region, PointsJustAcrossArcEdgesAreAnsweredExactly) {
  // A circle of two half circles (the centre lies on both chords) and a triangle whose base is
  // an arc of bulge 1e-9 on a chord of 100 (a sagitta of 5e-8, its centre 5e10 away): a point
  // between that arc and its chord is inside, one beyond the arc outside.
  ZcGeRegion disc = regionOfLoop(chain(ZcGeCircArc3d({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 3.0, 0.0, M_PI),
                                       ZcGeCircArc3d({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 3.0, M_PI, 2 * M_PI)));
  EXPECT_EQ(disc.containment({0, 0, 0}), ZcGeRegion::kInside);
  EXPECT_EQ(disc.containment({0, 3 - 2e-9, 0}), ZcGeRegion::kInside);
  EXPECT_EQ(disc.containment({-3 - 2e-9, 0, 0}), ZcGeRegion::kOutside);
  EXPECT_EQ(disc.containment({3 * std::cos(1.0), 3 * std::sin(1.0), 0}), ZcGeRegion::kOnBoundary);
  ZcGeRegion sliver = regionOfLoop(chain(
      ZcGeBulgePolyline3d(std::vector<ZcGePoint2d>{{0, 0}, {100, 0}, {50, 50}}, std::vector<double>{1e-9, 0, 0}, true)));
  EXPECT_EQ(sliver.containment({50, -2.5e-8, 0}), ZcGeRegion::kInside);
  EXPECT_EQ(sliver.containment({50, -7.5e-8, 0}), ZcGeRegion::kOutside);
  EXPECT_EQ(sliver.containment({50, -5e-8, 0}), ZcGeRegion::kOnBoundary);
  EXPECT_EQ(sliver.containment({50, 0, 0}), ZcGeRegion::kInside);  // on the chord, not an edge
}

TEST(Region, PointsJustAcrossSplineAndEllipseEdgesAreAnsweredExactly) {
  // A cubic hump over its base (top at (2, 1.5)) and a tilted half ellipse over its diameter
  // (top at the end of the minor axis): 2e-9 below a top is inside, 2e-9 above outside, the top
  // itself on the boundary; a point on the base line beyond the hump is outside.
  ZcGeRegion hump = regionOfLoop(chain(ZcGeNurbCurve3d(3, {0, 0, 0, 0, 1, 1, 1, 1}, {{0, 0, 0}, {1, 2, 0}, {3, 2, 0}, {4, 0, 0}}),
                                       ZcGeLineSeg3d({4, 0, 0}, {0, 0, 0})));
  EXPECT_EQ(hump.containment({2, 1.5 - 2e-9, 0}), ZcGeRegion::kInside);
  EXPECT_EQ(hump.containment({2, 1.5 + 2e-9, 0}), ZcGeRegion::kOutside);
  EXPECT_EQ(hump.containment({2, 1.5, 0}), ZcGeRegion::kOnBoundary);
  EXPECT_EQ(hump.containment({2, 1e-3, 0}), ZcGeRegion::kInside);
  EXPECT_EQ(hump.containment({5, 0, 0}), ZcGeRegion::kOutside);
  double tilt = 0.7;
  ZcGeVector3d major(6 * std::cos(tilt), 6 * std::sin(tilt), 0), up(-std::sin(tilt), std::cos(tilt), 0);
  ZcGePoint3d centre(1, -2, 0);
  ZcGeRegion half = regionOfLoop(chain(ZcGeEllipArc3d(centre, ZcGeVector3d::kZAxis, major, 0.5, 0.0, M_PI),
                                       ZcGeLineSeg3d(centre - major, centre + major)));
  ZcGePoint3d top = centre + up * 3.0;
  EXPECT_EQ(half.containment(top - up * 2e-9), ZcGeRegion::kInside);
  EXPECT_EQ(half.containment(top + up * 2e-9), ZcGeRegion::kOutside);
  EXPECT_EQ(half.containment(top), ZcGeRegion::kOnBoundary);
  EXPECT_EQ(half.containment(centre - up * 1e-3), ZcGeRegion::kOutside);
}
