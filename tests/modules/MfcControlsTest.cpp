// The richer MFC controls in the modules' own dialogs: the About dialog's link (its address
// from the template), its PNG logo, the growth dialog's image button, and the model
// dialog's browse edit.
#include "mfc/CMFCControls.h"

#include <gtest/gtest.h>

#include "HostFixture.h"
#include "headless/Windows.h"
#include "mfc/CDialog.h"
#include "win/shellapi.h"

namespace {

class About : public CDialogEx {
public:
  About() : CDialogEx(8018) {}
  CMFCLinkCtrl link;
  CStatic picture;
  CPngImage logo;
  CRichEditCtrl text;

protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 8029, link);
    DDX_Control(dx, 8030, picture);
    DDX_Control(dx, 8028, text);
  }
  BOOL OnInitDialog() override {
    CDialogEx::OnInitDialog();
    logo.Load(8026);
    picture.SetBitmap(logo);
    text.SetWindowText(L"Fastrelle\r\nMIRABO");
    link.SetTooltip(L"www");
    return TRUE;
  }
};

class Model : public CDialog {
public:
  Model() : CDialog(136) {}
  CMFCEditBrowseCtrl file;
  CString chosen;

protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 1006, file);
    DDX_Text(dx, 1006, chosen);
  }
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    file.EnableFileBrowseButton(L"dwg", L"Rysunki (*.dwg)|*.dwg||", OFN_PATHMUSTEXIST);
    return TRUE;
  }
};

class MfcControls : public HostTest {};

}  // namespace

TEST_F(MfcControls, TheAboutDialogShowsItsLogoAndItsLinkOpensTheAddressOfTheTemplate) {
  ASSERT_TRUE(StartFastrelle(FreshInstall()));
  headless::PushInputs({L"@dlg click 8029", L"@dlg ok"});
  About dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.link.GetURL(), L"https://www.mirabo.pl/fastrelle");
  ASSERT_FALSE(headless::ShellExecutions().empty());
  EXPECT_EQ(headless::ShellExecutions().back(), L"open https://www.mirabo.pl/fastrelle");
  BITMAP size{};
  GetObjectW(static_cast<HBITMAP>(dlg.logo), sizeof size, &size);
  EXPECT_EQ(size.bmWidth, 64);
  EXPECT_EQ(size.bmHeight, 32);
  EXPECT_EQ(BitmapPixel(dlg.logo, 9, 8), RGB(255, 255, 255));  // the F
  EXPECT_EQ(BitmapPixel(dlg.logo, 40, 20), RGB(20, 40, 110));
  std::wstring t = headless::Transcript();
  EXPECT_NE(t.find(L"  8028 rich \"Fastrelle\\nMIRABO\"\n  8029 link \"Fastrelle\"\n  8030 picture (image)"),
            std::wstring::npos)
      << headless::ToUtf8(t);
}

TEST_F(MfcControls, TheGrowthIconLoadsAndTheBrowseEditTakesAFile) {
  auto install = FreshInstall();
  ASSERT_TRUE(StartFastrelle(install));
  HICON icon = LoadIconW(nullptr, MAKEINTRESOURCEW(8032));
  ASSERT_NE(icon, nullptr);
  DestroyIcon(icon);
  std::wstring module = headless::FromUtf8((install / "Base.zrx").string());
  headless::PushInputs({L"@dlg browse 1006", L"@file " + module, L"@dlg ok"});
  Model dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.chosen, CString(module.c_str()));
}
