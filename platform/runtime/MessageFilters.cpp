// Window-message filters that modules install with the host.
#include <algorithm>
#include <vector>

#include "ed/zced.h"
#include "headless/Host.h"
#include "runtime/Modules.h"

namespace {
std::vector<ZcedFilterWinMsgFn>& Filters() {
  static std::vector<ZcedFilterWinMsgFn> filters;
  return filters;
}
}  // namespace

bool zcedRegisterFilterWinMsg(ZcedFilterWinMsgFn fn) {
  if (!fn) return false;
  auto& f = Filters();
  if (std::find(f.begin(), f.end(), fn) == f.end()) f.push_back(fn);
  return true;
}

bool zcedRemoveFilterWinMsg(ZcedFilterWinMsgFn fn) {
  auto& f = Filters();
  auto it = std::find(f.begin(), f.end(), fn);
  if (it == f.end()) return false;
  f.erase(it);
  return true;
}

namespace platform {
void DropModuleFilters(HINSTANCE module) {
  auto& f = Filters();
  f.erase(std::remove_if(f.begin(), f.end(),
                         [&](ZcedFilterWinMsgFn fn) {
                           return AddressInModule(reinterpret_cast<const void*>(fn), module);
                         }),
          f.end());
}
}  // namespace platform

namespace headless {
bool FilterMessage(MSG& msg) {
  std::vector<ZcedFilterWinMsgFn> copy = Filters();  // a filter may remove itself
  for (ZcedFilterWinMsgFn fn : copy)
    if (fn(&msg)) return true;
  return false;
}
std::size_t FilterCount() { return Filters().size(); }
}  // namespace headless
