// The entry points shared by the two resource modules: joining the extension-module chain
// at attach (so that their string tables and dialogs answer the main module's lookups)
// and, at start, unlocking and declaring themselves MDI-aware.
#ifndef FRAMEWORK_RESOURCEMODULE_H
#define FRAMEWORK_RESOURCEMODULE_H

#include "framework/HostServices.h"
#include "rx/ZcRxDynamicLinker.h"

/// Handles kInitAppMsg for a resource module: unlock and MDI-aware through the dynamic
/// linker (skipped when the host has none). Other messages do nothing. Always 0.
int ResourceModuleEntryPoint(ZcRx::AppMsgCode message, void* packet);

/// The DLL entry of a resource module: joins the chain at attach and answers the join's
/// result (a module whose resources cannot join refuses to load); leaves it at detach.
BOOL ResourceModuleDllMain(ExtensionModule& extension, HINSTANCE instance, DWORD reason);

#endif
