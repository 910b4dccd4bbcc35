// Compaction: pieces pushed left, down and up in rounds until the used length stops
// shrinking, equal to the same steps composed from single movers; a layout without a
// border is left alone.
#include "layout/PressureAlgorithm.h"

#include "CompactionFixture.h"

namespace {

using Compaction = CompactionTest;

TEST_F(Compaction, PushesLeftDownAndUpUntilTheGainFallsBelowATenthAsTheComposedSteps) {
  // A fixed block hanging from the top at the left (not selected: it still blocks) and
  // three pieces held up to its right.
  auto layout = [&] {
    Border(100, 1000);
    Place(PieceBlock(L"m|Stała|S|S|B", {Rectangle(30, 60)}), {0, 40, 0});
    ZcDbObjectIdArray pieces;
    pieces.append(Place(PieceBlock(L"m|B|S|S|B", {Rectangle(30, 30)}), {40, 50, 0}));
    pieces.append(Place(PieceBlock(L"m|C|S|S|B", {Rectangle(30, 30)}), {80, 50, 0}));
    pieces.append(Place(PieceBlock(L"m|D|S|S|B", {Rectangle(20, 20)}), {120, 50, 0}));
    return pieces;
  };
  ZcDbObjectIdArray pieces = layout();
  PressureByMoveEachInOneStep pressure;
  EXPECT_EQ(0, pressure.SetBorder(FindTaggedPolyline(L"Layout")));
  pressure.m_pieces = pieces;
  EXPECT_EQ(0, pressure.Run());
  std::vector<double> ours = Positions(pieces);
  EXPECT_EQ(3, pressure.Tests());

  db_ = headless::NewDrawing();
  CachingRestored restore;
  headless::SetCaching(false);
  ZcDbObjectIdArray again = layout();
  EXPECT_EQ(3, Composed(again));
  std::vector<double> composed = Positions(again);
  ASSERT_EQ(composed.size(), ours.size());
  for (std::size_t i = 0; i < ours.size(); ++i) EXPECT_NEAR(composed[i], ours[i], 1e-9) << i;
}

TEST_F(Compaction, WithoutABorderNothingMoves) {
  ZcDbObjectId piece = Place(PieceBlock(L"m|B|S|S|B", {Rectangle(30, 30)}), {40, 50, 0});
  PressureByMoveEachInOneStep pressure;
  EXPECT_EQ(374, pressure.SetBorder(FindTaggedPolyline(L"Layout")));
  pressure.m_pieces = One(piece);
  EXPECT_EQ(374, pressure.Run());
  EXPECT_EQ(40.0, Box(piece).minPoint().x);
}

}  // namespace
