// Value types: the rules callers rely on (in-plane perpendicular, zero vectors staying zero,
// parallel either way, matrices that move, turn and mirror).
#include "ge/ZcGeVector3d.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ge/ZcGeMatrix3d.h"

TEST(Vector3d, PerpVectorOfAPlanarVectorIsTheLeftQuarterTurnEvenWhenShort) {
  ZcGeVector3d v(1e-4, 2e-4, 0);
  ZcGeVector3d p = v.perpVector();
  EXPECT_EQ(p.z, 0.0);
  EXPECT_DOUBLE_EQ(p.x, -2e-4);
  EXPECT_DOUBLE_EQ(p.y, 1e-4);
}

TEST(Vector3d, NormalOfZeroStaysZeroAndParallelIgnoresDirection) {
  EXPECT_TRUE(ZcGeVector3d().normal().isZeroLength());
  EXPECT_TRUE(ZcGeVector3d(1, 2, 3).isParallelTo({-2, -4, -6}));
  EXPECT_FALSE(ZcGeVector3d(1, 2, 3).isParallelTo({-2, -4, -6.001}));
  EXPECT_FALSE(ZcGeVector3d().isParallelTo(ZcGeVector3d::kXAxis));
  EXPECT_TRUE(ZcGeVector3d(3, 0, 4).normal().isEqualTo({0.6, 0, 0.8}));
}

TEST(Matrix3d, RotationMirrorAndTranslationMovePointsWhereGeometrySays) {
  ZcGePoint3d p(2, 0, 0);
  p.transformBy(ZcGeMatrix3d::rotation(M_PI / 2, ZcGeVector3d::kZAxis, {1, 0, 0}));
  EXPECT_TRUE(p.isEqualTo({1, 1, 0}));
  ZcGePoint3d q(3, 1, 5);
  q.transformBy(ZcGeMatrix3d::mirroring(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0)));
  EXPECT_TRUE(q.isEqualTo({1, 3, 5}));
  ZcGeMatrix3d m = ZcGeMatrix3d::translation({1, 2, 3}) * ZcGeMatrix3d::scaling(2.0);
  ZcGePoint3d r(1, 1, 1);
  r.transformBy(m).transformBy(m.inverse());
  EXPECT_TRUE(r.isEqualTo({1, 1, 1}));
  EXPECT_LT(ZcGeMatrix3d::mirroring(ZcGePoint3d(0, 0, 0), ZcGePoint3d(0, 1, 0)).det(), 0.0);
}

TEST(Vector3d, AngleToWithAReferenceRunsCounterClockwiseAboutIt) {
  ZcGeVector3d x = ZcGeVector3d::kXAxis;
  EXPECT_NEAR(x.angleTo({0, 1, 0}, ZcGeVector3d::kZAxis), M_PI / 2, 1e-15);
  EXPECT_NEAR(x.angleTo({0, -1, 0}, ZcGeVector3d::kZAxis), 1.5 * M_PI, 1e-15);
  EXPECT_NEAR(x.angleTo({0, -1, 0}, -ZcGeVector3d::kZAxis), M_PI / 2, 1e-15);  // seen from below
  EXPECT_NEAR(x.angleTo({-1, 1e-300, 0}, ZcGeVector3d::kZAxis), M_PI, 1e-15);
  EXPECT_EQ(x.angleTo(x, ZcGeVector3d::kZAxis), 0.0);  // never 2π
  EXPECT_NEAR(x.angleTo({1, 1, 0}), M_PI / 4, 1e-15);
  EXPECT_NEAR(x.angleTo({1, -1, 0}), M_PI / 4, 1e-15);  // unsigned without a reference
}

TEST(Vector3d, PerpVectorOfAVectorOutOfThePlaneIsPerpendicularAndNotZero) {
  for (ZcGeVector3d v : {ZcGeVector3d(0, 0, 1), ZcGeVector3d(1, 2, 3), ZcGeVector3d(0, -2, 1e-3)}) {
    ZcGeVector3d p = v.perpVector();
    EXPECT_GT(p.length(), 0.1 * v.length());
    EXPECT_NEAR(p.dotProduct(v), 0.0, 1e-15);
  }
  EXPECT_TRUE(ZcGeVector3d().perpVector().isZeroLength());
}

TEST(Vector3d, ZeroAndTinyVectorsNormaliseToZeroExactly) {
  ZcGeVector3d z = ZcGeVector3d().normal();
  EXPECT_EQ(z.x, 0.0);
  EXPECT_EQ(z.y, 0.0);
  EXPECT_EQ(z.z, 0.0);
  ZcGeVector3d tiny(1e-12, 0, 0);
  EXPECT_TRUE(tiny.isZeroLength());
  EXPECT_EQ(tiny.normal().length(), 0.0);
  ZcGeVector3d v(1e-8, 0, 0);  // short but not zero: a unit vector
  EXPECT_NEAR(v.normal().length(), 1.0, 1e-15);
  EXPECT_FALSE(ZcGeVector3d(1, 0, 0).isParallelTo(ZcGeVector3d(), ZcGeTol()));
}
