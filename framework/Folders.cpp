// Finding the install and per-user folders.
#include "framework/Folders.h"

#include "ed/zced.h"
#include "framework/Product.h"
#include "framework/UI_Path.h"
#include "win/winbase.h"

namespace {

CString& RegisteredInstallCache() {
  static CString cache;
  return cache;
}

// Reads the first of two host variables that is set; `cache` keeps a value once found.
CString ReadHostFolder(CString& cache, const wchar_t* first, const wchar_t* second, bool* found) {
  *found = true;
  if (!cache.IsEmpty()) return cache;
  wchar_t buffer[MAX_PATH];
  if (zcedGetEnv(first, buffer, MAX_PATH) != RTNORM && zcedGetEnv(second, buffer, MAX_PATH) != RTNORM) {
    *found = false;
    return CString();
  }
  cache = buffer;
  return cache;
}

}  // namespace

RegistryKey::~RegistryKey() {
  if (m_key) RegCloseKey(m_key);
}

CString RegistryKey::ReadString(const CString& keyPath, const CString& valueName) {
  if (RegOpenKeyExW(m_root, keyPath, 0, m_access, &m_key) != ERROR_SUCCESS) {
    m_key = nullptr;
    return CString();
  }
  // 1024 bytes of UTF-16 text: 512 characters, whatever size wchar_t has here.
  wchar_t buffer[1024 / 2];
  DWORD size = sizeof buffer;
  DWORD type = REG_NONE;
  LSTATUS status = RegQueryValueExW(m_key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(m_key);
  m_key = nullptr;
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return CString();
  // The value need not end with a terminator: take only the characters it holds.
  int length = 0;
  int capacity = static_cast<int>(size / sizeof(wchar_t));
  while (length < capacity && buffer[length] != L'\0') ++length;
  return CString(buffer, length);
}

CString GetRegisteredInstallPath() {
  CString& cache = RegisteredInstallCache();
  if (!cache.IsEmpty()) return cache;
  CString key = L"SOFTWARE\\MIRABO\\" + kProductWord + L"\\2018\\" + kProductWord;
  cache = RegistryKey(HKEY_LOCAL_MACHINE, KEY_READ, false).ReadString(key, L"Path");
  return cache;
}

CString ExpandAppdata() {
  const wchar_t reference[] = L"%APPDATA%";
  wchar_t buffer[MAX_PATH];
  DWORD needed = ExpandEnvironmentStringsW(reference, buffer, MAX_PATH);
  if (needed == 0 || needed > MAX_PATH) return CString();
  CString folder(buffer);
  // Left as written: the variable is not set, so there is no per-user folder. A "%" in a
  // real folder name is no sign of that.
  return folder.CompareNoCase(reference) == 0 ? CString() : folder;
}

CString BuildAppdataPath() {
  CString appdata = ExpandAppdata();
  if (appdata.IsEmpty()) return CString();  // never a folder under the root of the drive
  return appdata + L"\\Mirabo\\" + kProductWord + L"\\2018\\" + kProductWord;
}

CString GetModuleFolder() { return UI_Path(zcedGetAppName()).GetFolder(); }

CString GetInstallPath() {
  static CString cache;
  bool found;
  CString path = ReadHostFolder(cache, L"Fastrelle_Construction_Path", L"Fastrelle_Plot_Path", &found);
  return found ? path : GetModuleFolder();
}

CString GetAppdataPath() {
  static CString cache;
  bool found;
  return ReadHostFolder(cache, L"Fastrelle_Construction_AppdataPath", L"Fastrelle_Plot_AppdataPath", &found);
}

CString ResolveInstallPath(const CString& path) {
  bool absolute = path.IsEmpty() || path[0] == L'\\' || path[0] == L'/' || path[1] == L':';
  CString install = GetInstallPath();
  if (absolute || install.IsEmpty()) return path;
  wchar_t last = install[install.GetLength() - 1];
  return install + (last == L'\\' || last == L'/' ? L"" : L"\\") + path;
}
