// The plot command set: every command it holds is a row of the command table, with that
// row's names and flags, in the table's order; the menu's popup and toolbar type the
// table's commands in the same order.
#include "layout/Plot_cmds.h"

#include <fstream>
#include <sstream>

#include "LayoutFixture.h"

namespace {

struct Row {
  const wchar_t *polish, *english;
  int flags;
};

const Row kTable[] = {
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
constexpr int kRows = sizeof kTable / sizeof kTable[0];

int RowOf(const CString& english) {
  for (int i = 0; i < kRows; ++i)
    if (english == kTable[i].english) return i;
  return -1;
}

using PlotCommandSet = LayoutTest;

TEST_F(PlotCommandSet, EveryCommandIsARowOfTheTableWithItsNamesAndFlagsInTableOrder) {
  Plot_cmds set;
  EXPECT_EQ(CString(L"Fastrelle_Plot"), set.Group());
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

TEST_F(PlotCommandSet, ThePopupAndTheToolbarTypeTheTablesCommandsInItsOrder) {
  std::ifstream file(std::string(FASTRELLE_INSTALL_DIR) + "/Menu/Fastrelle.mnu");
  std::stringstream text;
  text << file.rdbuf();
  const std::wstring menu = headless::FromUtf8(text.str());
  const std::size_t pop = menu.find(L"***POP2"), bar = menu.find(L"**TB_FASTRELLE_PLOT");
  ASSERT_NE(std::wstring::npos, pop);
  ASSERT_NE(std::wstring::npos, bar);
  for (const std::wstring& part : {menu.substr(pop, menu.find(L"***", pop + 3) - pop),
                                   menu.substr(bar, menu.find(L"\n**", bar + 2) - bar)}) {
    std::size_t at = 0;
    for (const Row& row : kTable) {
      const std::wstring macro = std::wstring(L"^C^C") + row.english + L"\n";
      const std::size_t found = part.find(macro, at);
      ASSERT_NE(std::wstring::npos, found) << headless::ToUtf8(row.english);
      at = found + macro.size();
    }
  }
}

}  // namespace
