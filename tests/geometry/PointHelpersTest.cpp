// Point helpers: distances from lines stay exact at pattern scales (a point 0.1 mm off a
// line a metre away is 0.1 off), feet fall on the far side of A too, and user input comes
// back in world coordinates whatever the UCS.
#include "geometry/PointHelpers.h"

#include "DrawingFixture.h"
#include "framework/Transforms.h"

namespace {

class PointHelpers : public DrawingTest {};

TEST_F(PointHelpers, DistanceFromALineIsExactAtAnyScale) {
  ZcGePoint3d a(0, 0, 0), b(2000, 0, 0);
  EXPECT_NEAR(0.1, DistancePointToLine({1000, 0.1, 0}, a, b), 1e-12);
  EXPECT_NEAR(0.001, DistancePointToLine({-1000, -0.001, 0}, a, b), 1e-12);  // beyond A, below
  EXPECT_EQ(0.0, DistancePointToLine({1234.5678, 0, 0}, a, b));
  EXPECT_EQ(0.0, DistancePointToLine({3, 4, 0}, {1, 1, 0}, {5, 7, 0}));  // on a slanted line
  EXPECT_DOUBLE_EQ(5.0, DistancePointToLine({3, 4, 0}, a, a)) << "no line: the distance from A";
}

TEST_F(PointHelpers, PerpendicularFeetLieOnEitherSideOfA) {
  ZcGePoint3d a(0, 0, 0), b(10, 0, 0);
  EXPECT_TRUE(PerpendicularFoot({5, 3, 0}, a, b).isEqualTo({5, 0, 0}));
  EXPECT_TRUE(PerpendicularFoot({-4, 3, 0}, a, b).isEqualTo({-4, 0, 0}));
  ZcGePoint3d far = PerpendicularFoot({-50000, 0.05, 0}, {100000, 100000, 0}, {100010, 100000, 0});
  EXPECT_NEAR(-50000, far.x, 1e-6);
  EXPECT_NEAR(100000, far.y, 1e-6);
  ZcGePoint3d on(7, 1e-8, 0);
  EXPECT_TRUE(PerpendicularFoot(on, a, b).isEqualTo(on));
}

TEST_F(PointHelpers, PointsAlongADirection) {
  ZcGePoint3d a(1, 1, 0), b(4, 5, 0);
  EXPECT_TRUE(PointAtDistanceTowards(a, b, 10).isEqualTo({7, 9, 0}));
  EXPECT_TRUE(PointAtDistanceTowards(a, b, -5).isEqualTo({-2, -3, 0}));
  EXPECT_TRUE(PointAtDistanceTowards(a, a, 0).isEqualTo(a));
  EXPECT_TRUE(PointAtDistanceTowards(a, a, 3).isEqualTo(a));
  EXPECT_NEAR(3 * M_PI / 2, AngleInXYPlane({0, 0, 5}, {0, -2, -7}), 1e-15);
  EXPECT_TRUE(PolarPoint({1, 2, 3}, M_PI / 2, 2).isEqualTo({1, 4, 3}));
}

TEST_F(PointHelpers, PointsFromTheUserComeBackInWorldCoordinates) {
  ASSERT_EQ(0, ActiveUCS().SetOrigin({100, 50, 0}));
  EXPECT_TRUE(WcsToUcs({110, 60, 0}).isEqualTo({10, 10, 0}));
  EXPECT_TRUE(UcsToWcs({10, 10, 0}).isEqualTo({110, 60, 0}));
  headless::PushInput(L"10,20");
  ZcGePoint3d base(100, 50, 0), p;
  EXPECT_EQ(RTNORM, GetPointFromUser(L"Punkt", &base, p));
  EXPECT_TRUE(p.isEqualTo({110, 70, 0}));
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"Punkt: "));
  EXPECT_EQ(RTERROR, GetPointFromUser(L"Punkt", nullptr, p)) << "no answer left: cancelled";
}

}  // namespace
