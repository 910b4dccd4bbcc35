// Module paths for the Base module.
#include "base/ZRX_Module.h"

#include <vector>

#include "framework/UI_Path.h"
#include "win/winbase.h"

namespace {
HINSTANCE g_instance = nullptr;
const DWORD kLongestPath = 32767;
}  // namespace

CString ZRX_Module::GetPath(HINSTANCE instance) const {
  if (!instance) return CString();
  // The answer fills the buffer when it was cut: grow it and ask again.
  for (DWORD size = 512;; size = size * 2 > kLongestPath + 1 ? kLongestPath + 1 : size * 2) {
    std::vector<wchar_t> buffer(size, L'\0');
    DWORD n = GetModuleFileNameW(instance, buffer.data(), size);
    if (n == 0) return CString();
    if (n + 1 < size || size > kLongestPath) return CString(buffer.data());
  }
}

CString ZRX_Module::GetOwnPath() const { return GetPath(g_instance); }

CString ZRX_Module::GetPathOf(const CString& fileName) const {
  HMODULE module = GetModuleHandleW(fileName);
  return module ? GetPath(module) : CString();
}

void ZRX_Module::SetInstance(HINSTANCE instance) { g_instance = instance; }
HINSTANCE ZRX_Module::Instance() { return g_instance; }

CString GetBaseFolder() {
  CString path = ZRX_Module().GetOwnPath();
  if (path.IsEmpty()) return CString();
  CString folder = UI_Path(path).GetFolder();
  folder.Replace(L"/", L"\\");
  return folder;
}
