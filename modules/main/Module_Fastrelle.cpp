// Module_Fastrelle: the main module's exported entry points.
#include "shell/ModuleShell.h"

ZCRX_EXPORT int zcrxEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  return FastrelleEntryPoint(message, packet);
}

ZCRX_EXPORT int zcrxGetApiVersion() { return kZcrxApiVersion; }

ZCRX_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  return FastrelleDllMain(instance, reason);
}
