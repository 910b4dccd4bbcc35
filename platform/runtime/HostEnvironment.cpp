// The host's environment store behind zcedSetEnv/zcedGetEnv: names without regard to
// case, values kept as given (the empty text included).
#include <cwchar>
#include <map>

#include "ed/zced.h"
#include "headless/Host.h"
#include "mfc/TextFold.h"

namespace {
std::map<std::wstring, std::wstring>& Store() {
  static std::map<std::wstring, std::wstring> store;  // keyed by the upper-cased name
  return store;
}
}  // namespace

int zcedSetEnv(const wchar_t* name, const wchar_t* value) {
  if (!name || !*name) return RTERROR;
  Store()[platform::ToUpper(name)] = value ? value : L"";
  return RTNORM;
}

int zcedGetEnv(const wchar_t* name, wchar_t* value, std::size_t size) {
  if (!name || !value || size == 0) return RTERROR;
  auto it = Store().find(platform::ToUpper(name));
  if (it == Store().end() || it->second.size() + 1 > size) {
    value[0] = L'\0';
    return RTERROR;
  }
  std::wmemcpy(value, it->second.c_str(), it->second.size() + 1);
  return RTNORM;
}

namespace headless {
void ClearHostEnvironment() { Store().clear(); }
}  // namespace headless
