// Curve chains: picked curves come back in a closed chain, touching corners untouched,
// overshoots trimmed to their crossing (coloured 3), gaps closed by a joining line right
// after the first of the two curves, the last curve joined back to the first.
#include "geometry/CurveChain.h"

#include "GeometryTest.h"

namespace {

class CurveChainTest : public GeometryTest {};

TEST_F(CurveChainTest, ATouchingSquareIsOrderedWithoutAnyChange) {
  ZcDbObjectId a = AddLine({0, 0, 0}, {10, 0, 0}), c = AddLine({10, 10, 0}, {0, 10, 0}),
               b = AddLine({10, 0, 0}, {10, 10, 0}), d = AddLine({0, 10, 0}, {0, 0, 0});
  ZcDbObjectIdArray ids = Ids({a, c, b, d});
  CurveChain().Order(ids);
  ASSERT_EQ(4, ids.length());
  EXPECT_EQ(a, ids[3]) << "the first picked comes last";
  EXPECT_EQ(4u, ModelSpace().size());
  for (ZcDbObjectId id : ids) EXPECT_EQ(256, Read<ZcDbLine>(id)->colorIndex());
}

TEST_F(CurveChainTest, OvershootsAreTrimmedAndGapsGetAJoiningLine) {
  ZcDbObjectId bottom = AddLine({-5, 0, 0}, {100, 0, 0}), side = AddLine({0, -5, 0}, {0, 100, 0});
  ZcDbObjectId top = AddLine({3, 103, 0}, {100, 103, 0}), right = AddLine({100, 100, 0}, {100, 0, 0});
  ZcDbObjectIdArray ids = Ids({bottom, side, top, right});
  CurveChain().Order(ids);
  EXPECT_TRUE(Near(StartOf(bottom), {0, 0, 0}));
  EXPECT_TRUE(Near(StartOf(side), {0, 0, 0}));
  EXPECT_EQ(3, Read<ZcDbLine>(bottom)->colorIndex());
  ASSERT_EQ(6, ids.length()) << "two joining lines";
  for (int i = 0; i < ids.length(); ++i) {
    auto* line = Read<ZcDbLine>(ids[i]);
    if (line->startPoint().isEqualTo({0, 100, 0}) || line->endPoint().isEqualTo({0, 100, 0})) {
      if (ids[i] == side) continue;
      EXPECT_TRUE(ids[i - 1] == side || ids[i - 1] == top) << "the joining line follows the first of its pair";
    }
  }
  EXPECT_EQ(6u, ModelSpace().size());
}

TEST_F(CurveChainTest, TwoCurvesTouchingAtOneEndAreClosedAtTheOther) {
  ZcDbObjectId arc = AddArc({0, 0, 0}, 10, 0, M_PI);
  ZcDbObjectId line = AddLine({10, 0, 0}, {-9, 0, 0});  // touches the arc's start, stops short of its end
  ZcDbObjectIdArray ids = Ids({arc, line});
  CurveChain().Order(ids);
  ASSERT_EQ(3, ids.length());
  ZcGePoint3d s = StartOf(ids[2]), e = EndOf(ids[2]);
  EXPECT_TRUE((Near(s, {-9, 0, 0}) && Near(e, {-10, 0, 0})) || (Near(s, {-10, 0, 0}) && Near(e, {-9, 0, 0})));
  ZcDbObjectIdArray empty;
  CurveChain().Order(empty);
  EXPECT_TRUE(empty.isEmpty());
}

}  // namespace
