// Base: the module of the user manual, the updater and the About dialog; its exported entry
// points.
#include "base/BaseModule.h"

ZCRX_EXPORT int zcrxEntryPoint(ZcRx::AppMsgCode message, void* packet) { return BaseEntryPoint(message, packet); }

ZCRX_EXPORT int zcrxGetApiVersion() { return kZcrxApiVersion; }

ZCRX_EXPORT BOOL DllMain(HINSTANCE instance, DWORD reason, LPVOID) { return BaseDllMain(instance, reason); }
