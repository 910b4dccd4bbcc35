#include "mfc/CWnd.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogFixture.h"
#include "mfc/CButton.h"
#include "mfc/CComboBox.h"
#include "mfc/CDialog.h"

namespace {

// A window that logs what reaches it, by name.
class Logger : public CWnd {
public:
  explicit Logger(std::string name) : name_(std::move(name)) {}
  std::string name_;

protected:
  void OnDestroy() {
    TestLog().push_back(name_ + " destroy");
    Default();
  }
  void OnSetFocus(CWnd*) { TestLog().push_back(name_ + " setfocus"); }
  void OnKillFocus(CWnd*) { TestLog().push_back(name_ + " killfocus"); }
  LRESULT OnPing(WPARAM w, LPARAM) {
    TestLog().push_back(name_ + " ping " + std::to_string(w));
    return 7;
  }
  void OnChildClicked() { TestLog().push_back(name_ + " parent saw click"); }
  DECLARE_MESSAGE_MAP()
};

const UINT kPing = WM_USER + 5;
BEGIN_MESSAGE_MAP(Logger, CWnd)
  ON_WM_DESTROY()
  ON_WM_SETFOCUS()
  ON_WM_KILLFOCUS()
  ON_MESSAGE(kPing, OnPing)
  ON_BN_CLICKED(5, OnChildClicked)
END_MESSAGE_MAP()

// Buttons that take their own click: plainly, or with _EX letting the parent see it too.
class OwnClick : public CButton {
protected:
  void OnClicked() { TestLog().push_back("button took click"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(OwnClick, CButton)
  ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

class SharedClick : public CButton {
protected:
  BOOL OnClicked() {
    TestLog().push_back("button saw click");
    return FALSE;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(SharedClick, CButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

UINT g_registered = 0;
class Registered : public CWnd {
protected:
  LRESULT OnIt(WPARAM w, LPARAM) { return static_cast<LRESULT>(w) * 2; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Registered, CWnd)
  ON_REGISTERED_MESSAGE(g_registered, OnIt)
END_MESSAGE_MAP()

const RECT kRect{0, 0, 100, 50};

class WindowsTest : public DialogTest {
protected:
  void SetUp() override {
    DialogTest::SetUp();
    TestLog().clear();
  }
};

}  // namespace

TEST_F(WindowsTest, ADestroyedWindowIsNoWindowAndItsHandleIsNeverGivenAgain) {
  Logger a("a");
  ASSERT_TRUE(a.CreateEx(0, nullptr, L"a", WS_POPUP, kRect, nullptr, 0));
  HWND old = a.m_hWnd;
  EXPECT_EQ(SendMessageW(old, kPing, 3, 0), 7);
  a.DestroyWindow();
  EXPECT_FALSE(IsWindow(old));
  EXPECT_EQ(a.m_hWnd, nullptr);
  EXPECT_EQ(SendMessageW(old, kPing, 4, 0), 0);
  EXPECT_FALSE(PostMessageW(old, kPing, 5, 0));
  Logger b("b");
  ASSERT_TRUE(b.CreateEx(0, nullptr, L"b", WS_POPUP, kRect, nullptr, 0));
  EXPECT_NE(b.m_hWnd, old);
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"a ping 3", "a destroy"}));
}

TEST_F(WindowsTest, DestroyReachesAParentBeforeItsChildrenWhichItStillFinds) {
  Logger parent("parent"), child("child");
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, kRect, nullptr, 0));
  ASSERT_TRUE(child.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, kRect, &parent, 9));
  HWND childHandle = child.m_hWnd;
  parent.DestroyWindow();
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"parent destroy", "child destroy"}));
  EXPECT_FALSE(IsWindow(childHandle));
  EXPECT_EQ(child.m_hWnd, nullptr);
}

