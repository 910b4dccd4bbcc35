// The curve wrapper: offsets land on the side asked for every curve kind (or nothing is
// left behind), splits keep groups whole, lengths of closed curves are their perimeters,
// and curves convert into exact polylines, arcs about -Z included.
#include "geometry/UI_Curve.h"

#include "GeometryTest.h"
#include "db/ZcDbGroup.h"
#include "framework/Transforms.h"
#include "framework/UI_Group.h"
#include "geometry/GeometryServices.h"

namespace {

class UI_CurveTest : public GeometryTest {};

TEST_F(UI_CurveTest, OffsetsGoTowardsTheReferencePointForEveryKindOrLeaveNothing) {
  std::vector<ZcDbObjectId> curves = {
      AddLine({0, 0, 0}, {100, 0, 0}),
      AddArcAbout(ZcGeVector3d::kZAxis, {50, -80, 0}, 100, M_PI / 3, 2 * M_PI / 3),
      AddArcAbout({0, 0, -1}, {50, -80, 0}, 100, M_PI / 3, 2 * M_PI / 3),
      AddBulgePolyline({{{0, 0}, 0.0}, {{50, 0}, 0.2}, {{100, 0}, 0.0}}),
      AddSpline({{0, 0, 0}, {30, 10, 0}, {60, -5, 0}, {100, 0, 0}}),
  };
  for (ZcDbObjectId id : curves) {
    UI_Curve curve(id);
    ZcDbObjectIdArray ids;
    ZcGePoint3d above(50, 60, 0), below(50, -60, 0);
    size_t before = ModelSpace().size();
    int sign = 1, first = curve.OffsetTowardsPoint(5.0, ids, below, sign);
    if (first == Zcad::eOffsetOnWrongSide) first = curve.OffsetTowardsPoint(5.0, ids, below, sign = -1);
    ASSERT_EQ(0, first);
    EXPECT_EQ(Zcad::eOffsetOnWrongSide, curve.OffsetTowardsPoint(5.0, ids, above, sign));
    EXPECT_EQ(before + 1, ModelSpace().size()) << "only the accepted offset stays";
    ASSERT_EQ(1, ids.length());
    UI_Curve offset(ids[0]);
    EXPECT_NEAR(curve.DistanceToPoint(below) - 5.0, offset.DistanceToPoint(below), 1e-6);
    EXPECT_NEAR(5.0, curve.DistanceToPoint(StartOf(ids[0])), 1e-6);
  }
  UI_Curve none;
  ZcDbObjectIdArray ids;
  EXPECT_EQ(374, none.OffsetTowardsPoint(5.0, ids, {}, 1));
}

TEST_F(UI_CurveTest, SplitsKeepTheGroupAndSkipPointsAtTheEnds) {
  ZcDbObjectId line = AddLine({0, 0, 0}, {100, 0, 0});
  MakeGroup(L"Przód", {line});
  UI_Curve curve(line);
  ZcDbObjectIdArray ids;
  EXPECT_EQ(0, curve.SplitAtPoint({1e-7, 3, 0}, ids));
  EXPECT_TRUE(ids.isEmpty()) << "a point at an end splits nothing";
  ASSERT_EQ(0, curve.SplitAtPoint({30, 3, 0}, ids));
  ASSERT_EQ(2, ids.length());
  EXPECT_TRUE(Near(EndOf(ids[0]), {30, 0, 0}));
  UI_Group group;
  ASSERT_TRUE(group.SetFromEntity(Read<ZcDbLine>(ids[1])));
  ZcDbObjectIdArray members;
  group.Group()->allEntityIds(members);
  EXPECT_EQ(3, members.length());

  ASSERT_EQ(0, curve.SplitKeepLonger({30, 0, 0}));
  EXPECT_NEAR(70.0, curve.GetLength(), 1e-9);
  EXPECT_FALSE(curve.Id() == line);

  ZcDbObjectId circle = AddCircle({0, 0, 0}, 5);
  UI_Curve c(circle);
  EXPECT_NE(0, c.SplitAtPoint({5, 1, 0}, ids)) << "a circle cannot be split at one point";
  EXPECT_EQ(123, Read<ZcDbCircle>(circle)->colorIndex());
}

TEST_F(UI_CurveTest, LengthsOfClosedCurvesAreTheirPerimeters) {
  EXPECT_NEAR(40.0, UI_Curve(AddBulgePolyline({{{0, 0}, 0}, {{10, 0}, 0}, {{10, 10}, 0}, {{0, 10}, 0}}, true)).GetLength(), 1e-9);
  EXPECT_NEAR(2 * M_PI * 3, UI_Curve(AddCircle({1, 1, 0}, 3)).GetLength(), 1e-12);
  UI_Curve line(AddLine({0, 0, 0}, {100, 0, 0}));
  ZcGePoint3d p;
  ASSERT_EQ(0, line.PointAtDistanceOnCurve(99.5, p));
  EXPECT_TRUE(Near(p, {99.99, 0, 0}));
  ASSERT_EQ(0, line.PointAtDistanceOnCurve(99.0, p));
  EXPECT_TRUE(Near(p, {99, 0, 0}));
  EXPECT_NEAR(42.0, line.DistanceAlongCurveToPoint({42, 7, 0}), 1e-12);

  ZcDbObjectId gone = AddLine({0, 0, 0}, {1, 0, 0});
  Erase(gone);
  UI_Curve erased;
  EXPECT_FALSE(erased.Attach(gone));
  EXPECT_EQ(-1.0, erased.GetLength());
  UI_Curve text;
  EXPECT_FALSE(text.Attach(AddMText({0, 0, 0})));
}

TEST_F(UI_CurveTest, CurvesBecomeExactPolylines) {
  auto bulges = [&](ZcDbObjectId curve, std::vector<ZcGePoint3d>& points) {
    ZcDbObjectId id;
    EXPECT_EQ(0, UI_Curve(curve).AddCurveToPolyline(id));
    auto* pl = Read<ZcDbPolyline>(id);
    std::vector<double> out;
    for (unsigned i = 0; pl && i < pl->numVerts(); ++i) {
      double b = 0;
      ZcGePoint3d p;
      pl->getBulgeAt(i, b);
      pl->getPointAt(i, p);
      out.push_back(b);
      points.push_back(p);
    }
    return out;
  };
  std::vector<ZcGePoint3d> pts;
  auto b = bulges(AddArc({0, 0, 0}, 10, 350 * M_PI / 180, 10 * M_PI / 180), pts);
  ASSERT_EQ(2u, b.size());
  EXPECT_NEAR(std::tan(5 * M_PI / 180), b[0], 1e-12);

  pts.clear();
  ZcDbObjectId minusZ = AddArcAbout({0, 0, -1}, {0, 0, 0}, 10, 0, M_PI / 2);
  b = bulges(minusZ, pts);
  EXPECT_NEAR(-std::tan(M_PI / 8), b[0], 1e-12) << "about -Z the arc runs clockwise";
  EXPECT_TRUE(Near(pts[0], {-10, 0, 0}));
  EXPECT_TRUE(Near(pts[1], {0, 10, 0}));

  pts.clear();
  b = bulges(AddCircle({5, 5, 0}, 2), pts);
  EXPECT_EQ((std::vector<double>{1.0, 1.0}), b);
  EXPECT_TRUE(Near(pts[0], {3, 5, 0}));

  ZcDbObjectId id;
  EXPECT_EQ(Zcad::eNotThatKindOfClass, UI_Curve(AddSpline({{0, 0, 0}, {5, 5, 0}, {10, 0, 0}})).AddCurveToPolyline(id));
}

TEST_F(UI_CurveTest, TheFrameworksConversionUsesTheExactCopyOnceRegistered) {
  RegisterGeometryServices();
  ZcDbObjectId pl;
  ASSERT_EQ(0, ConvertCurveToPolyline(pl, AddCircle({0, 0, 0}, 7)));
  EXPECT_EQ(2u, Read<ZcDbPolyline>(pl)->numVerts());
  EXPECT_TRUE(Read<ZcDbPolyline>(pl)->isClosed());
  ASSERT_EQ(0, ConvertCurveToPolyline(pl, AddSpline({{0, 0, 0}, {5, 5, 0}, {10, 0, 0}})));
  EXPECT_GT(Read<ZcDbPolyline>(pl)->numVerts(), 10u) << "a spline is divided in unit steps";
  UnregisterGeometryServices();
}

TEST_F(UI_CurveTest, NearestCrossingWithALine) {
  UI_Curve circle(AddCircle({0, 0, 0}, 5));
  ZcGePoint3d p;
  ASSERT_EQ(0, circle.NearestIntersectionWithLine({-20, 3, 0}, {1, 0, 0}, p));
  EXPECT_TRUE(Near(p, {-4, 3, 0}));
  EXPECT_EQ(Zcad::eUnknownStatus, circle.NearestIntersectionWithLine({-20, 9, 0}, {1, 0, 0}, p));
  EXPECT_EQ(1u, ModelSpace().size()) << "the probe line never enters the drawing";
}

}  // namespace
