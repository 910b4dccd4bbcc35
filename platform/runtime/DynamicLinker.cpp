// The dynamic linker: maps modules with dlopen (RTLD_LOCAL, so each keeps its own copy of
// the code it links, as a DLL would), runs their DLL entry and entry point, and unmaps them.
//
// A module record goes through these states:
//   1. mapped      loadModule: dlopen, record created, DllMain(attach) called; FALSE
//                  from it takes the module to 4.
//   2. started     loadModule: zcrxEntryPoint(kInitAppMsg) returned kRetOK; `started` set.
//   3. unlocked    the module called unlockApplication with its packet; it may be unloaded.
//   4. gone        unloadModule / UnloadAllModules: kUnloadAppMsg, its commands, filters and
//                  resources dropped, DllMain(detach), dlclose, record deleted.
// A failure in 1 or 2 takes the module straight to 4.
#include "rx/ZcRxDynamicLinker.h"

#include <dlfcn.h>
#include <sys/stat.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "ed/zced.h"
#include "headless/Host.h"
#include "mfc/TextFold.h"
#include "runtime/Modules.h"
#include "win32/FilePaths.h"

namespace {

typedef int (*EntryPointFn)(ZcRx::AppMsgCode, void*);
typedef int (*ApiVersionFn)();
typedef BOOL (*DllMainFn)(HINSTANCE, DWORD, LPVOID);

struct Linker {
  std::vector<std::unique_ptr<HINSTANCE__>> modules;  // every record, in creation order
  std::vector<HINSTANCE> started;                     // loaded modules, in start order
  std::vector<std::wstring> log;
};

Linker& State() {
  static Linker linker;
  return linker;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
  return platform::CompareFolded(platform::PathFileName(a), platform::PathFileName(b)) == 0;
}

HINSTANCE FindStarted(const wchar_t* fileName) {
  if (!fileName) return nullptr;
  for (HINSTANCE m : State().started)
    if (SameName(m->path, fileName)) return m;
  return nullptr;
}

HINSTANCE FindRecord(const void* packet) {
  for (auto& m : State().modules)
    if (m.get() == packet) return m.get();
  return nullptr;
}

void Log(const std::wstring& line) { State().log.push_back(line); }

// Calls the module's entry point; an exception is the module's failure, not the host's.
int CallEntry(HINSTANCE m, ZcRx::AppMsgCode msg) {
  auto entry = reinterpret_cast<EntryPointFn>(dlsym(m->dl, "zcrxEntryPoint"));
  if (!entry) return ZcRx::kRetError;
  try {
    return entry(msg, m);
  } catch (...) {
    zcutPrintf(L"\n%s: the module's entry point failed.\n", platform::PathFileName(m->path));
    return ZcRx::kRetError;
  }
}

// Calls the module's DLL entry; FALSE (or an exception) at attach refuses the load.
BOOL CallDllMain(HINSTANCE m, DWORD reason) {
  auto dllMain = reinterpret_cast<DllMainFn>(dlsym(m->dl, "DllMain"));
  if (!dllMain) return TRUE;
  try {
    return dllMain(m, reason, nullptr);
  } catch (...) {
    return FALSE;
  }
}

// Unmaps a mapped module and forgets it. Nothing of its code may stay reachable.
void Unmap(HINSTANCE m) {
  platform::DropModuleCommands(m);
  platform::DropModuleFilters(m);
  CallDllMain(m, DLL_PROCESS_DETACH);
  platform::DropModuleResources(m);
  platform::DropModuleResourceHandles(m);
  dlclose(m->dl);
  auto& started = State().started;
  started.erase(std::remove(started.begin(), started.end(), m), started.end());
  auto& mods = State().modules;
  mods.erase(std::remove_if(mods.begin(), mods.end(), [&](auto& p) { return p.get() == m; }), mods.end());
}

void Unload(HINSTANCE m) {
  Log(L"unload " + platform::PathFileName(m->path));
  CallEntry(m, ZcRx::kUnloadAppMsg);
  Unmap(m);
}

}  // namespace

ZCRX_DEFINE_MEMBERS(ZcRxDynamicLinker, ZcRxObject)

