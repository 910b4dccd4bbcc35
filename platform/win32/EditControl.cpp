// The "Edit" class (and "RichEdit20W", which shares it): the text lives in the window,
// with a selection [start, end); keys and characters edit it as a single-line edit does,
// and the parent hears EN_SETFOCUS, EN_KILLFOCUS and EN_CHANGE.
#include <algorithm>

#include "win32/WindowRecords.h"

namespace {

struct EditState : platform::WindowState {
  int start = 0, end = 0;  // the selection; start == end: the caret
  int limit = 0;           // 0: none
  bool modified = false;
};

std::wstring& Text(HWND h) {
  static std::wstring none;
  platform::WindowRecord* r = platform::FindWindowRecord(h);
  return r ? r->text : none = L"";
}

DWORD Style(HWND h) { return static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)); }

void Clamp(HWND h, EditState& s) {
  int n = static_cast<int>(Text(h).size());
  s.start = std::clamp(s.start, 0, n);
  s.end = std::clamp(s.end, 0, n);
  if (s.start > s.end) std::swap(s.start, s.end);
}

// Replaces the selection with `text` and puts the caret after it.
void Replace(HWND h, const std::wstring& text) {
  EditState& s = platform::StateOf<EditState>(h);
  Clamp(h, s);
  std::wstring& t = Text(h);
  std::wstring insert = text;
  if (s.limit > 0) {
    int room = s.limit - static_cast<int>(t.size()) + (s.end - s.start);
    if (room < static_cast<int>(insert.size())) insert.resize(static_cast<size_t>(std::max(room, 0)));
  }
  if (insert.empty() && s.start == s.end) return;
  t.replace(static_cast<size_t>(s.start), static_cast<size_t>(s.end - s.start), insert);
  s.start = s.end = s.start + static_cast<int>(insert.size());
  s.modified = true;
  InvalidateRect(h, nullptr, TRUE);
  platform::NotifyParent(h, EN_UPDATE);
  platform::NotifyParent(h, EN_CHANGE);
}

bool ReadOnly(HWND h) { return (Style(h) & ES_READONLY) != 0; }

}  // namespace

LRESULT platform::EditProc(HWND h, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      if ((Style(h) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN) && lParam &&
          reinterpret_cast<MSG*>(lParam)->wParam == VK_RETURN)
        code |= DLGC_WANTALLKEYS;
      return code;
    }
    case WM_SETTEXT: {
      DefWindowProcW(h, message, wParam, lParam);
      EditState& s = StateOf<EditState>(h);
      s.start = s.end = 0;
      s.modified = false;
      NotifyParent(h, EN_UPDATE);
      NotifyParent(h, EN_CHANGE);
      return TRUE;
    }
    case EM_GETSEL: {
      EditState& s = StateOf<EditState>(h);
      Clamp(h, s);
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(s.start);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(s.end);
      return MAKELONG(s.start, s.end);
    }
    case EM_SETSEL: {
      EditState& s = StateOf<EditState>(h);
      int start = static_cast<int>(static_cast<std::intptr_t>(wParam)), end = static_cast<int>(lParam);
      int n = static_cast<int>(Text(h).size());
      if (start == -1) {  // no selection: the caret stays where the selection ended
        s.start = s.end;
      } else {
        s.start = start;
        s.end = end < 0 ? n : end;
      }
      Clamp(h, s);
      return 0;
    }
    case EM_REPLACESEL:
      Replace(h, lParam ? reinterpret_cast<const wchar_t*>(lParam) : L"");
      return 0;
    case EM_SCROLLCARET: return TRUE;
    case EM_LIMITTEXT: StateOf<EditState>(h).limit = static_cast<int>(wParam); return 0;
    case EM_GETMODIFY: return StateOf<EditState>(h).modified;
    case EM_SETMODIFY: StateOf<EditState>(h).modified = wParam != 0; return 0;
    case EM_SETREADONLY:
      SetWindowLongW(h, GWL_STYLE, static_cast<LONG>(wParam ? Style(h) | ES_READONLY : Style(h) & ~static_cast<DWORD>(ES_READONLY)));
      return TRUE;
    case WM_KEYDOWN: {
      EditState& s = StateOf<EditState>(h);
      Clamp(h, s);
      int n = static_cast<int>(Text(h).size());
      switch (wParam) {
        case VK_LEFT: s.start = s.end = s.start != s.end ? s.start : std::max(s.start - 1, 0); break;
        case VK_RIGHT: s.start = s.end = s.start != s.end ? s.end : std::min(s.end + 1, n); break;
        case VK_HOME: s.start = s.end = 0; break;
        case VK_END: s.start = s.end = n; break;
        case VK_DELETE:
          if (ReadOnly(h)) break;
          if (s.start == s.end && s.end < n) ++s.end;
          Replace(h, L"");
          break;
      }
      return 0;
    }
    case WM_CHAR: {
      wchar_t c = static_cast<wchar_t>(wParam);
      if (ReadOnly(h)) return 0;
      if (c == 8) {  // Backspace
        EditState& s = StateOf<EditState>(h);
        Clamp(h, s);
        if (s.start == s.end && s.start > 0) --s.start;
        Replace(h, L"");
      } else if (c == '\r') {
        if (Style(h) & ES_MULTILINE) Replace(h, L"\r\n");
      } else if (c >= 0x20) {
        if ((Style(h) & ES_NUMBER) && (c < '0' || c > '9')) return 0;
        Replace(h, std::wstring(1, c));
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (IsWindowEnabled(h)) SetFocus(h);
      return 0;
    case WM_SETFOCUS: NotifyParent(h, EN_SETFOCUS); return 0;
    case WM_KILLFOCUS: NotifyParent(h, EN_KILLFOCUS); return 0;
    case WM_ERASEBKGND:
      PaintControlBackground(h, reinterpret_cast<HDC>(wParam),
                             ReadOnly(h) || !IsWindowEnabled(h) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
      return 1;
  }
  return DefWindowProcW(h, message, wParam, lParam);
}
