// The boundary tracer on overlapping rectangles: the lens (intersection) face, the L-shaped
// face, islands inside, and the status when nothing encloses the seed.
#include "ge/ZcGeBoundaryTracer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
#include "ge/ZcGeMatrix3d.h"
#include "ge/ZcGeNurbCurve3d.h"
#include "tests/platform/ge/FineArea.h"

namespace {
ZcGeBulgePolyline3d rect(double x0, double y0, double x1, double y1) {
  return ZcGeBulgePolyline3d(std::vector<ZcGePoint2d>{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, {}, true);
}
double loopArea(const ZcGeTracedLoop& l) {
  if (l.polyline) return std::fabs(ZcGeRegion::signedLoopArea({l.polyline.get()}));
  return l.region->area();
}
}  // namespace

TEST(BoundaryTracer, SeedInTheOverlapOfTwoRectanglesFindsTheOverlap) {
  ZcGeBulgePolyline3d a = rect(0, 0, 10, 10), b = rect(5, 5, 15, 15);
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b}, {7, 7, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  ASSERT_TRUE(loops[0].polyline);
  EXPECT_EQ(loops[0].polyline->numVerts(), 4u);
  EXPECT_NEAR(loopArea(loops[0]), 25.0, 1e-9);
  EXPECT_GT(ZcGeRegion::signedLoopArea({loops[0].polyline.get()}), 0.0);  // counter-clockwise
}

TEST(BoundaryTracer, SeedOutsideTheOverlapFindsTheLShapedFaceWithItsIsland) {
  ZcGeBulgePolyline3d a = rect(0, 0, 10, 10), b = rect(5, 5, 15, 15);
  ZcGeCircArc3d island({2, 2, 0}, ZcGeVector3d::kZAxis, 1.0);
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b, &island}, {8, 2, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_NEAR(loopArea(loops[0]), 75.0, 1e-9);
  EXPECT_EQ(loops[0].polyline->numVerts(), 6u);
  EXPECT_TRUE(loops[1].isIsland);
  ASSERT_TRUE(loops[1].polyline);  // a circle comes back as two half-circle arcs
  EXPECT_NEAR(loopArea(loops[1]), M_PI, 1e-12);
  std::vector<ZcGeTracedLoop> noIslands;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b, &island}, {8, 2, 0}, false, noIslands), Zcad::eOk);
  EXPECT_EQ(noIslands.size(), 1u);
}

TEST(BoundaryTracer, LensBetweenTwoCirclesIsTheirOverlap) {
  ZcGeCircArc3d a({0, 0, 0}, ZcGeVector3d::kZAxis, 5.0), b({6, 0, 0}, ZcGeVector3d::kZAxis, 5.0);
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b}, {3, 0, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  double r = 5.0, d = 6.0;  // lens area: 2 r² acos(d / 2r) − (d / 2) √(4r² − d²)
  EXPECT_NEAR(loopArea(loops[0]), 2 * r * r * std::acos(d / (2 * r)) - d / 2 * std::sqrt(4 * r * r - d * d), 1e-9);
}

TEST(BoundaryTracer, LoopWithASplineEdgeComesBackAsARegion) {
  ZcGeNurbCurve3d arch({{0, 0, 0}, {3, 4, 0}, {7, 4, 0}, {10, 0, 0}});
  ZcGeBulgePolyline3d base(std::vector<ZcGePoint2d>{{-1, 0}, {11, 0}}, {});
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&arch, &base}, {5, 1, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  ASSERT_TRUE(loops[0].region);
  EXPECT_GT(loops[0].region->area(), 10.0);
}

TEST(BoundaryTracer, NothingAroundTheSeedIsStatus130) {
  ZcGeBulgePolyline3d a = rect(0, 0, 10, 10);
  std::vector<ZcGeTracedLoop> loops;
  EXPECT_EQ(ZcGeBoundaryTracer().trace({&a}, {20, 20, 0}, true, loops), Zcad::eNoInputFiles);
  EXPECT_TRUE(loops.empty());
  EXPECT_EQ(ZcGeBoundaryTracer().trace({}, {0, 0, 0}, true, loops), Zcad::eInvalidInput);
}

