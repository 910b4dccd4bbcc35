// The piece movers: how far a step goes and what stops it (the border, crossing outlines
// of any shape, not boxes alone), pieces moved together, the jump to the right border,
// and pieces that cannot be measured.
#include "layout/Layout_Move.h"

#include "LayoutFixture.h"
#include "framework/Transforms.h"
#include "layout/Layout_draw_closingLine.h"

namespace {

class Movers : public LayoutTest {
protected:
  void SetUp() override {
    LayoutTest::SetUp();
    Border(300, 1000);
  }
  ZcDbObjectIdArray Ids(std::initializer_list<ZcDbObjectId> ids) {
    ZcDbObjectIdArray out;
    for (ZcDbObjectId id : ids) out.append(id);
    return out;
  }
  ZcDbObjectId Square(const wchar_t* name, const ZcGePoint3d& at, double side = 50) {
    return Place(PieceBlock(name, {Rectangle(side, side)}), at);
  }
};

TEST_F(Movers, AStepThatWouldOverlapIsHalvedUntilBelowOneSoPiecesStopUnderAStepApart) {
  Square(L"m|A|S|S|B", {100, 100, 0});
  ZcDbObjectId b = Square(L"m|B|S|S|B", {153, 100, 0});
  Layout_Move_Left mover(Ids({b}));
  EXPECT_EQ(0, mover.Run());
  // 5 refused, 2.5 kept, then 2.5, 1.25 and 0.625 refused.
  EXPECT_EQ(5, mover.StepsTried());
  EXPECT_NEAR(150.5, Box(b).minPoint().x, 1e-12);
  // From 303 away: sixty steps of 5 through free room, then the same five.
  ZcDbObjectId c = Square(L"m|C|S|S|B", {100, 200, 0});
  ZcDbObjectId far = Square(L"m|D|S|S|B", {453, 200, 0});
  Layout_Move_Left run(Ids({far}));
  EXPECT_EQ(0, run.Run());
  EXPECT_EQ(65, run.StepsTried());
  EXPECT_NEAR(Box(c).maxPoint().x + 0.5, Box(far).minPoint().x, 1e-12);
}

TEST_F(Movers, PiecesCrossingLikeAPlusSignBlockThoughNoCornerLiesInTheOther) {
  // A thin bar under a tall narrow piece: one step down would lay them across each other.
  ZcDbObjectId bar = Place(PieceBlock(L"m|Bar|S|S|B", {Rectangle(150, 1)}), {50, 50, 0});
  ZcDbObjectId tall = Place(PieceBlock(L"m|Tall|S|S|B", {Rectangle(10, 100)}), {100, 53, 0});
  Layout_Move_Bottom mover(Ids({tall}));
  EXPECT_EQ(0, mover.Run());
  EXPECT_GE(Box(tall).minPoint().y, Box(bar).maxPoint().y);
  EXPECT_LT(Box(tall).minPoint().y, 51.0 + 0.625);
}

TEST_F(Movers, APieceWithANeighbourInItsNotchStopsBelowIt) {
  // An L: a foot 60 wide and 20 high, a leg 20 wide and 60 high; a small piece sits in the
  // notch above the foot.
  auto* outline = new ZcDbPolyline;
  ZcGePoint2d corners[] = {{0, 0}, {60, 0}, {60, 20}, {20, 20}, {20, 60}, {0, 60}};
  for (unsigned i = 0; i < 6; ++i) outline->addVertexAt(i, corners[i]);
  outline->setClosed(true);
  ZcDbObjectId l = Place(PieceBlock(L"m|L|S|S|B", {outline}), {100, 100, 0});
  ZcDbObjectId small = Square(L"m|Small|S|S|B", {145, 134, 0}, 10);
  Layout_Move_Top mover(Ids({l}));
  EXPECT_EQ(0, mover.Run());
  EXPECT_NEAR(113.75, Box(l).minPoint().y, 1e-12);  // the foot's top at 133.75, below 134
  EXPECT_EQ(134.0, Box(small).minPoint().y);
}

TEST_F(Movers, OverlappingPiecesMayMoveApartButNotDeeper) {
  ZcDbObjectId a = Square(L"m|A|S|S|B", {200, 100, 0});
  ZcDbObjectId b = Square(L"m|B|S|S|B", {230, 120, 0});  // laid across a's corner
  Layout_Move_Left away(Ids({a}));
  away.SetRedrawOnEnd(false);
  EXPECT_EQ(0, away.Run());
  EXPECT_LT(Box(a).minPoint().x, 1.0);  // free of b, then pushed to the border
  Layout_Move_Left deeper(Ids({b}));
  deeper.SetRedrawOnEnd(false);
  EXPECT_EQ(0, deeper.Run());
  EXPECT_GE(Box(b).minPoint().x, Box(a).maxPoint().x);
}

TEST_F(Movers, TheBorderStopsAPieceAndTheRightMoverJumpsToItsEdgeAcrossPieces) {
  ZcDbObjectId a = Square(L"m|A|S|S|B", {0, 100, 0});
  Layout_Move_Left stuck(Ids({a}));
  EXPECT_EQ(0, stuck.Run());
  EXPECT_EQ(4, stuck.StepsTried());
  EXPECT_EQ(0.0, Box(a).minPoint().x);

  Square(L"m|B|S|S|B", {300, 100, 0});
  Layout_Move_Right jump(Ids({a}));
  EXPECT_EQ(0, jump.Run());
  EXPECT_EQ(1000.0, Box(a).maxPoint().x);
  EXPECT_EQ(100.0, Box(a).minPoint().y);
  // Up to the top edge, sliding along the right one.
  Layout_Move_Top up(Ids({a}));
  EXPECT_EQ(0, up.Run());
  EXPECT_GT(Box(a).maxPoint().y, 300 - 0.625);
  EXPECT_LE(Box(a).maxPoint().y, 300.0);
}

TEST_F(Movers, TouchingSelectedPiecesMoveTogetherAndTheClosingLineFollows) {
  ZcDbObjectId a = Square(L"m|A|S|S|B", {100, 100, 0});
  ZcDbObjectId b = Square(L"m|B|S|S|B", {150, 100, 0});
  Layout_draw_closingLine().Draw();
  {
    Layout_Move_Left mover(Ids({a, b}));
    EXPECT_EQ(0, mover.Run());
  }
  EXPECT_EQ(0.0, Box(a).minPoint().x);  // 100 is twenty steps of 5
  EXPECT_EQ(Box(a).maxPoint().x, Box(b).minPoint().x);
  EXPECT_NEAR(Box(b).maxPoint().x + 0.1, Box(FindTaggedPolyline(L"EndLine")).minPoint().x, 1e-9);
}

TEST_F(Movers, WhatCannotBeMeasuredOrHasNoBorderDoesNotMove) {
  ZcDbObjectId empty = Place(PieceBlock(L"m|Empty|S|S|B", {}, false), {500, 100, 0});
  Layout_Move_Left blind(Ids({empty}));
  EXPECT_EQ(374, blind.Run());
  EXPECT_EQ(0, blind.StepsTried());
  EXPECT_EQ(374, Layout_Move_Left(ZcDbObjectIdArray()).Run());
  EXPECT_EQ(374, Layout_Move(ZcGeVector3d(0, 0, 0), Ids({empty})).Run());

  db_ = headless::NewDrawing();
  ZcDbObjectId a = Square(L"m|A|S|S|B", {100, 100, 0});
  EXPECT_EQ(374, Layout_Move_Right(Ids({a})).Run());
  EXPECT_EQ(100.0, Box(a).minPoint().x);
}

// A set moves whole or not at all: a member that cannot be moved puts back the others.
TEST_F(Movers, AFailedMoveOfASetPutsBackWhatMoved) {
  ZcDbObjectId a = AddLine({0, 0, 0}, {10, 0, 0}), b = AddLine({0, 5, 0}, {10, 5, 0});
  ZcDbObjectId c = AddLine({0, 9, 0}, {10, 9, 0});
  ZcDbEntity* held = nullptr;
  ASSERT_EQ(Zcad::eOk, zcdbOpenObject(held, c, ZcDb::kForWrite));
  EXPECT_NE(0, DbMove(Ids({a, b, c})).MoveBy(ZcGeVector3d(3, 0, 0)));
  held->close();
  EXPECT_EQ(0.0, Box(a).minPoint().x);
  EXPECT_EQ(0.0, Box(b).minPoint().x);
  EXPECT_EQ(0, DbMove(Ids({a, b, c})).MoveBy(ZcGeVector3d(3, 0, 0)));
  EXPECT_EQ(3.0, Box(c).minPoint().x);
}

}  // namespace
