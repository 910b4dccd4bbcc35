// Start-up and unload of the main module.
//
// Module-wide state, alive from start-up to unload:
//   1. g_sets: the main, construction and plot command sets; null before start-up and
//      after unload. StartUp creates each only when it is null, so a second start-up
//      message neither leaks nor registers twice.
//   2. g_extension: the module's place on the extension-module chain, joined at attach.
//   3. the current layout (Layout::Current): made at its first use, freed at unload.
//   4. the arrow-key filter: installed after the plot set, removed at unload.
// Unload takes each set's own commands off the host before deleting the set, so no
// command of an unloading module stays reachable.
#include "shell/ModuleShell.h"

#include <exception>

#include "construction/Construction_cmds.h"
#include "construction/PartServices.h"
#include "ed/ZcApDocManager.h"
#include "ed/zced.h"
#include "framework/Folders.h"
#include "framework/HostServices.h"
#include "framework/Printer.h"
#include "geometry/GeometryServices.h"
#include "layout/AllignByKeyArrows.h"
#include "layout/Layout.h"
#include "layout/Model_dlg.h"
#include "layout/Plot_cmds.h"
#include "shell/ModuleFastrelle_cmds.h"

namespace {

ExtensionModule g_extension;
cmds* g_mainSet = nullptr;
cmds* g_constructionSet = nullptr;
cmds* g_plotSet = nullptr;

const wchar_t* const kSiblings[] = {L"\\Fastrelle_Construction.zrx", L"\\Fastrelle_Plot.zrx", L"\\Base.zrx"};

template <class Set>
void CreateAndRegister(cmds*& global) {
  if (global) return;
  global = new Set;
  global->Register();
}

void DeleteSet(cmds*& global) {
  if (!global) return;
  global->RemoveRegistered();
  delete global;
  global = nullptr;
}

// Pops the resource handle pushed at start-up on every way out.
struct ResourceHandleScope {
  explicit ResourceHandleScope(HINSTANCE instance) { zcDocManagerPtr()->pushResourceHandle(instance); }
  ~ResourceHandleScope() { PopResourceHandle(); }
};

void LoadSiblings(ZcRxDynamicLinker* linker) {
  if (!linker) return;
  CString install = GetRegisteredInstallPath();
  if (install.IsEmpty()) {
    // Without an install folder the siblings would be looked for at the file-system root.
    ZWPrinter().Print(L"\nFastrelle: brak folderu instalacji w rejestrze; moduły "
                      L"Fastrelle_Construction, Fastrelle_Plot i Base nie zostały wczytane.\n");
    return;
  }
  for (const wchar_t* sibling : kSiblings) LoadModuleIfNeeded(install + sibling, linker);
}

void StartUp(void* packet) {
  ZcRxDynamicLinker* linker = FindDynamicLinker();
  if (linker) {
    linker->unlockApplication(packet);
    linker->registerAppMDIAware(packet);
  }
  LoadSiblings(linker);
  {
    Fastrelle_About_cmd about;
    about.Run();
  }
  RegisterGeometryServices();
  RegisterPartServices();
  ResourceHandleScope resources(g_extension.Instance());
  CreateAndRegister<ModuleFastrelle_cmds>(g_mainSet);
  CreateAndRegister<Construction_cmds>(g_constructionSet);
  CreateAndRegister<Plot_cmds>(g_plotSet);
  zcedRegisterFilterWinMsg(AllignByKeyArrowsFilter);  // the host keeps one however often asked
  SetPathVariables();
}

void Unload() {
  DeleteSet(g_mainSet);
  DeleteSet(g_constructionSet);
  DeleteSet(g_plotSet);
  zcedRemoveFilterWinMsg(AllignByKeyArrowsFilter);
  Layout::FreeCurrent();
  Model_dlg::FreeLastChoice();
  UnregisterGeometryServices();
  UnregisterPartServices();
}

}  // namespace

int FastrelleEntryPoint(ZcRx::AppMsgCode message, void* packet) {
  try {
    if (message == ZcRx::kInitAppMsg) StartUp(packet);
    else if (message == ZcRx::kUnloadAppMsg) Unload();
  } catch (Zcad::ErrorStatus status) {
    ReportCommandStatus(status);
  } catch (int status) {
    ReportCommandStatus(status);
  } catch (const std::exception& e) {
    ReportCommandException(e.what());
  } catch (...) {
    ReportCommandException(nullptr);
  }
  return ZcRx::kRetOK;
}

BOOL FastrelleDllMain(HINSTANCE instance, DWORD reason) {
  if (reason == DLL_PROCESS_ATTACH) InitExtensionModule(instance);
  else if (reason == DLL_PROCESS_DETACH) g_extension.Term();
  return TRUE;
}

int InitExtensionModule(HINSTANCE instance) { return g_extension.Init(instance); }

int LoadModuleIfNeeded(const CString& path, ZcRxDynamicLinker* linker) {
  if (!linker) return 3;  // no linker, nothing can load
  if (!zcrxAppIsLoaded(path) && !linker->loadModule(path, true, true)) return 3;
  if (!linker->loadModule(path, false, false)) return 3;
  return 0;
}

void SetPathVariables() {
  CString install = GetRegisteredInstallPath();
  CString appdata = BuildAppdataPath();
  zcedSetEnv(L"Fastrelle_Construction_Path", install);
  zcedSetEnv(L"Fastrelle_Construction_AppdataPath", appdata);
  zcedSetEnv(L"Fastrelle_Plot_Path", install);
  zcedSetEnv(L"Fastrelle_Plot_AppdataPath", appdata);
}

void PopResourceHandle() { zcDocManagerPtr()->popResourceHandle(); }
