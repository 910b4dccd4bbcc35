// The module protocol and the host's dynamic linker: how modules are loaded by path,
// told of their start and unload, and kept loaded or let go.
#ifndef PLATFORM_RX_ZCRXDYNAMICLINKER_H
#define PLATFORM_RX_ZCRXDYNAMICLINKER_H

#include "rx/ZcRxObject.h"
#include "win/wintypes.h"

namespace ZcRx {
/// Messages the host sends to a module's entry point.
enum AppMsgCode { kNullMsg = 0, kInitAppMsg = 1, kUnloadAppMsg = 2, kLoadDwgMsg = 3, kUnloadDwgMsg = 4 };
enum AppRetCode { kRetOK = 0, kRetError = 3 };
}  // namespace ZcRx

/// The API version a module reports: the host year in the upper 16 bits.
constexpr int kZcrxApiVersion = 0x07E20000;

/// Marks a module's exported entry points (everything else in a module stays hidden).
#define ZCRX_EXPORT extern "C" __attribute__((visibility("default")))

/// Loads and unloads modules. A module is known by its file name, without regard to case:
/// loading a second file of the same name answers for the first.
///
/// A module's life: loadModule maps it, calls its DLL entry (attach), then its entry point
/// with kInitAppMsg and the module's packet. It is locked (cannot be unloaded) until it
/// calls unlockApplication with that packet. unloadModule sends kUnloadAppMsg, drops every
/// command and message filter whose code lies in the module, calls the DLL entry (detach)
/// and unmaps it.
class ZcRxDynamicLinker : public ZcRxObject {
public:
  ZCRX_DECLARE_MEMBERS(ZcRxDynamicLinker)
  /// Loads `fileName` (a Windows or native path). True when the module is usable; a module
  /// already loaded only has its load count raised. With `printit`, failures are reported
  /// on the command line.
  bool loadModule(const wchar_t* fileName, bool printit, bool asCmd = false);
  /// Unloads a module by path or file name; false when it is not loaded or is locked.
  bool unloadModule(const wchar_t* fileName, bool asCmd = false);
  /// `appId` is the packet the entry point received.
  bool unlockApplication(void* appId) const;
  bool lockApplication(void* appId) const;
  bool isApplicationLocked(const wchar_t* fileName) const;
  bool registerAppMDIAware(void* appId) const;
  bool isAppMDIAware(const wchar_t* fileName) const;
};

/// True when a module of that file name is loaded.
bool zcrxAppIsLoaded(const wchar_t* fileName);

/// Demand-loading information of an application (recorded, not acted on).
class ZcadAppInfo {
public:
  int writeGroupNameToRegistry(const wchar_t* group);
  int writeCommandNameToRegistry(const wchar_t* globalName, const wchar_t* localName);
};

#endif
