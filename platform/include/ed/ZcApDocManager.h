// The host's document manager: the current resource module stack and document locks.
#ifndef PLATFORM_ED_ZCAPDOCMANAGER_H
#define PLATFORM_ED_ZCAPDOCMANAGER_H

#include "win/wintypes.h"

/// Resource handles pushed here are searched first by string and dialog lookups, until
/// popped. Popping an empty stack does nothing.
class ZcApDocManager {
public:
  void pushResourceHandle(HINSTANCE module);
  void popResourceHandle();
  /// The module on top of the stack, or null.
  HINSTANCE curResourceHandle() const;
  int resourceHandleDepth() const;
};

ZcApDocManager* zcDocManagerPtr();

#endif
