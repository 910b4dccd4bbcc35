// The document manager's resource-handle stack.
#include <algorithm>
#include <vector>

#include "ed/ZcApDocManager.h"
#include "runtime/Modules.h"

namespace {
std::vector<HINSTANCE>& Stack() {
  static std::vector<HINSTANCE> stack;
  return stack;
}
}  // namespace

void ZcApDocManager::pushResourceHandle(HINSTANCE module) { Stack().push_back(module); }
void ZcApDocManager::popResourceHandle() {
  if (!Stack().empty()) Stack().pop_back();
}
HINSTANCE ZcApDocManager::curResourceHandle() const { return Stack().empty() ? nullptr : Stack().back(); }
int ZcApDocManager::resourceHandleDepth() const { return static_cast<int>(Stack().size()); }

ZcApDocManager* zcDocManagerPtr() {
  static ZcApDocManager manager;
  return &manager;
}

namespace platform {
// A module unmapped while its handle is still pushed must not leave the stack pointing at
// its freed record.
void DropModuleResourceHandles(HINSTANCE module) {
  auto& stack = Stack();
  stack.erase(std::remove(stack.begin(), stack.end(), module), stack.end());
}
}  // namespace platform
