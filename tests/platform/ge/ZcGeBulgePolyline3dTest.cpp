// Bulge polylines: vertex-index parameters, derivative sides at vertices, offsets by area,
// extension of end segments and splits with re-bulged arcs.
#include "ge/ZcGeBulgePolyline3d.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ge/ZcGeCircArc3d.h"
#include "ge/ZcGeLineSeg3d.h"
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

TEST(BulgePolyline, ReversingAClosedPolylineWithArcsKeepsEveryPoint) {
  ZcGeBulgePolyline3d pl(std::vector<ZcGePoint2d>{{0, 0}, {10, 0}, {10, 10}, {4, 12}, {0, 10}},
                         std::vector<double>{0.3, 1.0, -0.5, 0.0, 2.0}, true);
  ZcGeBulgePolyline3d rev = pl;
  ASSERT_EQ(rev.reverse(), Zcad::eOk);
  EXPECT_NEAR(rev.length(), pl.length(), 1e-10);
  EXPECT_NEAR(areaOf(rev), -areaOf(pl), 1e-10);
  for (int i = 0; i <= 500; ++i) {
    double t = pl.endParam() * i / 500;
    EXPECT_LE(rev.evalPoint(rev.endParam() - t).distanceTo(pl.evalPoint(t)), 1e-10) << t;
  }
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

// Nearly straight bulges, as files from other programs carry them: a segment whose sagitta is
// below the point tolerance is its chord; above it, an arc of enormous radius that every
// operation treats exactly. References come from the parabola through the arc's ends and
// middle, which matches such an arc to far below 1e-15.
namespace {
const double kTinyBulges[] = {1e-13, 1e-11, 1e-9, 1e-8};
const std::vector<ZcGePoint2d> kTriangle{{0, 0}, {200, 0}, {80, 175.11}};  // area 17,511

ZcGeBulgePolyline3d flatTriangle(double b) { return ZcGeBulgePolyline3d(kTriangle, {b, b, b}, true); }

/// How far `p` lies from the nearly straight arc p0 → p1 of bulge `b` (right of the chord for
/// b > 0), measured across the chord.
double offFlatArc(const ZcGePoint2d& p0, const ZcGePoint2d& p1, double b, const ZcGePoint3d& p) {
  ZcGeVector2d chord = p1 - p0;
  double len = chord.length();
  ZcGeVector2d along = chord / len, right(along.y, -along.x), d(p.x - p0.x, p.y - p0.y);
  double x = d.dotProduct(along);
  return d.dotProduct(right) - 4.0 * (b * len / 2.0) * x * (len - x) / (len * len);
}

/// The distance from `p` to the nearest of the triangle's three nearly straight sides.
double offFlatTriangle(double b, const ZcGePoint3d& p) {
  double best = 1e300;
  for (int i = 0; i < 3; ++i) best = std::min(best, std::fabs(offFlatArc(kTriangle[i], kTriangle[(i + 1) % 3], b, p)));
  return best;
}
}  // namespace

TEST(BulgePolylineNearlyStraight, SagittaBelowThePointToleranceIsTheChord) {
  ZcGeLineSeg3d line;
  ZcGeCircArc3d arc;
  EXPECT_EQ(flatTriangle(1e-13).getLineSegAt(0, line), Zcad::eOk);  // sagitta 1e-11
  EXPECT_EQ(flatTriangle(1e-13).getArcSegAt(0, arc), Zcad::eNotApplicable);
  EXPECT_EQ(flatTriangle(1e-11).getArcSegAt(0, arc), Zcad::eOk);  // sagitta 1e-9
}

TEST(BulgePolylineNearlyStraight, AreaIsTheTriangleWithItsFlatSegments) {
  for (double b : kTinyBulges) {
    double segments = 0.0;
    for (int i = 0; i < 3; ++i) segments += b * std::pow((kTriangle[(i + 1) % 3] - kTriangle[i]).length(), 2) / 3.0;
    EXPECT_NEAR(areaOf(flatTriangle(b)), 17511.0 + segments, 1e-8) << b;
  }
}

TEST(BulgePolylineNearlyStraight, PointsAndClosestPointsLieOnTheArc) {
  for (double b : kTinyBulges) {
    ZcGeBulgePolyline3d pl = flatTriangle(b);
    for (double t = 0.0; t < 3.0; t += 0.0625) EXPECT_LE(offFlatTriangle(b, pl.evalPoint(t)), 1e-10) << b << " " << t;
    ZcGePoint3d lo, hi;
    ASSERT_EQ(pl.getGeomExtents(lo, hi), Zcad::eOk);  // the bottom side sags below y = 0 by its sagitta
    EXPECT_NEAR(lo.y, b * 200.0 / 2.0 > 1e-10 ? -b * 100.0 : 0.0, 1e-10) << b;
    EXPECT_NEAR(hi.y, 175.11, 1e-10) << b;
    // Probes half a unit off the bottom side, inside: the nearest point is on the arc, 0.5 away.
    for (double x = 5.0; x < 200.0; x += 10.0) {
      ZcGePoint3d probe(x, 0.5 - 4.0 * (b * 100.0) * x * (200.0 - x) / 40000.0, 0.0);
      ZcGePoint3d foot = pl.evalPoint(pl.closestParam(probe));
      EXPECT_LE(offFlatTriangle(b, foot), 1e-10) << b << " " << x;
      EXPECT_NEAR(foot.distanceTo(probe), 0.5, 1e-10) << b << " " << x;
    }
  }
}

TEST(BulgePolylineNearlyStraight, SplitPiecesStartAtTheirCutsAndStayOnTheCurve) {
  for (double b : kTinyBulges) {
    ZcGeBulgePolyline3d pl = flatTriangle(b);
    std::vector<double> cuts{0.3, 1.7, 2.5};
    ZcGeCurve3dArray pieces;
    ASSERT_EQ(pl.getSplitCurves(cuts, pieces), Zcad::eOk);
    ASSERT_EQ(pieces.size(), 3u);
    for (size_t k = 0; k < pieces.size(); ++k) {
      EXPECT_LE(pieces[k]->startPoint().distanceTo(pl.evalPoint(cuts[k])), 1e-10) << b;
      EXPECT_LE(pieces[k]->endPoint().distanceTo(pl.evalPoint(cuts[(k + 1) % 3])), 1e-10) << b;
      for (int i = 0; i <= 64; ++i)
        EXPECT_LE(offFlatTriangle(b, pieces[k]->evalPoint(pieces[k]->endParam() * i / 64)), 1e-10) << b << " " << k;
    }
  }
}

TEST(BulgePolylineNearlyStraight, OffsetSidesLieAtTheOffsetDistance) {
  for (double b : kTinyBulges) {
    ZcGeBulgePolyline3d open(kTriangle, {b, b, 0.0}), closed = flatTriangle(b);
    for (const ZcGeBulgePolyline3d* pl : {&open, &closed}) {
      ZcGeCurve3dArray out;
      ASSERT_EQ(pl->getOffsetCurves(2.0, out), Zcad::eOk);
      const ZcGeCurve3d& off = *out[0];
      std::vector<double> ts{0.25, 0.5, 0.75, 1.25, 1.5, 1.75};
      if (pl == &open) ts.insert(ts.end(), {0.0, off.endParam()});  // the free ends lie square to the base
      else ts.insert(ts.end(), {2.25, 2.5, 2.75});
      for (double t : ts) {
        ZcGePoint3d p = off.evalPoint(t);
        EXPECT_NEAR(p.distanceTo(pl->evalPoint(pl->closestParam(p))), 2.0, 1e-10) << b << " " << t;
      }
    }
  }
}

TEST(BulgePolylineNearlyStraight, IntersectionsWithACircleAndALineLieOnBoth) {
  for (double b : kTinyBulges) {
    ZcGeBulgePolyline3d pl = flatTriangle(b);
    ZcGeCircArc3d circle({100, 30, 0}, ZcGeVector3d::kZAxis, 50.0);  // crosses the bottom side twice
    ZcGeLineSeg3d line({70, -10, 0}, {70, 10, 0});
    for (const ZcGeCurve3d* other : {static_cast<const ZcGeCurve3d*>(&circle), static_cast<const ZcGeCurve3d*>(&line)}) {
      std::vector<ZcGePoint3d> pts, back;
      ASSERT_EQ(pl.intersectWith(*other, ZcGeCurve3d::kExtendNone, pts), Zcad::eOk);
      ASSERT_EQ(pts.size(), other == &circle ? 2u : 1u) << b;
      for (const ZcGePoint3d& p : pts) {
        EXPECT_LE(std::fabs(offFlatArc(kTriangle[0], kTriangle[1], b, p)), 1e-10) << b;
        EXPECT_LE(p.distanceTo(other->evalPoint(other->closestParam(p))), 1e-10) << b;
      }
      ASSERT_EQ(other->intersectWith(pl, ZcGeCurve3d::kExtendNone, back), Zcad::eOk);
      EXPECT_EQ(back.size(), pts.size()) << b;
    }
  }
}
