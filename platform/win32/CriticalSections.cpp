// Critical sections over recursive mutexes.
#include <mutex>

#include "win/synchapi.h"

void InitializeCriticalSection(LPCRITICAL_SECTION section) {
  if (section) section->lock = new std::recursive_mutex;
}

void EnterCriticalSection(LPCRITICAL_SECTION section) {
  if (section && section->lock) static_cast<std::recursive_mutex*>(section->lock)->lock();
}

void LeaveCriticalSection(LPCRITICAL_SECTION section) {
  if (section && section->lock) static_cast<std::recursive_mutex*>(section->lock)->unlock();
}

void DeleteCriticalSection(LPCRITICAL_SECTION section) {
  if (!section) return;
  delete static_cast<std::recursive_mutex*>(section->lock);
  section->lock = nullptr;
}
