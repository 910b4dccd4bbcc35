#include "mfc/CDialog.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "DialogFixture.h"
#include "mfc/CButton.h"
#include "mfc/CComboBox.h"
#include "ed/zced.h"
#include "mfc/CZdUiDialog.h"
#include "support/TempFolder.h"

namespace {

// An edit that takes Enter for itself, as the system's cell editors do.
class EnterEater : public CEdit {
public:
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
      TestLog().push_back("edit ate Enter");
      return TRUE;
    }
    return CEdit::PreTranslateMessage(msg);
  }
};

const UINT kLater = WM_USER + 7;

class TestDialog : public CZdUiDialog {
public:
  TestDialog() : CZdUiDialog(100) {}
  CString m_text;
  double m_number = 0;
  int m_index = -1, m_check = 0;
  EnterEater m_eater;
  CComboBox m_combo;
  std::function<void(TestDialog&)> onGo;

protected:
  void DoDataExchange(CDataExchange* dx) override {
    DDX_Control(dx, 10, m_eater);
    DDX_Control(dx, 12, m_combo);
    DDX_Text(dx, 10, m_text);
    DDX_Text(dx, 11, m_number);
    DDX_CBIndex(dx, 13, m_index);
    DDX_Check(dx, 14, m_check);
  }
  BOOL OnInitDialog() override {
    CZdUiDialog::OnInitDialog();
    auto* list = static_cast<CComboBox*>(GetDlgItem(13));
    list->AddString(L"S");
    list->AddString(L"M");
    list->AddString(L"L");
    PostMessage(kLater, 1);
    return TRUE;
  }
  void OnCancel() override {
    TestLog().push_back("OnCancel");
    CZdUiDialog::OnCancel();
  }
  void OnGo() {
    if (onGo) onGo(*this);
  }
  void OnPlain() { TestLog().push_back("plain clicked"); }
  LRESULT OnLater(WPARAM w, LPARAM) { return LogMessage("later " + std::to_string(w)); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CZdUiDialog)
  ON_BN_CLICKED(16, OnGo)
  ON_BN_CLICKED(15, OnPlain)
  ON_MESSAGE(kLater, OnLater)
END_MESSAGE_MAP()

class ModalLoopTest : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    TestLog().clear();
  }
  static std::wstring Transcript() { return headless::Transcript(); }
};

}  // namespace

TEST_F(ModalLoopTest, WithNothingToReadTheDialogIsCancelledThroughItsHandler) {
  TestDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"later 1", "OnCancel"}));
  EXPECT_NE(Transcript().find(L"[Dialog 100 \"Test\"]"), std::wstring::npos);
  EXPECT_NE(Transcript().find(L"[Dialog 100 ended: 2]"), std::wstring::npos);
}

TEST_F(ModalLoopTest, ALineThatIsNoActionCancelsTheDialogAndStaysForTheCommandLine) {
  headless::PushInputs({L"@dlg set 10 Przód", L"LINE"});
  TestDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(dlg.m_text, L"");  // cancelled: nothing exchanged
  std::wstring next;
  ASSERT_TRUE(headless::PeekInput(next));
  EXPECT_EQ(next, L"LINE");
}

TEST_F(ModalLoopTest, OkExchangesTheValuesAndATextThatIsNoNumberKeepsTheDialogOpen) {
  headless::PushInputs({L"@dlg set 10 Przód", L"@dlg set 11 abc", L"@dlg select 13 m", L"@dlg click 14",
                        L"@dlg ok", L"@dlg set 11 2.5", L"@dlg ok"});
  TestDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_text, L"Przód");
  EXPECT_DOUBLE_EQ(dlg.m_number, 2.5);
  EXPECT_EQ(dlg.m_index, 1);
  EXPECT_EQ(dlg.m_check, 1);
  ASSERT_EQ(headless::MessageBoxes().size(), 1u);
  EXPECT_EQ(headless::MessageBoxes()[0].text, L"Please enter a number.");
}

TEST_F(ModalLoopTest, EnterGoesToTheEditThatTakesItElseToTheDefaultButton) {
  headless::PushInputs({L"@dlg key 10 Enter", L"@dlg show", L"@dlg key 11 Enter"});
  TestDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"later 1", "edit ate Enter"}));
}

TEST_F(ModalLoopTest, EscapeCancelsAndTabMovesToTheNextStop) {
  TestDialog dlg;
  headless::PushInputs({L"@dlg key 10 Tab", L"@dlg key 11 Escape"});
  headless::SetDialogActionHook([&](HWND, const std::wstring& action) {
    if (action == L"key 10 Tab") EXPECT_EQ(GetFocus(), GetDlgItem(dlg.m_hWnd, 11));
  });
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(TestLog().back(), "OnCancel");
}

TEST_F(ModalLoopTest, ClicksToggleAnAutomaticCheckBoxButOnlyNotifyFromAPlainOne) {
  headless::PushInputs({L"@dlg click 15", L"@dlg click 14", L"@dlg show", L"@dlg ok"});
  TestDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(dlg.m_check, 1);
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"later 1", "plain clicked"}));
  EXPECT_NE(Transcript().find(L"  14 check \"Auto\" + (focused)\n  15 check \"Plain\" -"), std::wstring::npos)
      << headless::ToUtf8(Transcript());
}

