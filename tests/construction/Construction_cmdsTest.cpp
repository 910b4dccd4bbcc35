// The construction command set: every command it holds is a row of the command table,
// with that row's names and flags, in the table's order; the menu types the table's
// commands in the same order; registering makes each reachable by both names.
#include "construction/Construction_cmds.h"

#include <fstream>
#include <sstream>

#include "MarkingFixture.h"

namespace {

struct Row {
  const wchar_t *polish, *english;
  int flags;
};

// The command table, in registration order.
const Row kTable[] = {
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
constexpr int kRows = sizeof kTable / sizeof kTable[0];

int RowOf(const CString& english) {
  for (int i = 0; i < kRows; ++i)
    if (english == kTable[i].english) return i;
  return -1;
}

using CommandSet = MarkingTest;

TEST_F(CommandSet, EveryCommandIsARowOfTheTableWithItsNamesAndFlagsInTableOrder) {
  Construction_cmds set;
  EXPECT_EQ(CString(L"Fastrelle_Constructions"), set.Group());
  int last = -1;
  for (const auto& [command, launcher] : set.Commands()) {
    const int row = RowOf(command->EnglishName());
    ASSERT_GE(row, 0) << headless::ToUtf8(command->EnglishName().str());
    EXPECT_GT(row, last) << "out of the table's order: " << headless::ToUtf8(command->EnglishName().str());
    EXPECT_EQ(CString(kTable[row].polish), command->PolishName());
    EXPECT_EQ(kTable[row].flags, command->Flags()) << headless::ToUtf8(command->EnglishName().str());
    EXPECT_NE(nullptr, launcher);
    last = row;
  }
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
  std::ifstream file(std::string(FASTRELLE_INSTALL_DIR) + "/Menu/Fastrelle.mnu");
  std::stringstream text;
  text << file.rdbuf();
  const std::wstring menu = headless::FromUtf8(text.str());
  const std::wstring popup = menu.substr(menu.find(L"***POP1"), menu.find(L"***POP2") - menu.find(L"***POP1"));
  std::size_t at = 0;
  for (const Row& row : kTable) {
    const std::wstring macro = std::wstring(L"^C^C") + row.english + L"\n";
    const std::size_t found = popup.find(macro, at);
    ASSERT_NE(std::wstring::npos, found) << headless::ToUtf8(row.english);
    at = found + macro.size();
  }
}

}  // namespace
