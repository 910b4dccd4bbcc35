// The default window procedure and the dialog class's: texts, fonts, erasing and painting,
// the default button, and the dialog's own key step (Tab, Enter, Escape) and its end.
#include <algorithm>
#include <cstring>

#include "mfc/TextFold.h"
#include "win32/WindowRecords.h"

namespace {

// Paints a window's background with the brush its parent gives for `ctlColor` (the
// parent's WM_CTLCOLOR* answer, which MFC reflects to the control); a hollow brush
// leaves what is under it.
void PaintBackground(HWND window, HDC dc, UINT ctlColor) {
  HWND parent = GetParent(window);
  HBRUSH brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, ctlColor, reinterpret_cast<WPARAM>(dc),
                                                                  reinterpret_cast<LPARAM>(window)))
                        : nullptr;
  if (!brush) brush = GetSysColorBrush(ctlColor == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE);
  RECT client;
  GetClientRect(window, &client);
  FillRect(dc, &client, brush);
}

}  // namespace

namespace platform {
void PaintControlBackground(HWND window, HDC dc, UINT ctlColor) { PaintBackground(window, dc, ctlColor); }
}  // namespace platform

LRESULT DefWindowProcW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  platform::WindowRecord* r = platform::FindWindowRecord(window);
  if (!r) return 0;
  switch (message) {
    case WM_NCCREATE: return TRUE;
    case WM_SETTEXT:
      r->text = lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"";
      InvalidateRect(window, nullptr, TRUE);
      return TRUE;
    case WM_GETTEXT: {
      auto* out = reinterpret_cast<wchar_t*>(lParam);
      int size = static_cast<int>(wParam);
      if (!out || size <= 0) return 0;
      int n = std::min<int>(size - 1, static_cast<int>(r->text.size()));
      std::wmemcpy(out, r->text.c_str(), n);
      out[n] = 0;
      return n;
    }
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(r->text.size());
    case WM_SETFONT:
      r->font = reinterpret_cast<HFONT>(wParam);
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(r->font);
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_PAINT: ValidateRect(window, nullptr); return 0;
    case WM_CTLCOLOREDIT: return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  return 0;
}

LRESULT platform::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case DM_GETDEFID: {
      platform::WindowRecord* r = platform::FindWindowRecord(window);
      if (!r) return 0;
      for (HWND c : r->children) {
        platform::WindowRecord* cr = platform::FindWindowRecord(c);
        if (cr && platform::IsClass(c, L"BUTTON") && (cr->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
          return MAKELONG(cr->id, DC_HASDEFID);
      }
      return 0;
    }
    case WM_CLOSE:
      SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, IDCANCEL)));
      return 0;
    case WM_INITDIALOG: return TRUE;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

BOOL EndDialog(HWND dialog, INT_PTR result) {
  platform::WindowRecord* r = platform::FindWindowRecord(dialog);
  if (!r) return FALSE;
  r->ended = true;
  r->endResult = result;
  return TRUE;
}

BOOL IsDialogMessageW(HWND dialog, MSG* msg) {
  if (!msg || !IsWindow(dialog) || (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))) return FALSE;
  if (msg->message != WM_KEYDOWN && msg->message != WM_CHAR) return FALSE;
  UINT key = static_cast<UINT>(msg->wParam);
  bool keyDown = msg->message == WM_KEYDOWN;
  if (keyDown ? (key != VK_TAB && key != VK_RETURN && key != VK_ESCAPE) : (key != '\t' && key != '\r' && key != 27))
    return FALSE;
  LRESULT code = SendMessageW(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
  if (code & DLGC_WANTALLKEYS) return FALSE;
  if ((key == VK_TAB) && (code & DLGC_WANTTAB)) return FALSE;
  if (!keyDown) return TRUE;  // the character of a key the dialog took
  if (key == VK_TAB) {
    HWND next = GetNextDlgTabItem(dialog, msg->hwnd, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
    if (next) {
      SetFocus(next);
      if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
    }
    return TRUE;
  }
  int id = IDCANCEL;
  if (key == VK_RETURN) {
    id = IDOK;
    if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) id = GetDlgCtrlID(msg->hwnd);
    else if (LRESULT def = SendMessageW(dialog, DM_GETDEFID, 0, 0); HIWORD(def) == DC_HASDEFID) id = LOWORD(def);
  }
  HWND button = GetDlgItem(dialog, id);
  if (button && !IsWindowEnabled(button)) return TRUE;
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return TRUE;
}