TEST(BoundaryTracer, IslandInsideTheOverlapComesAfterItAndHoldsItsOwnSeed) {
  // Rectangles [0, 10]² and [5, 15]² overlap in [5, 10]²; a circle of radius 1 about (7.5, 7.5)
  // sits inside the overlap, and the square [7.3, 7.7]² inside that circle.
  ZcGeBulgePolyline3d a = rect(0, 0, 10, 10), b = rect(5, 5, 15, 15);
  ZcGeCircArc3d island({7.5, 7.5, 0}, ZcGeVector3d::kZAxis, 1.0);
  ZcGeBulgePolyline3d inner = rect(7.3, 7.3, 7.7, 7.7);
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b, &island, &inner}, {5.5, 9.5, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 2u);  // only the outermost island: the square inside the circle is not one
  EXPECT_FALSE(loops[0].isIsland);
  EXPECT_NEAR(loopArea(loops[0]), 25.0, 1e-9);
  EXPECT_TRUE(loops[1].isIsland);
  EXPECT_NEAR(loopArea(loops[1]), M_PI, 1e-12);
  // A seed inside the circle (outside the small square) finds the circle, with the square as its island.
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b, &island, &inner}, {7.5, 8.3, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 2u);
  EXPECT_NEAR(loopArea(loops[0]), M_PI, 1e-12);
  EXPECT_NEAR(loopArea(loops[1]), 0.16, 1e-12);
  // A seed in the L-shaped part of the first rectangle: the island is not inside it.
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b, &island, &inner}, {2, 8, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  EXPECT_NEAR(loopArea(loops[0]), 75.0, 1e-9);
}

TEST(BoundaryTracer, BoundaryVerticesAreTheRectangleCornersAndCrossings) {
  ZcGeBulgePolyline3d a = rect(0, 0, 10, 10), b = rect(5, 5, 15, 15);
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&a, &b}, {12, 12, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  ASSERT_TRUE(loops[0].polyline);
  // The L of the second rectangle: its corners (15, 5), (15, 15), (5, 15) and the crossings
  // (10, 5), (5, 10) and the first rectangle's corner (10, 10).
  std::vector<ZcGePoint3d> want{{10, 5, 0}, {15, 5, 0}, {15, 15, 0}, {5, 15, 0}, {5, 10, 0}, {10, 10, 0}};
  ASSERT_EQ(loops[0].polyline->numVerts(), want.size());
  for (const ZcGePoint3d& w : want) {
    bool found = false;
    for (const ZcGePoint3d& v : loops[0].polyline->vertices()) found = found || v.distanceTo(w) <= 1e-12;
    EXPECT_TRUE(found) << w.x << ", " << w.y;
  }
  EXPECT_NEAR(ZcGeRegion::signedLoopArea({loops[0].polyline.get()}), 75.0, 1e-9);  // counter-clockwise
}

TEST(BoundaryTracer, DegenerateCurvesAloneGiveStatus130) {
  ZcGeLineSeg3d dot({1, 1, 0}, {1, 1, 0});
  ZcGeBulgePolyline3d empty;
  std::vector<ZcGeTracedLoop> loops;
  EXPECT_EQ(ZcGeBoundaryTracer().trace({&dot, &empty}, {1, 1, 0}, true, loops), Zcad::eNoInputFiles);
  EXPECT_TRUE(loops.empty());
}


