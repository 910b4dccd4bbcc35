// Resource modules' start.
#include "framework/ResourceModule.h"

int ResourceModuleEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  if (message != ZcRx::kInitAppMsg) return ZcRx::kRetOK;
  if (ZcRxDynamicLinker* linker = FindDynamicLinker()) {
    linker->unlockApplication(packet);
    linker->registerAppMDIAware(packet);
  }
  return ZcRx::kRetOK;
}
