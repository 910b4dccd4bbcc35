// The host's system registry with the services it publishes by name, and the identity of
// the module that calls a host function.
#include "ed/ZcEdCommandStack.h"
#include "ed/zced.h"
#include "rx/ZcRxDynamicLinker.h"
#include "runtime/Modules.h"

ZcRxDictionary* zcrxSysRegistry() {
  static ZcRxDynamicLinker linker;
  static ZcEdCommandStack commands;
  static ZcRxDictionary* registry = [] {
    static ZcRxDictionary dict;
    dict.atPut(L"DynamicLinker", &linker);
    dict.atPut(L"ZCAD_REGISTERED_COMMANDS", &commands);
    return &dict;
  }();
  return registry;
}

__attribute__((noinline)) const wchar_t* zcedGetAppName() {
  HINSTANCE m = platform::ModuleOf(__builtin_return_address(0));
  return m ? m->path.c_str() : L"";
}
