#include "mfc/CFileDialog.h"

#include <gtest/gtest.h>

#include "DialogFixture.h"
#include "ed/ColorDialog.h"
#include "ed/ZcApDocManager.h"
#include "support/TempFolder.h"

namespace {
class FileDialogTest : public DialogTest {
protected:
  TempFolder folder_;
  std::wstring Dir() const { return headless::FromUtf8(folder_.Native()); }
  void Touch(const std::string& name) { std::ofstream(folder_.Native(name)) << "x"; }
};
}  // namespace

TEST_F(FileDialogTest, OpeningRefusesAMissingFileThenTakesTheNextAnswerWithTheDefaultExtension) {
  Touch("sizes.txs");
  std::wstring dir = Dir();
  CFileDialog dlg(TRUE, L"txs", nullptr, OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST, L"Pliki rozmiarów (*.txs)|*.txs||");
  dlg.m_ofn.lpstrInitialDir = dir.c_str();
  headless::PushInputs({L"@file missing.txs", L"@file sizes"});
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetPathName(), CString((dir + L"/sizes.txs").c_str()));
  EXPECT_EQ(dlg.GetFileTitle(), L"sizes");
  EXPECT_EQ(dlg.GetFileExt(), L"txs");
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"[Open] Pliki rozmiarów (*.txs) in " + dir), std::wstring::npos);
  EXPECT_NE(t.find(L"missing.txs\nFile not found."), std::wstring::npos);
}

TEST_F(FileDialogTest, SavingOverAFileAsksAndNoAsksForAnotherName) {
  Touch("a.txs");
  std::wstring dir = Dir();
  CFileDialog dlg(FALSE, L"txs", nullptr, OFN_OVERWRITEPROMPT, L"S (*.txs)|*.txs||");
  dlg.m_ofn.lpstrInitialDir = dir.c_str();
  headless::PushInputs({L"@file a", L"@box No", L"@file nofolder/b", L"@file b"});
  ASSERT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.GetFileName(), L"b.txs");
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(headless::MessageBoxes()[0].answer, IDNO);
  EXPECT_NE(headless::Transcript().find(L"The folder does not exist."), std::wstring::npos);
}

TEST_F(FileDialogTest, WithoutAnAnswerOrWithCancelTheDialogIsCancelled) {
  CFileDialog none(TRUE);
  EXPECT_EQ(none.DoModal(), IDCANCEL);
  headless::PushInputs({L"@file cancel", L"NEXT"});
  CFileDialog cancelled(FALSE);
  EXPECT_EQ(cancelled.DoModal(), IDCANCEL);
  EXPECT_EQ(cancelled.GetPathName(), L"");
  EXPECT_EQ(headless::PendingInput(), 1u);
}

TEST_F(DialogTest, TheColourDialogTakesAnIndexFrom1To255) {
  int colour = 3;
  headless::PushInputs({L"@color 0", L"@color 256", L"@color 5"});
  EXPECT_TRUE(zcedSetColorDialog(colour, false, 0));
  EXPECT_EQ(colour, 5);
  headless::PushInputs({L"@color cancel"});
  EXPECT_FALSE(zcedSetColorDialog(colour, false, 0));
  EXPECT_FALSE(zcedSetColorDialog(colour, false, 0));
  EXPECT_EQ(colour, 5);
  EXPECT_NE(headless::Transcript().find(L"[Colour] 3"), std::wstring::npos);
  EXPECT_EQ(zcedGetRGB(1), RGB(255, 0, 0));
  EXPECT_EQ(zcedGetRGB(-1), RGB(128, 128, 128));
}

TEST_F(DialogTest, DocumentLocksAreCountedUntilReleased) {
  ZcApDocManager* docs = zcDocManagerPtr();
  int held = headless::DocumentLocksHeld();
  EXPECT_EQ(docs->lockDocument(docs->curDocument(), ZcAp::kWrite), Zcad::eOk);
  EXPECT_EQ(headless::DocumentLocksHeld(), held + 1);
  EXPECT_EQ(docs->unlockDocument(docs->curDocument()), Zcad::eOk);
  EXPECT_EQ(headless::DocumentLocksHeld(), held);
  EXPECT_EQ(docs->unlockDocument(docs->curDocument()), Zcad::eNotApplicable);
}
