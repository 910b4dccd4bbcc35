// Critical sections: a lock one thread may take again while it holds it.
#ifndef PLATFORM_WIN_SYNCHAPI_H
#define PLATFORM_WIN_SYNCHAPI_H

#include "win/wintypes.h"

struct CRITICAL_SECTION {
  void* lock = nullptr;  // the platform's recursive mutex, made by InitializeCriticalSection
};
typedef CRITICAL_SECTION* LPCRITICAL_SECTION;

void InitializeCriticalSection(LPCRITICAL_SECTION section);
void EnterCriticalSection(LPCRITICAL_SECTION section);
void LeaveCriticalSection(LPCRITICAL_SECTION section);
/// Frees the lock; the section must be initialised again before use.
void DeleteCriticalSection(LPCRITICAL_SECTION section);

#endif
