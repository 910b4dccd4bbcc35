// Base: the module of Help, Update and About. For now it starts, joins the resource chain
// and lets itself be unloaded; its commands come later.
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
