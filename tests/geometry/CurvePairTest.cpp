// Curve pairs at a corner: the crossing that needs the least extension, the tangent
// fallback, and each curve trimmed (the longer piece kept, the stub gone) or extended to it.
#include "geometry/CurvePair.h"

#include "GeometryTest.h"
#include "db/ZcDbPoint.h"
#include "geometry/IntersectLines2d.h"
#include "geometry/UI_Curve.h"

namespace {

class CurvePairTest : public GeometryTest {};

TEST_F(CurvePairTest, TheCrossingNeedingTheLeastExtensionWins) {
  CurvePair beyond(AddLine({0, 0, 0}, {10, 0, 0}), AddLine({15, -5, 0}, {15, -1, 0}));
  ZcGePoint3d p;
  ASSERT_EQ(0, beyond.GetIntersection(p));
  EXPECT_TRUE(Near(p, {15, 0, 0}));

  CurvePair circle(AddLine({-20, 0, 0}, {-8, 0, 0}), AddCircle({0, 0, 0}, 5));
  ASSERT_EQ(0, circle.GetIntersection(p));
  EXPECT_TRUE(Near(p, {-5, 0, 0}));
  ASSERT_EQ(0, circle.GetIntersectionNearestTo(circle.m_first, circle.m_second, {9, 1, 0}, p));
  EXPECT_TRUE(Near(p, {5, 0, 0}));
}

TEST_F(CurvePairTest, TangentsJoinCurvesThatNeverCross) {
  CurvePair collinear(AddLine({0, 0, 0}, {10, 0, 0}), AddLine({10 + 5e-7, 0, 0}, {20, 0, 0}));
  ZcGePoint3d p;
  ASSERT_EQ(0, collinear.GetIntersection(p));
  EXPECT_TRUE(Near(p, {10, 0, 0}, 1e-6));
  CurvePair parallel(AddLine({0, 0, 0}, {10, 0, 0}), AddLine({0, 3, 0}, {10, 3, 0}));
  EXPECT_EQ(Zcad::eUnknownStatus, parallel.GetIntersection(p));
  EXPECT_EQ(Zcad::eUnknownStatus, parallel.m_status);
  // An arc meeting a line only on their tangents' crossing.
  CurvePair arcLine(AddArc({0, 0, 0}, 10, 0, M_PI / 2), AddLine({20, 20, 0}, {30, 20, 0}));
  ASSERT_EQ(0, arcLine.GetIntersection(p));
  EXPECT_TRUE(Near(p, {10, 20, 0})) << "the arc's tangent at (10,0) is vertical";

  ZcGePoint3d x;
  EXPECT_FALSE(IntersectLines2d({0, 0, 0}, {1, 1, 0}, {0, 1, 0}, {2, 3, 0}, x));
  ASSERT_TRUE(IntersectLines2d({0, 0, 0}, {4, 0, 8}, {2, -1, 0}, {2, 5, 0}, x));
  EXPECT_TRUE(Near(x, {2, 0, 4})) << "z along the first line";
}

TEST_F(CurvePairTest, OffsetsOfSmoothlyJoinedSplinesMeetAtTheirEnds) {
  ZcDbObjectId a = AddSpline({{0, 0, 0}, {30, 20, 0}, {60, 10, 0}}, {}, {1, 0, 0});
  ZcDbObjectId b = AddSpline({{60, 10, 0}, {90, 0, 0}, {120, 15, 0}}, {1, 0, 0}, {});
  auto offsetUp = [](ZcDbObjectId id, ZcDbObjectIdArray& ids) {  // towards (60, 40), whichever sign that takes
    UI_Curve c(id);
    return c.OffsetTowardsPoint(5.0, ids, {60, 40, 0}, 1) == 0 ? 0 : c.OffsetTowardsPoint(5.0, ids, {60, 40, 0}, -1);
  };
  ZcDbObjectIdArray ia, ib;
  ASSERT_EQ(0, offsetUp(a, ia));
  ASSERT_EQ(0, offsetUp(b, ib));
  CurvePair pair(ia[0], ib[0]);
  ZcGePoint3d p;
  ASSERT_EQ(0, pair.GetIntersection(p));
  EXPECT_TRUE(Near(p, {60, 15, 0}, 1e-6));
}

TEST_F(CurvePairTest, BadPairsGetTheirStatus) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {10, 0, 0});
  ZcGePoint3dArray points;
  EXPECT_EQ(Zcad::eAmbiguousInput, CurvePair(line, line).GetIntersections(3, points));
  EXPECT_EQ(Zcad::eNullIterator, CurvePair(line, ZcDbObjectId()).GetIntersections(3, points));
  EXPECT_EQ(Zcad::eNotApplicable, CurvePair(line, AddMText({50, 50, 0})).GetIntersections(3, points));
  ZcDbObjectId far = Add(new ZcDbPoint({50, 50, 0}));
  EXPECT_EQ(Zcad::eNotACurve, CurvePair(line, far).GetIntersections(3, points)) << "no tangent at a point";
  ZcDbObjectId dot = AddLine({30, 30, 0}, {30, 30, 0});
  ZcGePoint3d p;
  EXPECT_NE(0, CurvePair(line, dot).GetIntersection(p)) << "a zero-length line meets nothing";
  ZcDbObjectId gone = AddLine({0, 5, 0}, {10, 5, 0});
  Erase(gone);
  ZcDbObjectId id = gone;
  EXPECT_EQ(Zcad::eNullIterator, TrimOrExtendCurveToPoint(id, {3, 5, 0}));
  ZcDbObjectId point = Add(new ZcDbPoint({5, 0, 0}));
  EXPECT_EQ(0, CurvePair(line, point).GetIntersections(0, points)) << "points cross curves through them";
  EXPECT_EQ(1, points.length());
}

