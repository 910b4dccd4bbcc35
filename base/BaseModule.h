// The Base module's entry points: start-up registers its command set with Base's own
// resources current, unload takes its commands off the host and deletes the set; the DLL
// entry joins the extension-module chain and keeps Base's instance.
#ifndef BASE_BASEMODULE_H
#define BASE_BASEMODULE_H

#include "framework/HostServices.h"
#include "rx/ZcRxDynamicLinker.h"

/// kInitAppMsg: unlock and MDI-aware through the dynamic linker (when there is one), then,
/// with Base's resource handle pushed, Base_cmds created and registered (once: a second
/// start-up registers nothing twice). kUnloadAppMsg: Base's three commands taken off the
/// host (by group and name; the group is shared with the main set), the set deleted, the
/// module list forgotten. Other messages do nothing. Always 0.
int BaseEntryPoint(ZcRx::AppMsgCode message, void* packet);

/// Attach: joins the extension-module chain once and keeps the instance; detach leaves it.
BOOL BaseDllMain(HINSTANCE instance, DWORD reason);

#endif
