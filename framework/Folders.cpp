// Finding the install and per-user folders.
#include "framework/Folders.h"

#include "ed/zced.h"
#include "framework/Product.h"
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
  BYTE buffer[1024];
  DWORD size = sizeof buffer;
  DWORD type = REG_NONE;
  LSTATUS status = RegQueryValueExW(m_key, valueName, nullptr, &type, buffer, &size);
  RegCloseKey(m_key);
  m_key = nullptr;
  if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return CString();
  // The value need not end with a terminator: take only the characters it holds.
  const auto* text = reinterpret_cast<const wchar_t*>(buffer);
  int length = 0;
  int capacity = static_cast<int>(size / sizeof(wchar_t));
  while (length < capacity && text[length] != L'\0') ++length;
  return CString(text, length);
}

CString GetRegisteredInstallPath() {
  CString& cache = RegisteredInstallCache();
  if (!cache.IsEmpty()) return cache;
  CString key = L"SOFTWARE\\MIRABO\\" + kProductWord + L"\\2018\\" + kProductWord;
  cache = RegistryKey(HKEY_LOCAL_MACHINE, KEY_READ, false).ReadString(key, L"Path");
  return cache;
}

CString ExpandAppdata() {
  wchar_t buffer[MAX_PATH];
  DWORD needed = ExpandEnvironmentStringsW(L"%APPDATA%", buffer, MAX_PATH);
  if (needed == 0 || needed > MAX_PATH) return CString();
  return CString(buffer);
}

CString BuildAppdataPath() {
  return ExpandAppdata() + L"\\Mirabo\\" + kProductWord + L"\\2018\\" + kProductWord;
}

CString GetModuleFolder() {
  CString path = zcedGetAppName();
  path.Replace(L'\\', L'/');
  int cut = path.ReverseFind(L'/');
  return cut < 0 ? CString() : path.Left(cut + 1);
}

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
