// The "Button" and "Static" classes: push buttons, check boxes and group boxes keep their
// check state in the window and report clicks to the parent; statics keep an image.
#include "win32/WindowRecords.h"

namespace {

struct ButtonState : platform::WindowState {
  int check = BST_UNCHECKED;
  bool pressed = false;
  LPARAM image = 0;
};

struct StaticState : platform::WindowState {
  LPARAM image = 0;
};

DWORD Kind(HWND h) { return static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)) & BS_TYPEMASK; }
bool IsCheck(DWORD kind) {
  return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE ||
         kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON;
}

}  // namespace

LRESULT platform::ButtonProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      DWORD kind = Kind(h);
      if (kind == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
      if (kind == BS_PUSHBUTTON || kind == BS_OWNERDRAW) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
      return DLGC_BUTTON;
    }
    case BM_GETCHECK: return StateOf<ButtonState>(h).check;
    case BM_SETCHECK:
      if (IsCheck(Kind(h))) {
        StateOf<ButtonState>(h).check = static_cast<int>(wParam);
        InvalidateRect(h, nullptr, TRUE);
      }
      return 0;
    case BM_GETSTATE: return StateOf<ButtonState>(h).check | (StateOf<ButtonState>(h).pressed ? 4 : 0);
    case BM_SETSTYLE:
      SetWindowLongW(h, GWL_STYLE, static_cast<LONG>((GetWindowLongW(h, GWL_STYLE) & ~BS_TYPEMASK) | (wParam & 0xFFFF)));
      return 0;
    case BM_GETIMAGE: return StateOf<ButtonState>(h).image;
    case BM_SETIMAGE: {
      LPARAM old = StateOf<ButtonState>(h).image;
      StateOf<ButtonState>(h).image = lParam;
      return old;
    }
    case BM_CLICK:
      SendMessageW(h, WM_LBUTTONDOWN, 0, 0);
      SendMessageW(h, WM_LBUTTONUP, 0, 0);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (Kind(h) == BS_GROUPBOX || !IsWindowEnabled(h)) return 0;
      SetFocus(h);
      StateOf<ButtonState>(h).pressed = true;
      return 0;
    case WM_LBUTTONUP: {
      ButtonState& s = StateOf<ButtonState>(h);
      if (!s.pressed) return 0;
      s.pressed = false;
      DWORD kind = Kind(h);
      if (kind == BS_AUTOCHECKBOX || kind == BS_AUTORADIOBUTTON) s.check = s.check ? BST_UNCHECKED : BST_CHECKED;
      if (kind == BS_AUTO3STATE) s.check = (s.check + 1) % 3;
      InvalidateRect(h, nullptr, TRUE);
      NotifyParent(h, BN_CLICKED);
      return 0;
    }
    case WM_KEYDOWN:
      if (wParam == VK_SPACE) SendMessageW(h, BM_CLICK, 0, 0);
      return 0;
    case WM_ERASEBKGND:
      PaintControlBackground(h, reinterpret_cast<HDC>(wParam), WM_CTLCOLORBTN);
      return 1;
  }
  return DefWindowProcW(h, message, wParam, lParam);
}

LRESULT platform::StaticProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: return DLGC_STATIC;
    case STM_SETIMAGE:
    case STM_SETICON: {
      LPARAM old = StateOf<StaticState>(h).image;
      StateOf<StaticState>(h).image = message == STM_SETICON ? static_cast<LPARAM>(wParam) : lParam;
      InvalidateRect(h, nullptr, TRUE);
      return old;
    }
    case STM_GETIMAGE:
    case STM_GETICON: return StateOf<StaticState>(h).image;
    case WM_ERASEBKGND:
      PaintControlBackground(h, reinterpret_cast<HDC>(wParam), WM_CTLCOLORSTATIC);
      return 1;
  }
  return DefWindowProcW(h, message, wParam, lParam);
}
