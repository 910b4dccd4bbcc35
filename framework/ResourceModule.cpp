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

BOOL ResourceModuleDllMain(ExtensionModule& extension, HINSTANCE instance, DWORD reason) {
  if (reason == DLL_PROCESS_ATTACH) return extension.Init(instance) ? TRUE : FALSE;
  if (reason == DLL_PROCESS_DETACH) extension.Term();
  return TRUE;
}