bool ZcRxDynamicLinker::loadModule(const wchar_t* fileName, bool printit, bool asCmd) {
  if (!fileName) return false;
  std::wstring name = platform::PathFileName(fileName);
  Log(L"load " + name + L" print=" + (printit ? L"1" : L"0") + L" cmd=" + (asCmd ? L"1" : L"0"));
  if (HINSTANCE m = FindStarted(fileName)) {
    ++m->loadCount;
    return true;
  }
  auto fail = [&](const std::wstring& why) {
    if (printit) zcutPrintf(L"\nUnable to load %s: %s\n", fileName, why);
    return false;
  };
  std::string file = platform::NativePath(fileName);
  struct stat st;
  if (::stat(file.c_str(), &st) != 0) return fail(L"file not found.");
  void* dl = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!dl) return fail(platform::FromUtf8(dlerror()));
  auto version = reinterpret_cast<ApiVersionFn>(dlsym(dl, "zcrxGetApiVersion"));
  void* entry = dlsym(dl, "zcrxEntryPoint");
  if (!entry || !version || (version() >> 16) != (kZcrxApiVersion >> 16)) {
    dlclose(dl);
    return fail(L"not a module of this host version.");
  }
  Dl_info info{};
  dladdr(entry, &info);
  auto record = std::make_unique<HINSTANCE__>();
  record->path = fileName;
  record->file = file;
  record->dl = dl;
  record->base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
  record->loadCount = 1;
  HINSTANCE m = record.get();
  State().modules.push_back(std::move(record));

  if (!CallDllMain(m, DLL_PROCESS_ATTACH)) {
    Unmap(m);  // as Windows does, the refused module is detached and unmapped
    return fail(L"the module's DLL entry refused to attach.");
  }
  Log(L"init " + name);
  if (CallEntry(m, ZcRx::kInitAppMsg) != ZcRx::kRetOK) {
    Unmap(m);
    return fail(L"the module refused to start.");
  }
  m->started = true;
  State().started.push_back(m);
  return true;
}

bool ZcRxDynamicLinker::unloadModule(const wchar_t* fileName, bool) {
  HINSTANCE m = FindStarted(fileName);
  if (!m || !m->unlocked) return false;
  Unload(m);
  return true;
}

bool ZcRxDynamicLinker::unlockApplication(void* appId) const {
  HINSTANCE m = FindRecord(appId);
  if (!m) return false;
  m->unlocked = true;
  Log(L"unlock " + platform::PathFileName(m->path));
  return true;
}

bool ZcRxDynamicLinker::lockApplication(void* appId) const {
  HINSTANCE m = FindRecord(appId);
  if (!m) return false;
  m->unlocked = false;
  return true;
}

bool ZcRxDynamicLinker::isApplicationLocked(const wchar_t* fileName) const {
  HINSTANCE m = FindStarted(fileName);
  return m && !m->unlocked;
}

bool ZcRxDynamicLinker::registerAppMDIAware(void* appId) const {
  HINSTANCE m = FindRecord(appId);
  if (!m) return false;
  m->mdiAware = true;
  Log(L"mdiaware " + platform::PathFileName(m->path));
  return true;
}

bool ZcRxDynamicLinker::isAppMDIAware(const wchar_t* fileName) const {
  HINSTANCE m = FindStarted(fileName);
  return m && m->mdiAware;
}

bool zcrxAppIsLoaded(const wchar_t* fileName) { return FindStarted(fileName) != nullptr; }

int ZcadAppInfo::writeGroupNameToRegistry(const wchar_t* group) {
  Log(std::wstring(L"appinfo group ") + (group ? group : L""));
  return Zcad::eOk;
}

int ZcadAppInfo::writeCommandNameToRegistry(const wchar_t* globalName, const wchar_t* localName) {
  Log(std::wstring(L"appinfo command ") + (globalName ? globalName : L"") + L" " + (localName ? localName : L""));
  return Zcad::eOk;
}

namespace platform {

HINSTANCE ModuleAtBase(std::uintptr_t base) {
  for (auto& m : State().modules)
    if (m->base == base) return m.get();
  return nullptr;
}

HINSTANCE ModuleOf(const void* address) {
  Dl_info info{};
  if (!address || !dladdr(address, &info)) return nullptr;
  auto base = reinterpret_cast<std::uintptr_t>(info.dli_fbase);
  if (HINSTANCE m = ModuleAtBase(base)) return m;
  auto record = std::make_unique<HINSTANCE__>();
  record->file = info.dli_fname ? info.dli_fname : "";
  record->path = FromUtf8(record->file);
  record->base = base;
  State().modules.push_back(std::move(record));
  return State().modules.back().get();
}

std::vector<HINSTANCE> StartedModules() { return State().started; }

bool AddressInModule(const void* address, HINSTANCE module) {
  Dl_info info{};
  return module && address && dladdr(address, &info) &&
         reinterpret_cast<std::uintptr_t>(info.dli_fbase) == module->base;
}

}  // namespace platform

namespace headless {

HINSTANCE InstanceContaining(const void* address) { return platform::ModuleOf(address); }

std::vector<std::wstring> LoadedModules() {
  std::vector<std::wstring> out;
  for (HINSTANCE m : State().started) out.push_back(m->path);
  return out;
}

void UnloadAllModules() {
  while (!State().started.empty()) Unload(State().started.back());
}

std::vector<std::wstring> LinkerLog() { return State().log; }
void ClearLinkerLog() { State().log.clear(); }

}  // namespace headless
