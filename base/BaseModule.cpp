// Start-up and unload of the Base module.
//
// Module-wide state:
//   1. g_set: Base's command set, created at start-up (when null), deleted at unload after
//      its commands are taken off the host.
//   2. g_extension and ZRX_Module's instance: set at attach, cleared at detach.
#include "base/BaseModule.h"

#include "base/Base_cmds.h"
#include "base/ModuleList.h"
#include "base/ZRX_Module.h"
#include "ed/ZcApDocManager.h"

namespace {

ExtensionModule g_extension;
Base_cmds* g_set = nullptr;

// Pops the resource handle pushed for the registration on every way out.
struct ResourceHandleScope {
  explicit ResourceHandleScope(HINSTANCE instance) { zcDocManagerPtr()->pushResourceHandle(instance); }
  ~ResourceHandleScope() { zcDocManagerPtr()->popResourceHandle(); }
};

void StartUp(void* packet) {
  if (ZcRxDynamicLinker* linker = FindDynamicLinker()) {
    linker->unlockApplication(packet);
    linker->registerAppMDIAware(packet);
  }
  if (g_set) return;
  ResourceHandleScope resources(ZRX_Module::Instance());
  g_set = new Base_cmds;
  g_set->Register();
}

void Unload() {
  if (g_set) {
    g_set->RemoveRegistered();
    delete g_set;
    g_set = nullptr;
  }
  ForgetModuleList();
}

}  // namespace

int BaseEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  RunReported([&] {
    if (message == ZcRx::kInitAppMsg) StartUp(packet);
    else if (message == ZcRx::kUnloadAppMsg) Unload();
  });
  return ZcRx::kRetOK;
}

BOOL BaseDllMain(HINSTANCE instance, DWORD reason) {
  if (reason == DLL_PROCESS_ATTACH) {
    if (g_extension.Init(instance)) ZRX_Module::SetInstance(instance);
  } else if (reason == DLL_PROCESS_DETACH) {
    g_extension.Term();
    ZRX_Module::SetInstance(nullptr);
  }
  return TRUE;
}