TEST_F(ModalLoopTest, AnActionTheDialogCannotTakeIsReportedAndSkipped) {
  // ids and items beyond any number too
  headless::PushInputs({L"@dlg click 77", L"@dlg jump 10", L"@dlg select 13 XL", L"@dlg click 99999999999999",
                        L"@dlg set - x", L"@dlg select 13 #99999999999999", L"@dlg ok"});
  TestDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  std::wstring t = Transcript();
  EXPECT_NE(t.find(L"The dialog cannot take \"click 77\": no control 77."), std::wstring::npos);
  EXPECT_NE(t.find(L"The dialog cannot take \"jump 10\": unknown action."), std::wstring::npos);
  EXPECT_NE(t.find(L"The dialog cannot take \"select 13 XL\": no item \"XL\"."), std::wstring::npos);
  EXPECT_NE(t.find(L"The dialog cannot take \"click 99999999999999\": no control id."), std::wstring::npos);
  EXPECT_NE(t.find(L"The dialog cannot take \"set - x\": no control id."), std::wstring::npos);
  EXPECT_NE(t.find(L"The dialog cannot take \"select 13 #99999999999999\": no item \"#99999999999999\"."),
            std::wstring::npos);
}

TEST_F(ModalLoopTest, AHandlersExceptionLeavesNoDialogBehindToOwnTheNext) {
  headless::PushInputs({L"@dlg click 16"});
  TestDialog failing;
  failing.onGo = [](TestDialog&) { throw std::runtime_error("handler"); };
  EXPECT_THROW(failing.DoModal(), std::runtime_error);
  EXPECT_EQ(nullptr, headless::ActiveModalDialog());
  EXPECT_TRUE(headless::OpenDialogs().empty());
  headless::PushInputs({L"@dlg set 10 dalej", L"@dlg ok"});
  HWND owner = reinterpret_cast<HWND>(1);
  headless::SetDialogActionHook([&](HWND dialog, const std::wstring&) { owner = GetParent(dialog); });
  TestDialog next;
  EXPECT_EQ(next.DoModal(), IDOK);
  EXPECT_EQ(next.m_text, L"dalej");
  EXPECT_EQ(nullptr, owner);  // not the dialog the exception left
}

TEST_F(ModalLoopTest, AMissingTemplateIsReportedAndDoModalGivesMinusOne) {
  CDialog dlg(999);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_NE(Transcript().find(L"Dialog 999 not found."), std::wstring::npos);
}

TEST_F(ModalLoopTest, ANestedDialogDeliversPostedMessagesInOrderAndTakesTheActions) {
  TestDialog outer;
  INT_PTR innerResult = 0;
  outer.onGo = [&](TestDialog& self) {
    self.PostMessage(kLater, 2);
    TestDialog inner;
    innerResult = inner.DoModal();
  };
  headless::PushInputs({L"@dlg click 16", L"@dlg set 10 inner", L"@dlg ok", L"@dlg cancel"});
  EXPECT_EQ(outer.DoModal(), IDCANCEL);
  EXPECT_EQ(innerResult, IDOK);
  EXPECT_EQ(outer.m_text, L"");
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"later 1", "later 2", "later 1", "OnCancel"}));
}

TEST_F(ModalLoopTest, EditorCommandsHideTheOpenDialogsOnceAndShowThemAfterTheLast) {
  TestDialog dlg;
  std::vector<bool> visible;
  dlg.onGo = [&](TestDialog& self) {
    self.BeginEditorCommand();
    self.BeginEditorCommand();
    visible.push_back(self.IsWindowVisible());
    self.CompleteEditorCommand();
    visible.push_back(self.IsWindowVisible());
    self.CompleteEditorCommand();
    visible.push_back(self.IsWindowVisible());
  };
  headless::PushInputs({L"@dlg click 16", L"@dlg ok"});
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(visible, (std::vector<bool>{false, false, true}));
}

TEST_F(ModalLoopTest, AModelessDialogLivesBesidePromptsUntilDestroyed) {
  std::size_t before = headless::LiveWindowCount();
  CDialogEx tape;
  ASSERT_TRUE(tape.Create(101));
  EXPECT_FALSE(tape.IsWindowVisible());
  tape.ShowWindow(SW_SHOW);
  tape.UpdateData(FALSE);
  tape.SetWindowText(L"__Fastrelle_miarka 12.5");
  EXPECT_TRUE(tape.IsWindowVisible());
  EXPECT_EQ(headless::OpenDialogs().size(), 1u);
  EXPECT_NE(headless::DescribeDialog(tape.m_hWnd).find(L"[Dialog 101 \"__Fastrelle_miarka 12.5\"]"), std::wstring::npos);
  tape.DestroyWindow();
  EXPECT_EQ(headless::LiveWindowCount(), before);
}

TEST_F(ModalLoopTest, KeysTypedIntoADialogNeverReachTheHostsMessageFilters) {
  static int seen = 0;
  seen = 0;
  ZcedFilterWinMsgFn filter = [](MSG* msg) -> bool {
    if (msg->message == WM_KEYDOWN) ++seen;
    return false;
  };
  zcedRegisterFilterWinMsg(filter);
  headless::PushInputs({L"@dlg set 10 abc", L"@dlg key 10 Left", L"@dlg ok"});
  TestDialog dlg;
  EXPECT_EQ(dlg.DoModal(), IDOK);
  zcedRemoveFilterWinMsg(filter);
  EXPECT_EQ(seen, 0);
  EXPECT_EQ(dlg.m_text, L"abc");
}

TEST_F(ModalLoopTest, TheDialogCanBeDrawnAsItWasPainted) {
  TempFolder folder;
  std::wstring file = headless::FromUtf8(folder.Native("dialog.svg"));
  headless::PushInputs({L"@dlg set 10 Przód", L"@dlg svg " + file, L"@dlg ok"});
  TestDialog dlg;
  dlg.DoModal();
  std::ifstream in(folder.Native("dialog.svg"));
  std::string svg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_NE(svg.find("<title>Test</title>"), std::string::npos);
  EXPECT_NE(svg.find(">Przód</text>"), std::string::npos);
  EXPECT_NE(svg.find("fill=\"#FFFFFF\""), std::string::npos) << "the edits painted white";
}