TEST(BoundaryTracer, BranchesLeavingAVertexTangentiallyAreOrderedByTheirCurvature) {
  // The square with a quarter circle about (0, 100) tangent to its bottom and right sides.
  ZcGeBulgePolyline3d square = rect(0, 0, 100, 100);
  ZcGeCircArc3d arc({0, 100, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d(0, -1, 0), 100.0, 0.0, M_PI / 2);
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&square, &arc}, {90, 10, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  EXPECT_NEAR(loopArea(loops[0]), 10000.0 - M_PI * 2500.0, 1e-9);
  // The same with a spline leaving (0, 0) along +X and arriving at (100, 100) along +Y.
  ZcGeNurbCurve3d spline({{0, 0, 0}, {70, 25, 0}, {100, 100, 0}}, ZcGeVector3d(1, 0, 0), ZcGeVector3d(0, 1, 0));
  ZcGeBulgePolyline3d bottom(std::vector<ZcGePoint2d>{{0, 0}, {100, 0}, {100, 100}}, {});
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&square, &spline}, {95, 5, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  ZcGeNurbCurve3d back(spline);
  back.reverse();
  EXPECT_NEAR(loopArea(loops[0]), fineArea({&bottom, &back}), 1e-9);
  // And the rest of the square above the spline.
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&square, &spline}, {5, 95, 0}, true, loops), Zcad::eOk);
  EXPECT_NEAR(loopArea(loops[0]), 10000.0 - fineArea({&bottom, &back}), 1e-9);
}

TEST(BoundaryTracer, SeedsJustInsideACurvedEdgeAreInside) {
  ZcGeCircArc3d circle({0, 0, 0}, ZcGeVector3d::kZAxis, 100.0);
  ZcGeLineSeg3d chord({-120, -80, 0}, {120, -80, 0});
  double segment = 100.0 * 100.0 * std::acos(-0.8) - (-80.0) * 60.0;  // the part above y = −80
  for (double y : {99.7, 99.9, 99.99, 99.999}) {
    std::vector<ZcGeTracedLoop> loops;
    ASSERT_EQ(ZcGeBoundaryTracer().trace({&circle, &chord}, {0, y, 0}, true, loops), Zcad::eOk) << y;
    EXPECT_NEAR(loopArea(loops[0]), segment, 1e-9) << y;
  }
  std::vector<ZcGeTracedLoop> loops;
  EXPECT_EQ(ZcGeBoundaryTracer().trace({&circle, &chord}, {0, 100.001, 0}, true, loops), Zcad::eNoInputFiles);
}

TEST(BoundaryTracer, ASpurDrawnIntoTheFaceIsNotPartOfTheBoundary) {
  ZcGeBulgePolyline3d frame = rect(0, 0, 40, 30);
  ZcGeLineSeg3d spur({0, 10, 0}, {25, 15, 0});  // from the left side, ending inside
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&frame, &spur}, {30, 25, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  ASSERT_TRUE(loops[0].polyline);
  EXPECT_NEAR(loopArea(loops[0]), 1200.0, 1e-9);
  EXPECT_NEAR(loops[0].polyline->length(), 140.0, 1e-9);
  for (const ZcGePoint3d& v : loops[0].polyline->vertices()) EXPECT_GT(v.distanceTo({25, 15, 0}), 1.0);
}

TEST(BoundaryTracer, PolylinesWithNearlyStraightArcsTraceAsTheyAre) {
  for (double b : {1e-11, 1e-9, 1e-8}) {
    // A triangle whose bottom side bulges outwards by b, cut in two by a line.
    ZcGeBulgePolyline3d tri(std::vector<ZcGePoint2d>{{0, 0}, {200, 0}, {80, 175}}, {b, 0.0, 0.0}, true);
    ZcGeLineSeg3d cut({100, -10, 0}, {100, 200, 0});
    std::vector<ZcGeTracedLoop> loops;
    ASSERT_EQ(ZcGeBoundaryTracer().trace({&tri, &cut}, {150, 5, 0}, true, loops), Zcad::eOk) << b;
    ASSERT_TRUE(loops[0].polyline) << b;
    // Right of x = 100: the triangle part plus half the flat segment (parabola: b·L²/3 whole).
    double y = 175.0 * (200.0 - 100.0) / 120.0;
    EXPECT_NEAR(loopArea(loops[0]), 0.5 * 100.0 * y + b * 40000.0 / 6.0, 1e-9) << b;
  }
}

