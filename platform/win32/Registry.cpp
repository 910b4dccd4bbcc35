// The host's registry store: keys and string values that the host seeds at start, read
// with the Windows registry functions.
#include "win/winreg.h"

#include <cstring>
#include <map>
#include <string>

#include "headless/Host.h"
#include "mfc/TextFold.h"

struct HKEY__ {
  std::wstring path;  // upper-cased, "ROOT\KEY\PATH"
};

namespace {

struct Value {
  std::wstring text;
  bool terminated = true;  // false: stored without its terminator, as a careless writer may
};
typedef std::map<std::wstring, Value> Values;  // upper-cased name -> value

std::map<std::wstring, Values>& Store() {
  static std::map<std::wstring, Values> store;
  return store;
}

std::wstring RootName(HKEY root) {
  if (root == HKEY_LOCAL_MACHINE) return L"HKLM";
  if (root == HKEY_CURRENT_USER) return L"HKCU";
  if (root == HKEY_CLASSES_ROOT) return L"HKCR";
  return L"";
}

std::wstring KeyPath(const std::wstring& root, const std::wstring& sub) {
  std::wstring path = root;
  for (size_t i = 0; i < sub.size();) {
    size_t next = sub.find(L'\\', i);
    std::wstring part = sub.substr(i, next == std::wstring::npos ? std::wstring::npos : next - i);
    if (!part.empty()) path += L"\\" + platform::ToUpper(part);
    if (next == std::wstring::npos) break;
    i = next + 1;
  }
  return path;
}

}  // namespace

LSTATUS RegOpenKeyExW(HKEY root, const wchar_t* subKey, DWORD, REGSAM, HKEY* result) {
  if (!result) return ERROR_INVALID_HANDLE;
  *result = nullptr;
  std::wstring rootName = RootName(root);
  if (rootName.empty()) return ERROR_INVALID_HANDLE;
  std::wstring path = KeyPath(rootName, subKey ? subKey : L"");
  if (!Store().count(path)) return ERROR_FILE_NOT_FOUND;
  *result = new HKEY__{path};
  return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExW(HKEY key, const wchar_t* valueName, DWORD*, DWORD* type, BYTE* data,
                         DWORD* size) {
  if (!key) return ERROR_INVALID_HANDLE;
  auto k = Store().find(key->path);
  if (k == Store().end()) return ERROR_FILE_NOT_FOUND;
  auto v = k->second.find(platform::ToUpper(valueName ? valueName : L""));
  if (v == k->second.end()) return ERROR_FILE_NOT_FOUND;
  if (type) *type = REG_SZ;
  const Value& value = v->second;
  DWORD needed = static_cast<DWORD>((value.text.size() + (value.terminated ? 1 : 0)) * sizeof(wchar_t));
  if (!data) {
    if (size) *size = needed;
    return ERROR_SUCCESS;
  }
  if (!size) return ERROR_INVALID_HANDLE;
  if (*size < needed) {
    *size = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, value.text.c_str(), needed);
  *size = needed;
  return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
  if (!key) return ERROR_INVALID_HANDLE;
  delete key;
  return ERROR_SUCCESS;
}

namespace headless {
void SetMachineRegistryValue(const std::wstring& keyPath, const std::wstring& name,
                             const std::wstring& value, bool terminated) {
  Store()[KeyPath(L"HKLM", keyPath)][platform::ToUpper(name)] = Value{value, terminated};
}
void ClearRegistry() { Store().clear(); }
}  // namespace headless