TEST_F(CurvePairTest, OvershootsAreTrimmedAndShortEndsExtended) {
  ZcDbObjectId bottom = AddLine({-5, 0, 0}, {100, 0, 0}), side = AddLine({0, -7, 0}, {0, 80, 0});
  MakeGroup(L"Tył", {bottom, side});
  CurvePair corner(bottom, side);
  ASSERT_EQ(0, corner.ExtendBothToIntersection());
  EXPECT_TRUE(Near(StartOf(corner.m_first), {0, 0, 0}));
  EXPECT_TRUE(Near(EndOf(corner.m_first), {100, 0, 0}));
  EXPECT_TRUE(Near(StartOf(corner.m_second), {0, 0, 0}));
  EXPECT_EQ(2u, ModelSpace().size()) << "the stubs and the curves before the split are gone";

  CurvePair apart(AddLine({10, 10, 0}, {50, 10, 0}), AddLine({60, 20, 0}, {60, 90, 0}));
  ASSERT_EQ(0, apart.ExtendBothToIntersection());
  EXPECT_TRUE(Near(EndOf(apart.m_first), {60, 10, 0}));
  EXPECT_TRUE(Near(StartOf(apart.m_second), {60, 10, 0}));
}

TEST_F(CurvePairTest, SplinesAreTrimmedBesideThemAndExtendedThroughSplineEditing) {
  ZcDbObjectId spline = AddSpline({{0, 0, 0}, {20, 15, 0}, {40, 5, 0}, {60, 10, 0}});
  ZcGePoint3d q;
  ZcDbCurve* c = nullptr;
  zcdbOpenObject(c, spline, ZcDb::kForRead);
  double end = 0;
  c->getEndParam(end);
  ZcGeVector3d d;
  c->getPointAtParam(end * 0.6, q);
  c->getFirstDeriv(end * 0.6, d);
  c->close();
  ZcGePoint3d beside = q + d.perpVector().normal() * 0.5;
  ZcDbObjectId id = spline;
  ASSERT_EQ(0, TrimOrExtendCurveToPoint(id, beside));
  EXPECT_NE(id, spline);
  EXPECT_TRUE(Near(EndOf(id), q, 1e-7)) << "the longer piece, from the start, ends at the foot";

  ZcGePoint3d target = EndOf(id) + ZcGeVector3d(6, 0, 0);
  ASSERT_EQ(0, TrimOrExtendCurveToPoint(id, target));
  EXPECT_TRUE(Near(EndOf(id), target, 1e-9));

  ZcDbObjectId arc = AddArc({0, 0, 0}, 10, 0, M_PI / 2);
  ZcGePoint3d onCircle(-10, 0, 0);
  ASSERT_EQ(0, TrimOrExtendCurveToPoint(arc, onCircle));
  EXPECT_TRUE(Near(EndOf(arc), onCircle));
  ZcGePoint3d foot;
  ASSERT_EQ(0, ProjectPointOnCurveOrTangent(AddLine({0, 0, 0}, {10, 0, 0}), {15, 4, 0}, foot));
  EXPECT_TRUE(Near(foot, {15, 0, 0}));
}

}  // namespace
