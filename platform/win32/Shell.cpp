// Shell services, headless: natural name order, the folder and file icons, the system's
// question-mark icon and icons made from bitmaps (ShellExecuteW is in ShellExecute.cpp).
#include <cwctype>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "headless/Windows.h"
#include "mfc/DialogSystem.h"
#include "mfc/TextFold.h"
#include "win/shellapi.h"
#include "win32/FilePaths.h"
#include "win32/GdiObjects.h"

namespace {

std::set<HICON>& Icons() {
  static std::set<HICON> icons;
  return icons;
}

HICON NewIcon(LONG width, LONG height, COLORREF fill) {
  HICON icon = new HICON__;
  icon->width = width;
  icon->height = height;
  icon->pixels.assign(static_cast<size_t>(width * height), fill);
  Icons().insert(icon);
  return icon;
}

// The next run of `s` from `i`: all digits or all others.
std::wstring Run(const std::wstring& s, size_t& i) {
  size_t start = i;
  bool digits = std::iswdigit(static_cast<wint_t>(s[i]));
  while (i < s.size() && static_cast<bool>(std::iswdigit(static_cast<wint_t>(s[i]))) == digits) ++i;
  return s.substr(start, i - start);
}

}  // namespace

int StrCmpLogicalW(const wchar_t* a, const wchar_t* b) {
  std::wstring x = a ? a : L"", y = b ? b : L"";
  size_t i = 0, j = 0;
  while (i < x.size() && j < y.size()) {
    std::wstring p = Run(x, i), q = Run(y, j);
    bool pd = std::iswdigit(static_cast<wint_t>(p[0])), qd = std::iswdigit(static_cast<wint_t>(q[0]));
    int c = 0;
    if (pd && qd) {
      std::wstring pv = p.substr(std::min(p.find_first_not_of(L'0'), p.size() - 1));
      std::wstring qv = q.substr(std::min(q.find_first_not_of(L'0'), q.size() - 1));
      c = pv.size() != qv.size() ? (pv.size() < qv.size() ? -1 : 1) : pv.compare(qv);
    } else if (pd != qd) {
      c = pd ? -1 : 1;  // digits sort before letters
    } else {
      c = platform::CollatePolish(p, q, true);
    }
    if (c) return c < 0 ? -1 : 1;
  }
  return i < x.size() ? 1 : j < y.size() ? -1 : 0;
}

DWORD_PTR SHGetFileInfoW(const wchar_t* path, DWORD, SHFILEINFOW* info, UINT, UINT flags) {
  std::error_code ec;
  std::string native = platform::NativePath(path ? path : L"");
  if (!info || !std::filesystem::exists(native, ec)) return 0;
  bool folder = std::filesystem::is_directory(native, ec);
  *info = SHFILEINFOW{};
  info->iIcon = folder ? 3 : 0;
  if (flags & SHGFI_ICON) info->hIcon = NewIcon(32, 32, folder ? RGB(255, 210, 90) : RGB(250, 250, 250));
  return 1;
}

UINT GetWindowsDirectoryW(wchar_t* buffer, UINT size) {
  const std::wstring folder = L"C:\\";  // the one drive's root: a folder that exists
  if (!buffer || size <= folder.size()) return static_cast<UINT>(folder.size() + 1);
  folder.copy(buffer, folder.size());
  buffer[folder.size()] = 0;
  return static_cast<UINT>(folder.size());
}

HICON LoadIconW(HINSTANCE, const wchar_t* name) {
  auto number = reinterpret_cast<std::uintptr_t>(name);
  if (number < 0x10000 && name != IDI_QUESTION && name != IDI_APPLICATION) {  // an icon resource
    const platform::BinaryResource* icon = platform::FindBinaryResource(L"ICON", static_cast<UINT>(number));
    return icon ? platform::DecodeIcon(icon->bytes, icon->size) : nullptr;
  }
  if (name != IDI_QUESTION && name != IDI_APPLICATION) return nullptr;
  static HICON question = [] {
    HICON icon = NewIcon(32, 32, RGB(255, 255, 255));
    for (LONG y = 8; y < 24; ++y)
      for (LONG x = 12; x < 20; ++x) icon->pixels[static_cast<size_t>(y * 32 + x)] = RGB(0, 0, 255);
    Icons().erase(icon);  // shared: never destroyed
    return icon;
  }();
  return question;
}

HICON ExtractIconW(HINSTANCE, const wchar_t*, UINT) { return nullptr; }

BOOL DestroyIcon(HICON icon) {
  if (!Icons().erase(icon)) return FALSE;
  delete icon;
  return TRUE;
}

HICON CreateIconIndirect(ICONINFO* info) {
  if (!info || !info->hbmColor) return nullptr;
  HICON icon = NewIcon(info->hbmColor->width, info->hbmColor->height, 0);
  icon->pixels = info->hbmColor->pixels;
  return icon;
}

