// The dump of a dialog, as "@dlg show" prints it: the caption and template id, then one
// line per control in tab order with its kind, text and state; lists and property grids
// describe their rows themselves (WM_HEADLESS_DESCRIBE).
#include <cstdio>
#include <fstream>

#include "win32/FilePaths.h"

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

namespace {

std::string Escaped(const std::wstring& text) {
  std::string out;
  for (char c : platform::ToUtf8(text)) {
    if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '&') out += "&amp;";
    else if (c == '"') out += "&quot;";
    else out += c;
  }
  return out;
}

// One window and the windows inside it: a box painted with its colour, its text inside.
void DrawWindow(std::ofstream& out, HWND h, HWND dialog) {
  RECT r, d;
  GetWindowRect(h, &r);
  GetWindowRect(dialog, &d);
  COLORREF fill = platform::PaintedPixel(h, (r.right - r.left) / 2, (r.bottom - r.top) / 2);
  wchar_t colour[16];
  std::swprintf(colour, 16, L"#%02X%02X%02X", GetRValue(fill), GetGValue(fill), GetBValue(fill));
  out << "<rect x=\"" << r.left - d.left << "\" y=\"" << r.top - d.top << "\" width=\"" << r.right - r.left
      << "\" height=\"" << r.bottom - r.top << "\" fill=\"" << platform::ToUtf8(colour)
      << "\" stroke=\"#808080\"/>\n";
  std::wstring text = h == dialog ? L"" : Text(h);
  if (!text.empty())
    out << "<text x=\"" << r.left - d.left + 2 << "\" y=\"" << r.top - d.top + 11
        << "\" font-family=\"sans-serif\" font-size=\"11\">" << Escaped(text) << "</text>\n";
  platform::WindowRecord* rec = platform::FindWindowRecord(h);
  for (HWND c : rec ? rec->children : std::vector<HWND>{})
    if (IsWindowVisible(c)) DrawWindow(out, c, dialog);
}

}  // namespace

namespace platform {

bool DrawDialogSvg(HWND dialog, const std::wstring& file) {
  std::ofstream out(NativePath(file), std::ios::binary);
  RECT d;
  if (!out || !GetWindowRect(dialog, &d)) return false;
  out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << d.right - d.left << "\" height=\""
      << d.bottom - d.top << "\">\n<title>" << Escaped(Text(dialog)) << "</title>\n";
  DrawWindow(out, dialog, dialog);
  out << "</svg>\n";
  return out.good();
}

}  // namespace platform
