// Arcs and circles: lengths against rθ and 2πr, the three-point construction, extension.
#include "ge/ZcGeCircArc3d.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ge/GeUtil.h"

TEST(CircArc, LengthsAreRadiusTimesSweep) {
  ZcGeCircArc3d circle({1, 1, 0}, ZcGeVector3d::kZAxis, 2.5);
  EXPECT_NEAR(circle.length(), 2 * M_PI * 2.5, 1e-12);
  ZcGeCircArc3d arc({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 3.0, 5.5, 0.5);  // across 0
  EXPECT_NEAR(arc.sweep(), 0.5 + 2 * M_PI - 5.5, 1e-14);
  EXPECT_NEAR(arc.length(), 3.0 * arc.sweep(), 1e-12);
}

TEST(CircArc, ThreePointArcPassesThroughItsPointsInOrder) {
  ZcGePoint3d a(0, 0, 0), m(1, 1, 0), b(2, 0, 0);  // clockwise in XY
  ZcGeCircArc3d arc;
  ASSERT_EQ(arc.set(a, m, b), Zcad::eOk);
  EXPECT_LE(arc.startPoint().distanceTo(a), 1e-12);
  EXPECT_LE(arc.endPoint().distanceTo(b), 1e-12);
  EXPECT_NEAR(arc.radius(), 1.0, 1e-12);
  EXPECT_LE(arc.center().distanceTo({1, 0, 0}), 1e-12);
  ZcGePoint3d cp;
  arc.getClosestPointTo({1, 5, 0}, cp);
  EXPECT_LE(cp.distanceTo(m), 1e-12);  // the middle point is on the arc
}

TEST(CircArc, ThreePointConstructionRefusesCollinearOrCoincidentPoints) {
  ZcGeCircArc3d arc;
  EXPECT_EQ(arc.set({0, 0, 0}, {1, 1, 0}, {2, 2, 0}), Zcad::eInvalidInput);
  EXPECT_EQ(arc.set({0, 0, 0}, {0, 0, 0}, {2, 2, 0}), Zcad::eInvalidInput);
  EXPECT_EQ(arc.set({1, 1, 0}, {2, 0, 0}, {1, 1, 0}), Zcad::eInvalidInput);
  ZcGeCircArc3d bad({0, 0, 0}, {1, 0, 0}, {2, 0, 0});
  EXPECT_EQ(bad.radius(), 0.0);
}

TEST(CircArc, ExtendMovesAnEndAlongTheCircleOnly) {
  ZcGeCircArc3d arc({0, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 2.0, 0.0, M_PI / 2);
  EXPECT_EQ(arc.extend(false, {-2, 0, 0}), Zcad::eOk);
  EXPECT_NEAR(arc.sweep(), M_PI, 1e-14);
  EXPECT_EQ(arc.extend(true, {5, 5, 0}), Zcad::eInvalidInput);
  ZcGeCircArc3d circle({0, 0, 0}, ZcGeVector3d::kZAxis, 1.0);
  EXPECT_EQ(circle.extend(true, {1, 0, 0}), Zcad::eNotApplicable);
}

TEST(CircArc, SplittingACircleAtOnePointIsAnError) {
  ZcGeCircArc3d circle({0, 0, 0}, ZcGeVector3d::kZAxis, 1.0);
  ZcGeCurve3dArray pieces;
  EXPECT_EQ(circle.getSplitCurves(std::vector<double>{1.0}, pieces), Zcad::eInvalidInput);
  EXPECT_EQ(circle.getSplitCurves(std::vector<double>{1.0, 4.0}, pieces), Zcad::eOk);
  ASSERT_EQ(pieces.size(), 2u);
  EXPECT_NEAR(pieces[0]->length() + pieces[1]->length(), 2 * M_PI, 1e-12);
}

TEST(CircArc, MirroredArcKeepsTurningAboutPlusZ) {
  ZcGeCircArc3d arc({1, 0, 0}, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis, 1.0, 0.0, M_PI / 2);
  ASSERT_EQ(arc.transformBy(ZcGeMatrix3d::mirroring(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 1, 0))), Zcad::eOk);
  EXPECT_NEAR(arc.normal().z, 1.0, 1e-14);
  EXPECT_LE(arc.center().distanceTo({-1, 0, 0}), 1e-14);
  EXPECT_NEAR(arc.startAngle(), M_PI / 2, 1e-14);
  EXPECT_NEAR(arc.endAngle(), M_PI, 1e-14);
}

TEST(GeUtil, AngleOfDirectionIsInZeroToTwoPi) {
  EXPECT_DOUBLE_EQ(zcutAngle(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)), 0.0);
  EXPECT_DOUBLE_EQ(zcutAngle(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 1, 0)), M_PI / 2);
  EXPECT_DOUBLE_EQ(zcutAngle(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, -1, 0)), 1.5 * M_PI);
  EXPECT_DOUBLE_EQ(zcutAngle(ZcGePoint3d(1, 1, 0), ZcGePoint3d(1, 1, 5)), 0.0);
  double a = zcutAngle(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, -1e-300, 0));
  EXPECT_GE(a, 0.0);
  EXPECT_LT(a, 2 * M_PI);
}
