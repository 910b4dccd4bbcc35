// A command set checked against its command table: every command it holds is a row of the
// table with that row's names and flags, in the table's order; and a section of the shipped
// menu types the table's commands in that order. Used by the construction and plot sets.
#ifndef TESTS_SUPPORT_COMMANDTABLE_H
#define TESTS_SUPPORT_COMMANDTABLE_H

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "headless/Host.h"
#include "mfc/CString.h"

struct CommandRow {
  const wchar_t *polish, *english;
  int flags;
};

template <std::size_t N, class Set>
void ExpectSetFollowsTable(const Set& set, const CommandRow (&table)[N]) {
  int last = -1;
  for (const auto& [command, launcher] : set.Commands()) {
    const std::string name = headless::ToUtf8(command->EnglishName().str());
    int row = -1;
    for (std::size_t i = 0; i < N; ++i)
      if (command->EnglishName() == table[i].english) row = static_cast<int>(i);
    ASSERT_GE(row, 0) << name;
    EXPECT_GT(row, last) << "out of the table's order: " << name;
    EXPECT_EQ(CString(table[row].polish), command->PolishName()) << name;
    EXPECT_EQ(table[row].flags, command->Flags()) << name;
    EXPECT_NE(nullptr, launcher) << name;
    last = row;
  }
}

/// The shipped menu's text from `from` up to the next `until` after it.
inline std::wstring MenuSection(const wchar_t* from, const wchar_t* until) {
  std::ifstream file(std::string(FASTRELLE_INSTALL_DIR) + "/Menu/Fastrelle.mnu");
  std::stringstream text;
  text << file.rdbuf();
  const std::wstring menu = headless::FromUtf8(text.str());
  const std::size_t start = menu.find(from);
  if (start == std::wstring::npos) return std::wstring();
  return menu.substr(start, menu.find(until, start + 1) - start);
}

/// The section types every command of the table, as "^C^C<english name>", in its order.
template <std::size_t N>
void ExpectMenuTypesTable(const std::wstring& section, const CommandRow (&table)[N]) {
  ASSERT_FALSE(section.empty());
  std::size_t at = 0;
  for (const CommandRow& row : table) {
    const std::wstring macro = std::wstring(L"^C^C") + row.english + L"\n";
    const std::size_t found = section.find(macro, at);
    ASSERT_NE(std::wstring::npos, found) << headless::ToUtf8(row.english);
    at = found + macro.size();
  }
}

#endif
