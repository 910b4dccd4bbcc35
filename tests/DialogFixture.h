// Dialog templates for the window, dialog and control tests, registered as this program's
// own resources, and a fixture that starts each test with a new drawing and checks that
// no window outlives it.
#ifndef TESTS_DIALOGFIXTURE_H
#define TESTS_DIALOGFIXTURE_H

#include <string>
#include <vector>

#include "HostFixture.h"
#include "ed/ZcApDocManager.h"
#include "headless/Database.h"
#include "headless/Windows.h"
#include "mfc/Resources.h"

namespace test_dialogs {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
// Dialog 100: OK (default), Cancel, two edits, a drop-down and a drop-down list combo, an
// automatic check box, a plain check box and a push button, in that tab order.
inline const platform::DialogItemTemplate kItems100[] = {
    {L"Button", L"OK", IDOK, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 10, 80, 50, 14},
    {L"Button", L"Cancel", IDCANCEL, kChild | WS_TABSTOP, 0, 70, 80, 50, 14},
    {L"Edit", L"", 10, kChild | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0, 5, 5, 60, 12},
    {L"Edit", L"", 11, kChild | WS_TABSTOP | WS_BORDER, 0, 5, 20, 60, 12},
    {L"ComboBox", L"", 12, kChild | WS_TABSTOP | CBS_DROPDOWN, 0, 70, 5, 60, 60},
    {L"ComboBox", L"", 13, kChild | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 70, 20, 60, 60},
    {L"Button", L"Auto", 14, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 5, 40, 40, 10},
    {L"Button", L"Plain", 15, kChild | WS_TABSTOP | BS_CHECKBOX, 0, 5, 55, 40, 10},
    {L"Button", L"Go", 16, kChild | WS_TABSTOP, 0, 70, 40, 40, 14},
};
inline const platform::DialogTemplate kDialogs[] = {
    {100, L"Test", WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 0, 0, 140, 100, L"MS Shell Dlg", 8, kItems100, 9},
    {101, nullptr, WS_POPUP, 0, 0, 0, 40, 20, nullptr, 0, kItems100, 2},
};
inline const platform::ResourceImage kImage = {nullptr, 0, kDialogs, 2};

}  // namespace test_dialogs

/// What the handlers of a test's windows saw, in order.
inline std::vector<std::string>& TestLog() {
  static std::vector<std::string> log;
  return log;
}

/// Logs `what` and answers 0, as a message handler of a test window.
inline LRESULT LogMessage(const std::string& what) {
  TestLog().push_back(what);
  return 0;
}

class DialogTest : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    db_ = headless::NewDrawing();
    static const bool registered = (platform::RegisterResourceImage(&test_dialogs::kImage, &test_dialogs::kImage), true);
    (void)registered;
    zcDocManagerPtr()->pushResourceHandle(headless::InstanceContaining(&test_dialogs::kImage));
    windowsBefore_ = headless::LiveWindowCount();
    TestLog().clear();
  }
  void TearDown() override {
    zcDocManagerPtr()->popResourceHandle();
    headless::SetDialogActionHook(nullptr);
    EXPECT_EQ(headless::LiveWindowCount(), windowsBefore_) << "a window outlived its test";
    HostTest::TearDown();
  }
  std::size_t windowsBefore_ = 0;
  ZcDbDatabase* db_ = nullptr;
};

#endif