TEST(BoundaryTracer, PolylineWithItsNormalDownTracesItsArcsTheRightWayRound) {
  // Drawn in the plane seen from below (normal −Z): the arc still bulges away from the square.
  ZcGeBulgePolyline3d up(std::vector<ZcGePoint2d>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {0.0, 1.0, 0.0, 0.0}, true);
  ZcGeBulgePolyline3d down(std::vector<ZcGePoint2d>{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {0.0, 1.0, 0.0, 0.0}, true, 0.0,
                           -ZcGeVector3d::kZAxis);
  for (const ZcGeBulgePolyline3d* pl : {&up, &down}) {
    ZcGePoint3d inside = pl->evalPoint(1.5) + (pl->evalPoint(3.5) - pl->evalPoint(1.5)) * 0.01;
    std::vector<ZcGeTracedLoop> loops;
    ASSERT_EQ(ZcGeBoundaryTracer().trace({pl}, inside, true, loops), Zcad::eOk);
    ASSERT_TRUE(loops[0].polyline);
    EXPECT_NEAR(loopArea(loops[0]), 100.0 + 12.5 * M_PI, 1e-9);
    EXPECT_NEAR(loopArea(loops[0]), std::fabs(ZcGeRegion::signedLoopArea({pl})), 1e-9);
  }
}

// A randomized differential check: scenes of rectangles, lines, circles, arcs and splines
// whose face around the seed has an area known independently (closed forms, or a fine
// quadrature of the same curves), each turned and moved at random so that tangents and
// crossings are never bit-exact.
namespace {
struct Scene {
  ZcGeCurve3dArray curves;
  ZcGePoint3d seed;
  double area = 0.0;
};

double uniform(std::mt19937& rng, double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }

void addRect(Scene& s, double x0, double y0, double x1, double y1) {
  s.curves.push_back(std::make_unique<ZcGeBulgePolyline3d>(rect(x0, y0, x1, y1)));
}

Scene randomScene(std::mt19937& rng, int kind) {
  Scene s;
  double w = uniform(rng, 20, 400), h = uniform(rng, 20, 400);
  switch (kind) {
    case 0: {  // a rectangle cut by a line crossing it, with spurs drawn in from its sides
      double a = uniform(rng, 0.1, 0.9) * w;
      addRect(s, 0, 0, w, h);
      s.curves.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(a, -5, 0), ZcGePoint3d(a, h + 5, 0)));
      s.curves.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(0, 0.3 * h, 0), ZcGePoint3d(0.5 * a, 0.5 * h, 0)));
      s.curves.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(w, 0.7 * h, 0), ZcGePoint3d(a + 0.5 * (w - a), 0.6 * h, 0)));
      bool left = rng() % 2;
      s.seed = left ? ZcGePoint3d(0.5 * a, 0.9 * h, 0) : ZcGePoint3d(a + 0.5 * (w - a), 0.1 * h, 0);
      s.area = (left ? a : w - a) * h;
      break;
    }
    case 1: {  // two overlapping rectangles, the seed in their overlap
      double x = uniform(rng, 0.2, 0.8) * w, y = uniform(rng, 0.2, 0.8) * h;
      addRect(s, 0, 0, w, h);
      addRect(s, x, y, x + w, y + h);
      s.seed = {x + 0.5 * (w - x), y + 0.5 * (h - y), 0};
      s.area = (w - x) * (h - y);
      break;
    }
    case 2: {  // a circle cut by a chord, the seed just inside the circle's far side
      double r = uniform(rng, 5, 300), c = uniform(rng, -0.9, 0.9) * r;
      s.curves.push_back(std::make_unique<ZcGeCircArc3d>(ZcGePoint3d::kOrigin, ZcGeVector3d::kZAxis, r));
      s.curves.push_back(std::make_unique<ZcGeLineSeg3d>(ZcGePoint3d(-2 * r, c, 0), ZcGePoint3d(2 * r, c, 0)));
      double gap = std::pow(10.0, uniform(rng, -6, -1)), x = uniform(rng, -0.5, 0.5) * std::sqrt(r * r - c * c);
      s.seed = {x, std::sqrt(r * r - x * x) - gap, 0};
      s.area = r * r * std::acos(c / r) - c * std::sqrt(r * r - c * c);
      break;
    }
    case 3: {  // a square with a quarter circle tangent to two sides, either face
      addRect(s, 0, 0, w, w);
      s.curves.push_back(std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(0, w, 0), ZcGeVector3d::kZAxis, ZcGeVector3d(0, -1, 0), w, 0.0, M_PI / 2));
      bool below = rng() % 2;
      s.seed = below ? ZcGePoint3d(0.95 * w, 0.05 * w, 0) : ZcGePoint3d(0.3 * w, 0.7 * w, 0);
      s.area = below ? w * w * (1.0 - M_PI / 4.0) : w * w * M_PI / 4.0;
      break;
    }
    case 4: {  // a rectangle with a circle inside it: the seed in the ring or in the circle
      double r = uniform(rng, 0.05, 0.45) * std::min(w, h);
      ZcGePoint3d c(uniform(rng, r * 1.01, w - r * 1.01), uniform(rng, r * 1.01, h - r * 1.01), 0);
      addRect(s, 0, 0, w, h);
      s.curves.push_back(std::make_unique<ZcGeCircArc3d>(c, ZcGeVector3d::kZAxis, r));
      bool ring = rng() % 2;
      double gap = std::pow(10.0, uniform(rng, -6, -2)) * r;
      s.seed = c + ZcGeVector3d(0, ring ? r + gap : r - gap, 0);
      if (ring && s.seed.y >= h) s.seed = c - ZcGeVector3d(0, r + gap, 0);
      s.area = ring ? w * h : M_PI * r * r;  // the ring's boundary is the rectangle; the circle an island
      break;
    }
    case 5: {  // two circles overlapping: the lens
      double r = uniform(rng, 5, 200), d = uniform(rng, 0.2, 1.8) * r;
      s.curves.push_back(std::make_unique<ZcGeCircArc3d>(ZcGePoint3d::kOrigin, ZcGeVector3d::kZAxis, r));
      s.curves.push_back(std::make_unique<ZcGeCircArc3d>(ZcGePoint3d(d, 0, 0), ZcGeVector3d::kZAxis, r));
      s.seed = {0.5 * d, 0, 0};
      s.area = 2 * r * r * std::acos(d / (2 * r)) - 0.5 * d * std::sqrt(4 * r * r - d * d);
      break;
    }
    case 6: {  // a square with a spline leaving one corner along a side and reaching the opposite corner tangent to the other
      ZcGePoint3d mid(uniform(rng, 0.55, 0.8) * w, uniform(rng, 0.15, 0.4) * w, 0);
      auto spline = std::make_unique<ZcGeNurbCurve3d>(std::vector<ZcGePoint3d>{{0, 0, 0}, mid, {w, w, 0}},
                                                      ZcGeVector3d(1, 0, 0), ZcGeVector3d(0, 1, 0));
      ZcGeBulgePolyline3d corner(std::vector<ZcGePoint2d>{{0, 0}, {w, 0}, {w, w}}, {});
      ZcGeNurbCurve3d back(*spline);
      back.reverse();
      double below = fineArea({&corner, &back}, 4000);
      bool under = rng() % 2;
      s.seed = under ? ZcGePoint3d(0.97 * w, 0.03 * w, 0) : ZcGePoint3d(0.1 * w, 0.9 * w, 0);
      s.area = under ? below : w * w - below;
      addRect(s, 0, 0, w, w);
      s.curves.push_back(std::move(spline));
      break;
    }
    default: {  // a rectangle cut by a spline from its bottom side to its top side
      std::vector<ZcGePoint3d> fit{{uniform(rng, 0.3, 0.7) * w, 0, 0}};
      for (int i = 1; i < 4; ++i) fit.push_back({uniform(rng, 0.2, 0.8) * w, h * i / 4.0, 0});
      fit.push_back({uniform(rng, 0.3, 0.7) * w, h, 0});
      auto spline = std::make_unique<ZcGeNurbCurve3d>(fit, ZcGeVector3d(0, 1, 0), ZcGeVector3d(0, 1, 0));
      ZcGeLineSeg3d bottom({fit.front().x, 0, 0}, {w, 0, 0}), right({w, 0, 0}, {w, h, 0}), top({w, h, 0}, {fit.back().x, h, 0});
      ZcGeNurbCurve3d back(*spline);
      back.reverse();
      s.area = fineArea({&bottom, &right, &top, &back}, 4000);
      s.seed = {0.5 * (fit[2].x + w), 0.5 * h, 0};
      addRect(s, 0, 0, w, h);
      s.curves.push_back(std::move(spline));
    }
  }
  // Turn and move the whole scene.
  ZcGeMatrix3d m = ZcGeMatrix3d::translation({uniform(rng, -5000, 5000), uniform(rng, -5000, 5000), 0}) *
                   ZcGeMatrix3d::rotation(uniform(rng, 0, 2 * M_PI), ZcGeVector3d::kZAxis);
  for (auto& c : s.curves) EXPECT_EQ(c->transformBy(m), Zcad::eOk);
  s.seed.transformBy(m);
  return s;
}
}  // namespace

