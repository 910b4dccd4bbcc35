// Document locks, headless: the host has one document; locks taken on it are counted so
// tests can check that every lock a dialog took was released.
#include "db/ZcDbDatabase.h"
#include "ed/ZcApDocManager.h"
#include "headless/Windows.h"

namespace {
ZcApDocument& Document() {
  static ZcApDocument document;
  return document;
}
int& LockCount() {
  static int total = 0;
  return total;
}
int& LockFault() {  // the lock request that is refused, counted down; 0: none pending
  static int nth = 0;
  return nth;
}
}  // namespace

ZcApDocument* ZcApDocManager::curDocument() const { return &Document(); }

ZcDbDatabase* ZcApDocument::database() const { return zcdbHostApplicationServices()->workingDatabase(); }

const wchar_t* ZcApDocument::fileName() const {
  ZcDbDatabase* db = database();
  return db ? db->originalFileName() : L"";
}

Zcad::ErrorStatus ZcApDocManager::lockDocument(ZcApDocument* doc, ZcAp::DocLockMode mode, const wchar_t*,
                                               const wchar_t*, bool) {
  if (doc != &Document()) return Zcad::eInvalidInput;
  if (LockFault() > 0 && --LockFault() == 0) return Zcad::eObjectInUse;  // held by another session
  doc->locks_.push_back(mode);
  ++LockCount();
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcApDocManager::unlockDocument(ZcApDocument* doc) {
  if (doc != &Document() || doc->locks_.empty()) return Zcad::eNotApplicable;
  doc->locks_.pop_back();
  return Zcad::eOk;
}

namespace headless {
int DocumentLocksHeld() { return static_cast<int>(Document().locks_.size()); }
int DocumentLocksTaken() { return LockCount(); }
void FailDocumentLock(int nth) { LockFault() = nth > 0 ? nth : 0; }
}  // namespace headless
