// Matrices against results worked out by hand: rotation and mirror entries, the order of a
// composition, inverses, and what a singular matrix gives.
#include "ge/ZcGeMatrix3d.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
void expectEntries(const ZcGeMatrix3d& m, const double (&want)[3][4]) {
  for (unsigned r = 0; r < 3; ++r)
    for (unsigned c = 0; c < 4; ++c) EXPECT_NEAR(m(r, c), want[r][c], 1e-15) << r << "," << c;
  for (unsigned c = 0; c < 4; ++c) EXPECT_EQ(m(3, c), c == 3 ? 1.0 : 0.0);
}
}  // namespace

TEST(Matrix3d, QuarterTurnAboutZThroughAPointHasTheHandComputedEntries) {
  // p' = R (p − c) + c with R = [0 −1; 1 0], c = (2, 1): x' = −y + 3, y' = x − 1.
  ZcGeMatrix3d m = ZcGeMatrix3d::rotation(M_PI / 2, ZcGeVector3d::kZAxis, {2, 1, 0});
  expectEntries(m, {{0, -1, 0, 3}, {1, 0, 0, -1}, {0, 0, 1, 0}});
  // Turning about −Z turns the other way.
  ZcGePoint3d p(3, 1, 0);
  p.transformBy(ZcGeMatrix3d::rotation(M_PI / 2, -ZcGeVector3d::kZAxis, {2, 1, 0}));
  EXPECT_TRUE(p.isEqualTo({2, 0, 0}));
}

TEST(Matrix3d, RotationAboutTheSpaceDiagonalCyclesTheAxes) {
  // A third of a turn about (1, 1, 1) takes x to y, y to z, z to x.
  ZcGeMatrix3d m = ZcGeMatrix3d::rotation(2 * M_PI / 3, {1, 1, 1});
  expectEntries(m, {{0, 0, 1, 0}, {1, 0, 0, 0}, {0, 1, 0, 0}});
}

TEST(Matrix3d, MirrorAboutAnOffsetLineHasTheHandComputedEntries) {
  // The line y = x + 1 reflects (x, y) to (y − 1, x + 1), z unchanged.
  ZcGeMatrix3d m = ZcGeMatrix3d::mirroring(ZcGePoint3d(0, 1, 0), ZcGePoint3d(2, 3, 7));
  expectEntries(m, {{0, 1, 0, -1}, {1, 0, 0, 1}, {0, 0, 1, 0}});
  EXPECT_NEAR(m.det(), -1.0, 1e-15);
  EXPECT_TRUE((m * m).isEqualTo(ZcGeMatrix3d::kIdentity));  // a reflection undoes itself
  // Two coincident points give no line: the identity.
  EXPECT_TRUE(ZcGeMatrix3d::mirroring(ZcGePoint3d(1, 1, 0), ZcGePoint3d(1, 1, 0)).isEqualTo(ZcGeMatrix3d::kIdentity));
}

TEST(Matrix3d, ProductAppliesTheRightFactorFirst) {
  // T · S: scale by 2 about the origin, then move by (1, 0, 0): (1, 1, 1) → (3, 2, 2).
  ZcGeMatrix3d ts = ZcGeMatrix3d::translation({1, 0, 0}) * ZcGeMatrix3d::scaling(2.0);
  ZcGeMatrix3d st = ZcGeMatrix3d::scaling(2.0) * ZcGeMatrix3d::translation({1, 0, 0});
  ZcGePoint3d p(1, 1, 1), q(1, 1, 1);
  EXPECT_TRUE(p.transformBy(ts).isEqualTo({3, 2, 2}));
  EXPECT_TRUE(q.transformBy(st).isEqualTo({4, 2, 2}));
  ZcGeMatrix3d pre = ZcGeMatrix3d::scaling(2.0);
  pre.preMultBy(ZcGeMatrix3d::translation({1, 0, 0}));
  EXPECT_TRUE(pre.isEqualTo(ts));
  ZcGeMatrix3d post = ZcGeMatrix3d::scaling(2.0);
  post.postMultBy(ZcGeMatrix3d::translation({1, 0, 0}));
  EXPECT_TRUE(post.isEqualTo(st));
}

TEST(Matrix3d, InverseOfACompositionIsTheHandComputedOne) {
  // M = T(1, 2, 3) · Rz(90°) · S(2): p' = (−2y + 1, 2x + 2, 2z + 3), so
  // M⁻¹: x = (y' − 2) / 2, y = (1 − x') / 2, z = (z' − 3) / 2.
  ZcGeMatrix3d m = ZcGeMatrix3d::translation({1, 2, 3}) * ZcGeMatrix3d::rotation(M_PI / 2, ZcGeVector3d::kZAxis) *
                   ZcGeMatrix3d::scaling(2.0);
  expectEntries(m, {{0, -2, 0, 1}, {2, 0, 0, 2}, {0, 0, 2, 3}});
  expectEntries(m.inverse(), {{0, 0.5, 0, -1}, {-0.5, 0, 0, 0.5}, {0, 0, 0.5, -1.5}});
  EXPECT_TRUE((m * m.inverse()).isEqualTo(ZcGeMatrix3d::kIdentity));
  EXPECT_TRUE((m.inverse() * m).isEqualTo(ZcGeMatrix3d::kIdentity));
  // A general one: rotation about a skew axis through a point, then a move.
  ZcGeMatrix3d g = ZcGeMatrix3d::translation({-4, 2, 9}) * ZcGeMatrix3d::rotation(0.7, {1, -2, 3}, {5, 1, -2});
  EXPECT_TRUE((g * g.inverse()).isEqualTo(ZcGeMatrix3d::kIdentity));
}

TEST(Matrix3d, SingularMatrixInvertsToTheIdentityAndSaysSo) {
  ZcGeMatrix3d flat = ZcGeMatrix3d::scaling(0.0, {1, 2, 3});
  EXPECT_TRUE(flat.isSingular());
  EXPECT_TRUE(flat.inverse().isEqualTo(ZcGeMatrix3d::kIdentity));
  EXPECT_FALSE(ZcGeMatrix3d::rotation(1.0, ZcGeVector3d::kXAxis).isSingular());
}
