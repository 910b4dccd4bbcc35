// The dynamic linker's record of a loaded module, shared by the linker, the resource
// chain and the services that ask which module called them. Private to the platform.
#ifndef PLATFORM_RUNTIME_MODULES_H
#define PLATFORM_RUNTIME_MODULES_H

#include <cstdint>
#include <string>
#include <vector>

#include "win/wintypes.h"

/// One shared object (or the program) known to the platform. Its address is the HINSTANCE
/// handed to the module, and the packet its entry point receives.
struct HINSTANCE__ {
  std::wstring path;      // as the caller named it (Windows or native form)
  std::string file;       // the native file that was mapped
  void* dl = nullptr;     // dlopen handle, null for the program itself
  std::uintptr_t base = 0;  // load address, to tell which module an address belongs to
  bool unlocked = false;
  bool mdiAware = false;
  bool started = false;   // its entry point answered kInitAppMsg
  int loadCount = 0;
};

namespace platform {
/// The record of the module that holds `address`, created on first request for objects
/// that were not loaded through the linker (the program, the platform itself).
HINSTANCE ModuleOf(const void* address);
/// The record whose load address is `base`, or null.
HINSTANCE ModuleAtBase(std::uintptr_t base);
/// The modules loaded through the linker and started, in start order.
std::vector<HINSTANCE> StartedModules();
/// Forgets the resources registered from a module that is being unmapped.
void DropModuleResources(HINSTANCE module);
/// Drops commands and message filters whose code lies in the module being unmapped.
void DropModuleCommands(HINSTANCE module);
void DropModuleFilters(HINSTANCE module);
/// Takes the module off the document manager's resource-handle stack, wherever it stands.
void DropModuleResourceHandles(HINSTANCE module);
/// True when `address` lies in the module's mapped image.
bool AddressInModule(const void* address, HINSTANCE module);
}  // namespace platform

#endif
