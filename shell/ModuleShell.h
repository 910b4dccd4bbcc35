// The main module's outer shell: what happens on each entry message (start-up and unload),
// the loading of the three sibling modules, joining the extension-module resource chain,
// the three command sets and the four host environment variables.
#ifndef SHELL_MODULESHELL_H
#define SHELL_MODULESHELL_H

#include "mfc/CString.h"
#include "rx/ZcRxDynamicLinker.h"

/// Handles an entry message: kInitAppMsg starts the module, kUnloadAppMsg unloads it, any
/// other message does nothing. Always 0; nothing thrown inside reaches the host.
int FastrelleEntryPoint(ZcRx::AppMsgCode message, void* packet);

/// The DLL entry: attach joins the extension-module chain, detach leaves it. Always TRUE.
BOOL FastrelleDllMain(HINSTANCE instance, DWORD reason);

/// Joins the extension-module chain once per process; 0 when already joined or when the
/// join fails, else the join's result.
int InitExtensionModule(HINSTANCE instance);

/// Loads one sibling module through the linker: a module not yet loaded is loaded with
/// messages on, then every module gets a second, quiet load call. 0 when usable, 3 when a
/// load call failed.
int LoadModuleIfNeeded(const CString& path, ZcRxDynamicLinker* linker);

/// Writes "Fastrelle_Construction_Path", "Fastrelle_Construction_AppdataPath",
/// "Fastrelle_Plot_Path" and "Fastrelle_Plot_AppdataPath", in that order.
void SetPathVariables();

void PopResourceHandle();

#endif
