// Environment expansion and module file names.
#include "win/winbase.h"

#include <unistd.h>

#include <cstdlib>
#include <cwchar>
#include <string>

#include "headless/Host.h"
#include "mfc/TextFold.h"
#include "runtime/Modules.h"
#include "win32/FilePaths.h"

namespace {
std::wstring& AppData() {
  static std::wstring folder;
  return folder;
}

DWORD CopyOut(const std::wstring& text, wchar_t* dest, DWORD size) {
  DWORD needed = static_cast<DWORD>(text.size() + 1);
  if (dest && size >= needed) std::wmemcpy(dest, text.c_str(), needed);
  else if (dest && size > 0) dest[0] = L'\0';
  return needed;
}
}  // namespace

DWORD ExpandEnvironmentStringsW(const wchar_t* source, wchar_t* dest, DWORD size) {
  if (!source) return 0;
  std::wstring in(source), out;
  for (size_t i = 0; i < in.size();) {
    size_t close = in[i] == L'%' ? in.find(L'%', i + 1) : std::wstring::npos;
    if (close == std::wstring::npos) {
      out += in[i++];
      continue;
    }
    std::wstring name = in.substr(i + 1, close - i - 1);
    const char* env = nullptr;
    if (platform::ToUpper(name) == L"APPDATA" && !AppData().empty()) {
      out += AppData();
    } else if (platform::ToUpper(name) == L"APPDATA") {
      out += in.substr(i, close - i + 1);  // no per-user folder: left as written, as unset
    } else if (!name.empty() && (env = std::getenv(platform::ToUtf8(name).c_str()))) {
      out += platform::FromUtf8(env);
    } else {
      out += in.substr(i, close - i + 1);
    }
    i = close + 1;
  }
  return CopyOut(out, dest, size);
}

DWORD GetModuleFileNameW(HMODULE module, wchar_t* fileName, DWORD size) {
  std::wstring path;
  if (module) {
    path = module->path;
  } else {
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n > 0) path = platform::FromUtf8(std::string(buf, static_cast<size_t>(n)));
  }
  if (!fileName || size == 0) return 0;
  DWORD n = static_cast<DWORD>(std::min<size_t>(path.size(), size - 1));
  std::wmemcpy(fileName, path.c_str(), n);
  fileName[n] = L'\0';
  return n;
}

namespace headless {
void SetAppDataFolder(const std::wstring& folder) { AppData() = folder; }
void SetModuleFileName(HINSTANCE module, const std::wstring& path) {
  if (module) module->path = path;
}
}  // namespace headless
