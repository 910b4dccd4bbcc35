// Base: the module of Help, Update and About. It starts, lets itself be unloaded and
// registers its commands.
#include "framework/HostServices.h"
#include "rx/ZcRxDynamicLinker.h"

namespace {
ExtensionModule g_extension;
}

ZCRX_EXPORT int zcrxEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  if (message == ZcRx::kInitAppMsg) {
    if (ZcRxDynamicLinker* linker = FindDynamicLinker()) {
      linker->unlockApplication(packet);
      linker->registerAppMDIAware(packet);
    }
  }
  return ZcRx::kRetOK;
}

ZCRX_EXPORT int zcrxGetApiVersion() { return kZcrxApiVersion; }

ZCRX_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) g_extension.Init(instance);
  else if (reason == DLL_PROCESS_DETACH) g_extension.Term();
  return TRUE;
}
