// The host's document manager: the current resource module stack and document locks.
#ifndef PLATFORM_ED_ZCAPDOCMANAGER_H
#define PLATFORM_ED_ZCAPDOCMANAGER_H

#include <vector>

#include "ed/ErrorStatus.h"
#include "win/wintypes.h"

class ZcDbDatabase;
namespace headless {
int DocumentLocksHeld();
}

/// The host's one open document: the drawing commands work on (the working database).
class ZcApDocument {
public:
  /// The file the document's drawing was read from or last saved to; "" for a new drawing.
  const wchar_t* fileName() const;
  /// The document's drawing; null when the host has none.
  ZcDbDatabase* database() const;

private:
  friend class ZcApDocManager;
  friend int headless::DocumentLocksHeld();
  std::vector<int> locks_;  // the lock modes taken, innermost last
};

namespace ZcAp {
enum DocLockMode { kNone = 0, kAutoWrite = 1, kNotLocked = 2, kWrite = 4, kProtectedAutoWrite = 20, kRead = 32, kXWrite = 64 };
}

/// Resource handles pushed here are searched first by string and dialog lookups, until
/// popped. Popping an empty stack does nothing.
class ZcApDocManager {
public:
  void pushResourceHandle(HINSTANCE module);
  void popResourceHandle();
  /// The module on top of the stack, or null.
  HINSTANCE curResourceHandle() const;
  int resourceHandleDepth() const;

  /// The current document; never null in the host.
  ZcApDocument* curDocument() const;
  /// Locks are counted: each lock needs its unlock. eInvalidInput for no document.
  Zcad::ErrorStatus lockDocument(ZcApDocument* doc, ZcAp::DocLockMode mode = ZcAp::kWrite,
                                 const wchar_t* globalCommand = nullptr, const wchar_t* localCommand = nullptr,
                                 bool prompt = true);
  /// eNotApplicable when the document holds no lock.
  Zcad::ErrorStatus unlockDocument(ZcApDocument* doc);
};

ZcApDocManager* zcDocManagerPtr();

#endif
