// Fastrelle_Construction: carries the string tables of the construction part of the system and joins the
// extension-module chain so that the main module's lookups find them.
#include "framework/ResourceModule.h"

namespace {
ExtensionModule g_extension;
}

ZCRX_EXPORT int zcrxEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  return ResourceModuleEntryPoint(message, packet);
}

ZCRX_EXPORT int zcrxGetApiVersion() { return kZcrxApiVersion; }

ZCRX_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  return ResourceModuleDllMain(g_extension, instance, reason);
}
