// The size rules dialog, run by its command from the loaded modules and driven as a user
// drives it: adding, deleting the selected rows, renaming in place twice, the base size,
// importing a list with a base, and "Utwórz" with no size.
#include "sizes/Fastrelle_Sizes_Rules_dlg.h"

#include <fstream>

#include "construction/Fastrelle_Part_Drawer.h"
#include "construction/PartSizeGroup.h"
#include "construction/PartsFixture.h"
#include "headless/Database.h"
#include "headless/Host.h"
#include "headless/Windows.h"

namespace {

class SizeRules : public PartsTest {
protected:
  void SetUp() override {
    PartsTest::SetUp();
    ASSERT_TRUE(StartFastrelle(FreshInstall()));
    EnsureSizeLayers(Fastrelle_Size(L"42", 3, false));
    ASSERT_EQ(0, Fastrelle_Part_Drawer(L"Front", 0).BuildFromCurves(Square()));
    windows_ = headless::LiveWindowCount();
  }
  void TearDown() override {
    EXPECT_EQ(windows_, headless::LiveWindowCount()) << "a window outlived the command";
    EXPECT_EQ(0, headless::WriteViolations()) << "an object was changed without being open for write";
    EXPECT_EQ(0, headless::StrayCloses()) << "an object was closed that was not open";
    PartsTest::TearDown();
  }
  /// Runs the command with the dialog actions, then closes it; the last dump of the list.
  std::wstring Run(std::vector<std::wstring> actions) {
    actions.push_back(L"@dlg show");
    actions.push_back(L"@dlg click 8014");
    headless::ClearTranscript();
    headless::PushInputs(actions);
    EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"Fastrelle:Grading:Rule"));
    std::wstring t = headless::Transcript();
    std::size_t list = t.rfind(L"8013 list:");
    std::size_t end = t.find(L"\n  8015", list);
    EXPECT_NE(std::wstring::npos, t.find(L"[Dialog 8004 ended: 8]")) << headless::ToUtf8(t);
    EXPECT_EQ(0, headless::Undo().openGroups);
    return list == std::wstring::npos ? t : t.substr(list, end - list);
  }
  /// The rows' texts, "|"-joined, from a list dump.
  static std::wstring Rows(const std::wstring& dump) {
    std::wstring rows;
    std::size_t at = 0;
    while ((at = dump.find(L"\n    ", at)) != std::wstring::npos) {
      at = dump.find(L": ", at) + 2;
      rows += (rows.empty() ? L"" : L"|") + dump.substr(at, dump.find(L" |", at) - at);
    }
    return rows;
  }
  std::size_t windows_ = 0;
};

TEST_F(SizeRules, PlusAddsTheNextSizeWithItsLayersAndACopyOfEveryPart) {
  std::wstring list = Run({L"@dlg click 8015"});
  EXPECT_EQ(L"38|*40|42|43", Rows(list));
  EXPECT_EQ(L"0 38 38' 38~ ^40 ^40' ^40~ 42 42' 42~ 0' 0~ 43 43' 43~", LayerNames());
  ZcDbObjectIdArray copies = Members(L"Front|43");
  ASSERT_EQ(8, copies.length());
  EXPECT_EQ(L"43", Read<ZcDbEntity>(copies[0])->layer());
  EXPECT_EQ(4, References(L"Front|43"));
}

TEST_F(SizeRules, DeletingTwoSelectedRowsDeletesExactlyThoseSizesEvenWhereAPartLacksOne) {
  PartSizeGroup(nullptr, L"Front", L"42").Erase();
  std::wstring list = Run({L"@dlg select 8013 38", L"@dlg select 8013 +42", L"@dlg click 8016"});
  EXPECT_EQ(L"*40", Rows(list));
  EXPECT_EQ(L"0 ^40 ^40' ^40~ 0' 0~", LayerNames());
  EXPECT_FALSE(HasGroup(L"Front|38"));
  EXPECT_EQ(8, Members(L"Front|40").length());
  EXPECT_EQ(8, Members(L"Front|0").length());
}

