// The plot set's mover and compaction commands: their names and flags, the movers acting
// on the pick-first set, compaction on the pieces the user selects.
#include "layout/Plot_cmds.h"

#include "LayoutFixture.h"
#include "framework/Selections.h"
#include "layout/Layout_Move_cmd.h"
#include "layout/Pressure_cmd.h"

namespace {

using PlotCommands = LayoutTest;

TEST_F(PlotCommands, TheMoversTakeThePickFirstSetAndCompactionAsksForPieces) {
  Plot_cmds set;
  struct Row {
    const wchar_t *english, *polish;
    int flags;
  };
  const Row expected[] = {{L"Fastrelle:Layout:MoveLeft", L"Fastrelle:Układ:PrzesuńWLewo", 2},
                          {L"Fastrelle:Layout:MoveTop", L"Fastrelle:Układ:PrzesuńWGórę", 2},
                          {L"Fastrelle:Layout:MoveBottom", L"Fastrelle:Układ:PrzesuńWDół", 2},
                          {L"Fastrelle:Layout:MoveRight", L"Fastrelle:Układ:PrzesuńWPrawo", 2},
                          {L"Fastrelle:Pressure", L"Fastrelle:Docisk", 1}};
  ASSERT_EQ(5u, set.Commands().size());
  EXPECT_EQ(L"Fastrelle_Plot", set.Group());
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(expected[i].english, set.Commands()[i].first->EnglishName());
    EXPECT_EQ(expected[i].polish, set.Commands()[i].first->PolishName());
    EXPECT_EQ(expected[i].flags, set.Commands()[i].first->Flags());
  }
}

TEST_F(PlotCommands, MoversActOnThePickFirstSetAndPlaceTheClosingLine) {
  Border(300, 1000);
  ZcDbObjectId piece = Place(PieceBlock(L"m|A|S|S|B", {Rectangle(50, 50)}), {100, 100, 0});
  Layout_Move_Left_cmd().Run();  // nothing selected: nothing moves
  EXPECT_EQ(100.0, Box(piece).minPoint().x);
  ZcDbObjectIdArray ids;
  ids.append(piece);
  SetPickFirst(ids);
  Layout_Move_Right_cmd().Run();
  EXPECT_EQ(1000.0, Box(piece).maxPoint().x);
  EXPECT_NEAR(1000.1, Box(FindTaggedPolyline(L"EndLine")).minPoint().x, 1e-9);
  SetPickFirst(ids);
  Layout_Move_Bottom_cmd().Run();
  EXPECT_EQ(0.0, Box(piece).minPoint().y);  // 100 is twenty steps of 5
}

TEST_F(PlotCommands, CompactionSelectsOnlyPiecesAndSaysWhenThereIsNoBorder) {
  ZcDbObjectId piece = Place(PieceBlock(L"m|A|S|S|B", {Rectangle(50, 50)}), {100, 100, 0});
  ZcDbObjectId line = AddLine({100, 100, 0}, {100, 300, 0});
  headless::PushInputs({L"125,150", L""});
  Pressure_cmd without;
  without.Run();
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"obrysu"));
  EXPECT_EQ(100.0, Box(piece).minPoint().x);

  Border(300, 1000);
  headless::PushInputs({L"125,150", L"100,250", L""});  // the piece, then the line
  Pressure_cmd command;
  command.Run();
  ASSERT_EQ(1, command.m_ids.length());
  EXPECT_EQ(piece, command.m_ids[0]);
  EXPECT_LT(Box(piece).minPoint().x, 0.625 + 1e-12);
  EXPECT_EQ(100.0, Box(line).minPoint().x);
}

}  // namespace
