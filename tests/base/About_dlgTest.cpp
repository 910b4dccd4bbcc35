// The About dialog with Base loaded from a folder of its own: the modules of that folder
// with their versions, the column widths, the link's tooltip and address, the logo; with
// Base alone (no resource modules) its texts still come from its own table.
#include "base/About_dlg.h"

#include <gtest/gtest.h>

#include "BaseFixture.h"
#include "headless/Windows.h"

namespace {

class Shown : public About_dlg {
public:
  CMFCLinkCtrl& Link() { return m_link; }
  LogoFastrelle& Logo() { return m_logo; }
  // What the list held, read as the dialog closes.
  std::wstring rows;
  int widths[2] = {0, 0}, listWidth = 0;
  void OnOK() override {
    RECT rect{};
    m_modules.GetWindowRect(&rect);
    listWidth = rect.right - rect.left;
    widths[0] = m_modules.GetColumnWidth(0);
    widths[1] = m_modules.GetColumnWidth(1);
    for (int i = 0; i < m_modules.GetItemCount(); ++i)
      rows += m_modules.GetItemText(i, 0).str() + L"=" + m_modules.GetItemText(i, 1).str() + L"|";
    About_dlg::OnOK();
  }
};

class About_dlgTest : public BaseFolderTest {
protected:
  // Base (alone) loaded from the folder, so its resources answer the dialog.
  void LoadBase() {
    CopyModule("Base.zrx", "Base.zrx");
    ASSERT_TRUE(Linker()->loadModule((BaseFolder() + L"Base.zrx").c_str(), true, false));
    headless::ClearTranscript();
  }
};

TEST_F(About_dlgTest, TheModulesOfBasesFolderAreListedInTwoColumns) {
  LoadBase();
  CopyModule("Fastrelle_Plot.zrx", "Fastrelle_Plot.zrx");
  WriteFile("Readme.txt", "no module");
  headless::PushInputs({L"@dlg ok"});
  Shown dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.rows, L"Base=2018.0.5.0\n|Fastrelle_Plot=2018.0.5.0\n|");
  ASSERT_GT(dialog.listWidth, 0);
  EXPECT_EQ(dialog.widths[0], static_cast<int>(dialog.listWidth * 0.4));
  EXPECT_EQ(dialog.widths[1], dialog.listWidth - dialog.widths[0] - 5);
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"  1003 list: Moduł ("), std::wstring::npos) << headless::ToUtf8(t);
  EXPECT_NE(t.find(L"| Wersja ("), std::wstring::npos);
  EXPECT_NE(t.find(L"8028 rich \"" + About_dlg::InformationText().str() + L"\""), std::wstring::npos);
  EXPECT_EQ(t.find(L"Pusty tekst"), std::wstring::npos);  // Base alone answers its own strings
}

TEST_F(About_dlgTest, TheLinkHasItsTooltipAndAddressAndTheLogoIsShown) {
  LoadBase();
  headless::PushInputs({L"@dlg click 8029", L"@dlg ok"});
  Shown dialog;
  EXPECT_EQ(dialog.DoModal(), IDOK);
  EXPECT_EQ(dialog.Link().GetTooltip(), CString(L"Dowiedz się więcej o programie Fastrelle"));
  auto calls = headless::ShellExecuteCalls();
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].file.rfind(L"https:", 0), 0u);  // the address, opened as any file is
  EXPECT_NE(headless::Transcript().find(L"8030 picture (image)"), std::wstring::npos);
}

}  // namespace
