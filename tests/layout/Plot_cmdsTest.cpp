// The plot command set: every command it holds is a row of the command table, with that
// row's names and flags, in the table's order; the menu's popup and toolbar type the
// table's commands in the same order; the movers act on the pick-first set, compaction on the
// pieces the user selects.
#include "layout/Plot_cmds.h"

#include "LayoutFixture.h"
#include "support/CommandTable.h"
#include "framework/Selections.h"
#include "layout/Layout_Move_cmd.h"
#include "layout/Pressure_cmd.h"

namespace {

const CommandRow kTable[] = {
    {L"Fastrelle:Układ:Opisz", L"Fastrelle:Layout:Label", 1},
    {L"Fastrelle:Magazyn", L"Fastrelle:Repository", 1},
    {L"Fastrelle:Układ:SprawdźNałożenia", L"Fastrelle:Layout:CheckIntersections", 1},
    {L"Fastrelle:Układ:OpiszElementy", L"Fastrelle:Layout:LabelItems", 1},
    {L"Fastrelle:Układ:PrzesuńWLewo", L"Fastrelle:Layout:MoveLeft", 2},
    {L"Fastrelle:Układ:PrzesuńWGórę", L"Fastrelle:Layout:MoveTop", 2},
    {L"Fastrelle:Układ:PrzesuńWDół", L"Fastrelle:Layout:MoveBottom", 2},
    {L"Fastrelle:Układ:PrzesuńWPrawo", L"Fastrelle:Layout:MoveRight", 2},
    {L"Fastrelle:Docisk", L"Fastrelle:Pressure", 1},
};
using PlotCommandSet = LayoutTest;

TEST_F(PlotCommandSet, EveryCommandIsARowOfTheTableWithItsNamesAndFlagsInTableOrder) {
  Plot_cmds set;
  EXPECT_EQ(CString(L"Fastrelle_Plot"), set.Group());
  ExpectSetFollowsTable(set, kTable);
}

TEST_F(PlotCommandSet, ThePopupAndTheToolbarTypeTheTablesCommandsInItsOrder) {
  ExpectMenuTypesTable(MenuSection(L"***POP2", L"***"), kTable);
  ExpectMenuTypesTable(MenuSection(L"**TB_FASTRELLE_PLOT", L"\n**"), kTable);
}

TEST_F(PlotCommandSet, MoversActOnThePickFirstSetAndPlaceTheClosingLine) {
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

TEST_F(PlotCommandSet, CompactionSelectsOnlyPiecesAndSaysWhenThereIsNoBorder) {
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
