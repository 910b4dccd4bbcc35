// The construction command set: every command it holds is a row of the command table,
// with that row's names and flags, in the table's order; the menu types the table's
// commands in the same order; registering makes each reachable by both names.
#include "construction/Construction_cmds.h"

#include "MarkingFixture.h"
#include "support/CommandTable.h"

namespace {

// The command table, in registration order.
const CommandRow kTable[] = {
    {L"Fastrelle:Nacinek", L"Fastrelle:Notch", 7},
    {L"Fastrelle:PunktSpecialny", L"Fastrelle:SpecialPoint", 1},
    {L"Fastrelle:Dziurka", L"Fastrelle:Hole", 1},
    {L"Fastrelle:Opis", L"Fastrelle:Description", 1},
    {L"Fastrelle:DodatekNaSzew", L"Fastrelle:AddCutLine", 1},
    {L"Fastrelle:WygładźSplajn", L"Fastrelle:SmoothSpline", 7},
    {L"Fastrelle:DodajDoFormy", L"Fastrelle:AddToForm", 1},
    {L"Fastrelle:Miarka", L"Fastrelle:Measure", 2},
    {L"Fastrelle:MiarkaElementu", L"Fastrelle:MeasureEntity", 2},
    {L"Fastrelle:KompletowanieInformacji", L"Fastrelle:FormSet", 1},
    {L"Fastrelle:Forma", L"Fastrelle:Form", 1},
    {L"Fastrelle:SzybkaForma", L"Fastrelle:FormBoundary", 1},
    {L"Fastrelle:Zmien:Zaznaczanie", L"Fastrelle:Switch:GroupSelection", 1},
    {L"Fastrelle:Zmien:Wyswietlanie", L"Fastrelle:Switch:Solid", 1},
    {L"Fastrelle:RegułyStopniowania", L"Fastrelle:Grading:Rule", 1},
    {L"Fastrelle:Stopniowanie", L"Fastrelle:Grades", 1},
    {L"Fastrelle:DodajPunkt", L"Fastrelle:AddPoint", 1},
    {L"Fastrelle:DodajPunktNaPrzecięciu", L"Fastrelle:AddPointIntersecting", 1},
    {L"Fastrelle:Zaszewka", L"Fastrelle:Dart", 1},
    {L"Fastrelle:Kierunek", L"Fastrelle:Direction", 1},
    {L"Fastrelle:PołączRóg", L"Fastrelle:Corner", 1},
    {L"Fastrelle:PołączRogi", L"Fastrelle:MultiCorner", 1},
    {L"Fastrelle:Szablony", L"Fastrelle:Templates", 1},
    {L"Fastrelle:Wyrównaj", L"Fastrelle:Align", 1},
    {L"Fastrelle:KontrolaPrzyrostu", L"Fastrelle:GrowthControl", 1},
};
using CommandSet = MarkingTest;

TEST_F(CommandSet, EveryCommandIsARowOfTheTableWithItsNamesAndFlagsInTableOrder) {
  Construction_cmds set;
  EXPECT_EQ(CString(L"Fastrelle_Constructions"), set.Group());
  ExpectSetFollowsTable(set, kTable);
}

TEST_F(CommandSet, RegisteredCommandsAnswerToBothNames) {
  Construction_cmds set;
  set.Register();
  SetShort(L"PICKSTYLE", 0);
  EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"Fastrelle:Zmien:Zaznaczanie"));
  EXPECT_EQ(1, GetShort(L"PICKSTYLE"));
  EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"Fastrelle:Switch:GroupSelection"));
  EXPECT_EQ(0, GetShort(L"PICKSTYLE"));
  set.RemoveRegistered();
}

TEST_F(CommandSet, TheMenuTypesTheTablesCommandsInItsOrder) {
  ExpectMenuTypesTable(MenuSection(L"***POP1", L"***POP2"), kTable);
}

}  // namespace