TEST_F(SizeRules, ARowRenamedTwiceRenamesItsSizeEachTime) {
  std::wstring list = Run({L"@dlg edit 8013 42 0 44", L"@dlg edit 8013 44 0 46", L"@dlg edit 8013 *40 0 *41",
                           L"@dlg edit 8013 46 0 38", L"@dlg edit 8013 46 0 "});
  EXPECT_EQ(L"38|*41|46", Rows(list));
  EXPECT_EQ(L"0 38 38' 38~ ^41 ^41' ^41~ 46 46' 46~ 0' 0~", LayerNames());
  EXPECT_TRUE(HasGroup(L"Front|46"));
  EXPECT_TRUE(HasGroup(L"Front|41"));
  EXPECT_FALSE(HasGroup(L"Front|44"));
  EXPECT_EQ(8, Members(L"Front|0").length());  // "0'" and "0~" untouched
}

TEST_F(SizeRules, TheBaseMovesOnlyToASelectedRowAndItsColourCellsFollowTheLayers) {
  EXPECT_EQ(L"38|*40|42", Rows(Run({L"@dlg click 1000"})));
  EXPECT_EQ(L"40", GetBaseSizeName());
  std::wstring list = Run({L"@dlg select 8013 42", L"@dlg click 1000", L"@dlg click 8013 40 1", L"@color 5"});
  EXPECT_EQ(L"38|40|*42", Rows(list));
  EXPECT_EQ(L"42", GetBaseSizeName());
  // The old base row's colour cell coloured the renamed layers, and made no "^40" again.
  EXPECT_EQ(5, LayerColor(L"40~"));
  EXPECT_EQ(-1, LayerColor(L"^40"));
}

TEST_F(SizeRules, TheColourCellOfASizeMissingALayerColoursThatSizeAndNotSizeZero) {
  ZcDbLayerTable* table = nullptr;
  db_->getLayerTable(table, ZcDb::kForRead);
  ZcDbSymbolTableRecord* cut = nullptr;
  ASSERT_EQ(Zcad::eOk, table->getAt(L"42'", cut, ZcDb::kForWrite));
  cut->erase();
  cut->close();
  table->close();
  const int zero = LayerColor(L"0~");
  Run({L"@dlg click 8013 42 1", L"@color 4"});
  EXPECT_EQ(4, LayerColor(L"42"));
  EXPECT_EQ(4, LayerColor(L"42~"));
  EXPECT_EQ(zero, LayerColor(L"0~"));
  EXPECT_EQ(-1, LayerColor(L"42'"));
}

TEST_F(SizeRules, AnImportedListWithABaseKeepsTheDrawingsOneBase) {
  const std::string file = tmp_.string() + "/sizes.txs";
  std::ofstream(file) << "*44 3\r\n46 2\r\n";
  std::wstring list = Run({L"@dlg click 8010", L"@file " + headless::FromUtf8(file)});
  EXPECT_EQ(L"38|*40|42|44|46", Rows(list));
  EXPECT_EQ(L"40", GetBaseSizeName());
  EXPECT_EQ(8, Members(L"Front|44").length());
  EXPECT_EQ(3, LayerColor(L"44~"));
}

TEST_F(SizeRules, CreateWithNoSizesSaysSoAndStillLaysThePartsOut) {
  PartSizeGroup(nullptr, L"Front", L"40").Erase();
  std::wstring list = Run({L"@dlg select 8013 38", L"@dlg select 8013 +*40", L"@dlg select 8013 +42",
                           L"@dlg click 8016", L"@dlg click 8017"});
  EXPECT_EQ(L"", Rows(list));
  ASSERT_FALSE(headless::MessageBoxes().empty());
  EXPECT_EQ(L"Dodaj rozmiary do utworzenia", headless::MessageBoxes().back().text);
}

TEST_F(SizeRules, ADialogThatCannotOpenLeavesNoWindowAndClosesItsUndoGroup) {
  headless::FailWindowCreation(1);
  EXPECT_EQ(headless::CommandResult::Ran, headless::RunCommand(L"Fastrelle:Grading:Rule"));
  headless::FailWindowCreation(0);
  EXPECT_EQ(0, headless::Undo().openGroups);
  EXPECT_EQ(L"0 38 38' 38~ ^40 ^40' ^40~ 42 42' 42~ 0' 0~", LayerNames());
}

}  // namespace