TEST(BoundaryTracer, RandomScenesTraceTheFaceOfTheKnownArea) {
  std::mt19937 rng(20261209);
  int passed = 0, cases = 0;
  for (int kind = 0; kind < 8; ++kind)
    for (int i = 0; i < (kind >= 6 ? 40 : 90); ++i) {
      Scene s = randomScene(rng, kind);
      std::vector<const ZcGeCurve3d*> curves;
      for (auto& c : s.curves) curves.push_back(c.get());
      std::vector<ZcGeTracedLoop> loops;
      ++cases;
      Zcad::ErrorStatus es = ZcGeBoundaryTracer().trace(curves, s.seed, true, loops);
      EXPECT_EQ(es, Zcad::eOk) << "kind " << kind << " case " << i;
      if (es != Zcad::eOk) continue;
      double got = loopArea(loops[0]);
      EXPECT_NEAR(got, s.area, 1e-9 * std::max(1.0, s.area)) << "kind " << kind << " case " << i;
      passed += std::fabs(got - s.area) <= 1e-9 * std::max(1.0, s.area);
    }
  EXPECT_EQ(passed, cases);
}

TEST(BoundaryTracer, FaceDrawnTwiceTracesAsOnce) {
  // Two squares side by side, the left one drawn again over itself (a region lying on the
  // curves it was made from): the right face is still found.
  ZcGeBulgePolyline3d left = rect(0, 0, 10, 10), right = rect(10, 0, 20, 10), again = rect(0, 0, 10, 10);
  std::vector<ZcGeTracedLoop> loops;
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&left, &right, &again}, {15, 5, 0}, true, loops), Zcad::eOk);
  ASSERT_EQ(loops.size(), 1u);
  EXPECT_NEAR(loopArea(loops[0]), 100.0, 1e-9);
  ASSERT_EQ(ZcGeBoundaryTracer().trace({&left, &right, &again}, {5, 5, 0}, true, loops), Zcad::eOk);
  EXPECT_NEAR(loopArea(loops[0]), 100.0, 1e-9);
}
