// The dump of a dialog, as "@dlg show" prints it: the caption and template id, then one
// line per control in tab order with its kind, text and state; lists and property grids
// describe their rows themselves (WM_HEADLESS_DESCRIBE).
#include <cstdio>

#include "mfc/DialogSystem.h"
#include "win32/WindowRecords.h"

namespace {

std::wstring Text(HWND h) {
  int n = GetWindowTextLengthW(h);
  std::wstring t(static_cast<size_t>(n) + 1, 0);
  GetWindowTextW(h, t.data(), n + 1);
  t.resize(static_cast<size_t>(n));
  std::wstring out;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] == L'\r' && i + 1 < t.size() && t[i + 1] == L'\n') continue;
    out += t[i] == L'\n' ? std::wstring(L"\\n") : std::wstring(1, t[i]);
  }
  return out;
}

std::wstring Quoted(HWND h) { return L"\"" + Text(h) + L"\""; }

std::wstring Colour(COLORREF c) {
  wchar_t buf[16];
  std::swprintf(buf, 16, L"#%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
  return buf;
}

DWORD Style(HWND h) { return static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)); }

std::wstring Kind(HWND h) {
  using platform::IsClass;
  DWORD s = Style(h);
  if (IsClass(h, L"BUTTON")) {
    DWORD kind = s & BS_TYPEMASK;
    if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE)
      return L"check " + Quoted(h) + (SendMessageW(h, BM_GETCHECK, 0, 0) ? L" +" : L" -");
    if (kind == BS_RADIOBUTTON || kind == BS_AUTORADIOBUTTON)
      return L"radio " + Quoted(h) + (SendMessageW(h, BM_GETCHECK, 0, 0) ? L" +" : L" -");
    if (kind == BS_GROUPBOX) return L"group " + Quoted(h);
    return L"button " + Quoted(h) + (kind == BS_DEFPUSHBUTTON ? L" (default)" : L"");
  }
  if (IsClass(h, L"MFCBUTTON")) return L"button " + Quoted(h) + (SendMessageW(h, BM_GETIMAGE, 0, 0) ? L" (image)" : L"");
  if (IsClass(h, L"MFCLINK")) return L"link " + Quoted(h);
  if (IsClass(h, L"STATIC")) {
    DWORD kind = s & SS_TYPEMASK;
    if (kind == SS_ICON || kind == SS_BITMAP)
      return std::wstring(L"picture") + (SendMessageW(h, STM_GETIMAGE, IMAGE_BITMAP, 0) ? L" (image)" : L"");
    return L"static " + Quoted(h);
  }
  if (IsClass(h, L"EDIT")) return L"edit " + Quoted(h);
  if (IsClass(h, L"RICHEDIT20W")) return L"rich " + Quoted(h);
  if (IsClass(h, L"MFCEDITBROWSE")) return L"browse " + Quoted(h);
  if (IsClass(h, L"COMBOBOX")) {
    std::wstring line = L"combo " + Quoted(h);
    int n = static_cast<int>(SendMessageW(h, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
      std::wstring t(static_cast<size_t>(SendMessageW(h, CB_GETLBTEXTLEN, i, 0)) + 1, 0);
      SendMessageW(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(t.data()));
      t.resize(t.size() - 1);
      line += (i == 0 ? L": " : L" | ") + t;
    }
    return line;
  }
  platform::WindowRecord* r = platform::FindWindowRecord(h);
  return (r ? r->className : std::wstring(L"window")) + L" " + Quoted(h);
}

std::wstring Flags(HWND h) {
  std::wstring f;
  if (!IsWindowEnabled(h)) f += L" (disabled)";
  if (!(Style(h) & WS_VISIBLE)) f += L" (hidden)";
  HWND focus = GetFocus();
  if (focus && (focus == h || IsChild(h, focus))) f += L" (focused)";
  return f;
}

}  // namespace

namespace platform {

std::wstring DescribeCellWindow(HWND h) {
  if (IsClass(h, L"BUTTON")) {
    DWORD kind = Style(h) & BS_TYPEMASK;
    if (kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX) return SendMessageW(h, BM_GETCHECK, 0, 0) ? L"check +" : L"check -";
    RECT r;
    GetClientRect(h, &r);
    return L"button " + Colour(PaintedPixel(h, r.right / 2, r.bottom / 2));
  }
  if (IsClass(h, L"COMBOBOX")) return L"combo " + Quoted(h);
  if (IsClass(h, L"EDIT")) return L"edit " + Quoted(h);
  return Kind(h);
}

std::wstring DescribeDialog(HWND dialog) {
  WindowRecord* d = FindWindowRecord(dialog);
  if (!d) return L"";
  std::wstring out = L"[Dialog " + std::to_wstring(DialogTemplateId(dialog)) + L" \"" + Text(dialog) + L"\"]";
  if (!(d->style & WS_VISIBLE)) out += L" (hidden)";
  std::vector<HWND> children = d->children;
  for (HWND c : children) {
    std::wstring own;
    std::wstring line;
    if (SendMessageW(c, WM_HEADLESS_DESCRIBE, 0, reinterpret_cast<LPARAM>(&own)) && !own.empty()) {
      size_t eol = own.find(L'\n');
      line = own.substr(0, eol) + Flags(c) + (eol == std::wstring::npos ? L"" : own.substr(eol));
    } else {
      line = Kind(c) + Flags(c);
    }
    out += L"\n  " + std::to_wstring(GetDlgCtrlID(c)) + L" " + line;
  }
  return out + L"\n";
}

}  // namespace platform
