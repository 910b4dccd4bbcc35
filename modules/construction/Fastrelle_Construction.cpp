// Fastrelle_Construction: carries the string tables of the construction part of the system and joins the
// extension-module chain so that the main module's lookups find them; registers the
// developer test command "TFAS", which runs the construction fixture.
#include "modules/TestModuleEntry.h"
#include "modules/construction/T_0002236.h"

namespace {
ExtensionModule g_extension;
bool g_commandRegistered = false;  // the test command is this module's own
}

ZCRX_EXPORT int zcrxEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  return TestModuleEntryPoint(message, packet, L"Fastrelle", L"TFAS", &LaunchFixture<T_0002236>,
                              g_commandRegistered);
}

ZCRX_EXPORT int zcrxGetApiVersion() { return kZcrxApiVersion; }

ZCRX_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  return ResourceModuleDllMain(g_extension, instance, reason);
}
