// The window manager and the standard controls as Win32 callers see them: geometry,
// painting when idle, edits, combos and headers keeping their state in their windows.
#include "win/winuser.h"

#include <gtest/gtest.h>

#include <vector>

#include "headless/Windows.h"
#include "win/commctrl.h"

namespace {

std::vector<UINT>& Seen() {
  static std::vector<UINT> seen;
  return seen;
}

LRESULT Recorder(HWND h, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_ERASEBKGND || message == WM_PAINT || message == WM_SIZE) Seen().push_back(message);
  return DefWindowProcW(h, message, w, l);
}

class Windows : public ::testing::Test {
protected:
  void SetUp() override {
    Seen().clear();
    RegisterClassProcW(L"Recorder", Recorder);
    top_ = CreateWindowExW(0, L"Recorder", L"top", WS_POPUP | WS_VISIBLE, 100, 50, 300, 200, nullptr, nullptr,
                           nullptr, nullptr);
  }
  void TearDown() override {
    DestroyWindow(top_);
    EXPECT_EQ(headless::LiveWindowCount(), 0u);
  }
  HWND Child(const wchar_t* cls, DWORD style, int id) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, 10, 20, 100, 30, top_,
                           reinterpret_cast<HMENU>(static_cast<std::intptr_t>(id)), nullptr, nullptr);
  }
  std::wstring Text(HWND h) {
    wchar_t buf[256] = {};
    GetWindowTextW(h, buf, 256);
    return buf;
  }
  HWND top_ = nullptr;
};

}  // namespace

TEST_F(Windows, ChildrenLieInTheirParentsClientAreaAndPaintWhenTheHostIsIdle) {
  HWND edit = Child(L"Edit", 0, 7);
  RECT r;
  GetWindowRect(edit, &r);
  EXPECT_EQ(r.left, 110);
  EXPECT_EQ(r.top, 70);
  POINT p{115, 75};
  ScreenToClient(edit, &p);
  EXPECT_EQ(p.x, 5);
  EXPECT_EQ(p.y, 5);
  SetWindowPos(top_, nullptr, 0, 0, 200, 100, SWP_NOMOVE | SWP_NOZORDER);
  GetClientRect(top_, &r);
  EXPECT_EQ(r.right, 200);
  Seen().clear();
  InvalidateRect(top_, nullptr, TRUE);
  EXPECT_TRUE(Seen().empty());
  headless::RunIdle();
  EXPECT_EQ(Seen(), (std::vector<UINT>{WM_ERASEBKGND, WM_PAINT}));
  EXPECT_EQ(GetDlgItem(top_, 7), edit);
  EXPECT_EQ(GetDlgCtrlID(edit), 7);
  EXPECT_EQ(MulDiv(7, 6, 4), 11);  // dialog units: 10.5 rounds up
}

TEST_F(Windows, AnEditKeepsItsTextAndSelection) {
  HWND edit = Child(L"Edit", 0, 1);
  SetWindowTextW(edit, L"abcdef");
  SendMessageW(edit, EM_SETSEL, 2, 4);
  SendMessageW(edit, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(L"XY"));
  EXPECT_EQ(Text(edit), L"abXYef");
  SendMessageW(edit, EM_SETSEL, 0, -1);  // all
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 6u);
  SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(-1), 0);  // none: the caret stays at the end
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 6u);
  SendMessageW(edit, EM_SETSEL, 50, 99);  // clamped
  SendMessageW(edit, WM_CHAR, 8, 0);      // Backspace
  SendMessageW(edit, WM_KEYDOWN, VK_HOME, 0);
  SendMessageW(edit, WM_KEYDOWN, VK_DELETE, 0);
  SendMessageW(edit, WM_CHAR, L'Z', 0);
  EXPECT_EQ(Text(edit), L"ZbXYe");
}

TEST_F(Windows, ACombosItemsAndSelectionLiveInItsWindow) {
  HWND list = Child(L"ComboBox", CBS_DROPDOWNLIST | CBS_SORT, 2);
  for (const wchar_t* s : {L"M", L"L", L"S"}) SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(s));
  EXPECT_EQ(SendMessageW(list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"s")), 2);
  EXPECT_EQ(SendMessageW(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"m")), 1);
  EXPECT_EQ(Text(list), L"M");
  EXPECT_EQ(SendMessageW(list, CB_SETCURSEL, 7, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), -1);
  EXPECT_EQ(SendMessageW(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 18);
  EXPECT_EQ(SendMessageW(list, CB_GETITEMHEIGHT, 0, 0), 16);
  HWND drop = Child(L"ComboBox", CBS_DROPDOWN, 3);
  SetWindowTextW(drop, L"typed");
  EXPECT_EQ(Text(GetDlgItem(drop, 1001)), L"typed");  // the edit part holds it
  EXPECT_EQ(SendMessageW(drop, CB_GETCOUNT, 0, 0), 0);
}

TEST_F(Windows, AHeaderHonoursTheCallersBufferSize) {
  HWND header = Child(L"SysHeader32", 0, 4);
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_WIDTH;
  item.pszText = const_cast<wchar_t*>(L"Rozmiar");
  item.cxy = 80;
  SendMessageW(header, HDM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  wchar_t small[4] = {L'x', L'x', L'x', L'x'};
  HDITEMW read{};
  read.mask = HDI_TEXT | HDI_WIDTH;
  read.pszText = small;
  read.cchTextMax = 4;
  ASSERT_TRUE(SendMessageW(header, HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&read)));
  EXPECT_EQ(std::wstring(small), L"Roz");
  EXPECT_EQ(read.cxy, 80);
  EXPECT_FALSE(SendMessageW(header, HDM_GETITEMW, 1, reinterpret_cast<LPARAM>(&read)));
}
