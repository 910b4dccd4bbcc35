// Document locks, headless: the host has one document; locks taken on it are counted so
// tests can check that every lock a dialog took was released.
#include <vector>

#include "ed/ZcApDocManager.h"
#include "headless/Windows.h"

class ZcApDocument {
public:
  std::vector<ZcAp::DocLockMode> locks;
};

namespace {
ZcApDocument& Document() {
  static ZcApDocument document;
  return document;
}
int& LockCount() {
  static int total = 0;
  return total;
}
}  // namespace

ZcApDocument* ZcApDocManager::curDocument() const { return &Document(); }

Zcad::ErrorStatus ZcApDocManager::lockDocument(ZcApDocument* doc, ZcAp::DocLockMode mode, const wchar_t*,
                                               const wchar_t*, bool) {
  if (doc != &Document()) return Zcad::eInvalidInput;
  doc->locks.push_back(mode);
  ++LockCount();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcApDocManager::unlockDocument(ZcApDocument* doc) {
  if (doc != &Document() || doc->locks.empty()) return Zcad::eNotApplicable;
  doc->locks.pop_back();
  return Zcad::eOk;
}

namespace headless {
int DocumentLocksHeld() { return static_cast<int>(Document().locks.size()); }
int DocumentLocksTaken() { return LockCount(); }
}  // namespace headless