TEST_F(WindowsTest, NotificationsGoToTheChildsReflectionFirst) {
  Logger parent("parent");
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, kRect, nullptr, 0));
  OwnClick own;
  ASSERT_TRUE(own.Create(L"own", WS_CHILD | WS_VISIBLE, kRect, &parent, 5));
  SendMessageW(own.m_hWnd, BM_CLICK, 0, 0);
  EXPECT_EQ(TestLog().back(), "button took click") << "and the parent's own entry never saw it";
  own.DestroyWindow();
  TestLog().clear();

  SharedClick shared;
  ASSERT_TRUE(shared.Create(L"shared", WS_CHILD | WS_VISIBLE, kRect, &parent, 5));
  SendMessageW(shared.m_hWnd, BM_CLICK, 0, 0);
  std::vector<std::string> clicks;
  for (auto& l : TestLog())
    if (l.find("click") != std::string::npos) clicks.push_back(l);
  EXPECT_EQ(clicks, (std::vector<std::string>{"button saw click", "parent parent saw click"}));
}

TEST_F(WindowsTest, FocusTellsTheOldWindowBeforeTheNew) {
  Logger parent("parent"), a("a"), b("b");
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, kRect, nullptr, 0));
  ASSERT_TRUE(a.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, kRect, &parent, 1));
  ASSERT_TRUE(b.Create(nullptr, L"", WS_CHILD | WS_VISIBLE, kRect, &parent, 2));
  a.SetFocus();
  TestLog().clear();
  b.SetFocus();
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"a killfocus", "b setfocus"}));
  EXPECT_EQ(CWnd::GetFocus(), &b);
}

TEST_F(WindowsTest, RegisteredMessagesAreOneNumberPerNameWhateverTheCase) {
  UINT first = RegisterWindowMessageW(L"WM_UI_TEST_ONE");
  EXPECT_GE(first, 0xC000u);
  EXPECT_EQ(RegisterWindowMessageW(L"wm_ui_test_one"), first);
  EXPECT_NE(RegisterWindowMessageW(L"WM_UI_TEST_TWO"), first);
  g_registered = first;
  Registered w;
  ASSERT_TRUE(w.CreateEx(0, nullptr, L"", WS_POPUP, kRect, nullptr, 0));
  EXPECT_EQ(w.SendMessage(first, 21), 42);
}

TEST_F(WindowsTest, PostedMessagesArriveInOrderWhenTheHostIsIdle) {
  Logger a("a"), b("b");
  ASSERT_TRUE(a.CreateEx(0, nullptr, L"", WS_POPUP, kRect, nullptr, 0));
  ASSERT_TRUE(b.CreateEx(0, nullptr, L"", WS_POPUP, kRect, nullptr, 0));
  TestLog().clear();
  a.PostMessage(kPing, 1);
  b.PostMessage(kPing, 2);
  a.PostMessage(kPing, 3);
  EXPECT_TRUE(TestLog().empty());
  headless::RunIdle();
  EXPECT_EQ(TestLog(), (std::vector<std::string>{"a ping 1", "b ping 2", "a ping 3"}));
}

TEST_F(WindowsTest, AControlFromGetDlgItemWorksAsItsClassAndASubclassSeesItsMessages) {
  Logger parent("parent");
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, kRect, nullptr, 0));
  CComboBox made;
  ASSERT_TRUE(made.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, kRect, &parent, 12));
  made.AddString(L"S");
  made.AddString(L"M");
  auto* found = static_cast<CComboBox*>(parent.GetDlgItem(12));
  EXPECT_EQ(found, &made);
  found->SetCurSel(1);
  CString text;
  made.GetWindowText(text);
  EXPECT_EQ(text, L"M");
  HWND raw = CreateWindowExW(0, L"ComboBox", L"", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 10, 10, parent.m_hWnd,
                             reinterpret_cast<HMENU>(13), nullptr, nullptr);
  auto* temporary = static_cast<CComboBox*>(parent.GetDlgItem(13));
  temporary->AddString(L"X");
  EXPECT_EQ(SendMessageW(raw, CB_GETCOUNT, 0, 0), 1);
}
