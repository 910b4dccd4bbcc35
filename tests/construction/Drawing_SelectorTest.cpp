// The symbol dialog: the drawings of the folder it is given, the given drawing selected,
// an empty caption; OK gives the selected drawing, or "" when none is selected; the size
// text is read as a number, 1.0 when it is none.
#include "construction/Drawing_Selector.h"

#include "MarkingFixture.h"

namespace {

using SymbolDialog = MarkingTest;

TEST(SymbolDialogSize, ALeadingNumberIsTheSizeAndAnythingElseIsOne) {
  EXPECT_DOUBLE_EQ(2.5, Drawing_Selector::ParseSize(L"2,5"));
  EXPECT_DOUBLE_EQ(3.0, Drawing_Selector::ParseSize(L"3 mm"));
  EXPECT_DOUBLE_EQ(-1.5, Drawing_Selector::ParseSize(L"-1.5"));
  EXPECT_DOUBLE_EQ(0.0, Drawing_Selector::ParseSize(L""));
  EXPECT_DOUBLE_EQ(1.0, Drawing_Selector::ParseSize(L"x"));
  EXPECT_DOUBLE_EQ(1.0, Drawing_Selector::ParseSize(L" 2"));
}

TEST_F(SymbolDialog, AFolderShowsItsDrawingsAndOkWithNothingSelectedGivesNoPath) {
  Drawing_Selector dialog(Templates("Notch").c_str(), L"5.0000");
  headless::PushInputs({L"@dlg show", L"@dlg set 8031 7", L"@dlg ok"});
  ASSERT_EQ(IDOK, dialog.DoModal());
  const std::wstring t = headless::Transcript();
  EXPECT_NE(std::wstring::npos, t.find(L"[Dialog 8027 \"\"]")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"0: Notch\n    1: NotchT\n")) << headless::ToUtf8(t);
  EXPECT_NE(std::wstring::npos, t.find(L"8031 edit \"5.0000\""));
  EXPECT_EQ(CString(), dialog.GetPath());
  EXPECT_DOUBLE_EQ(7.0, dialog.GetSize());
}

TEST_F(SymbolDialog, AGivenDrawingIsShownSelectedAndOkKeepsIt) {
  Drawing_Selector dialog(Templates("Notch/NotchT.dwg").c_str(), L"1");
  headless::PushInputs({L"@dlg show", L"@dlg ok"});
  ASSERT_EQ(IDOK, dialog.DoModal());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"1 (selected): NotchT"));
  EXPECT_EQ(CString(Templates("Notch/NotchT.dwg").c_str()).MakeLower(), CString(dialog.GetPath()).MakeLower());
}

TEST_F(SymbolDialog, CancelEndsWithCancelAndAMissingFolderShowsAnEmptyList) {
  Drawing_Selector dialog(L"C:\\no\\such\\folder", L"1");
  headless::PushInputs({L"@dlg select 8025 Notch", L"@dlg cancel"});
  EXPECT_EQ(IDCANCEL, dialog.DoModal());
  EXPECT_NE(std::wstring::npos, headless::Transcript().find(L"The dialog cannot take"));
}

}  // namespace
