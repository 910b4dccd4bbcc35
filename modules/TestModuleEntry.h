// The entry point the two resource modules share: their start as resource modules, the
// links their parts code needs, and their developer test command, taken off at unload.
#ifndef MODULES_TESTMODULEENTRY_H
#define MODULES_TESTMODULEENTRY_H

#include "construction/PartServices.h"
#include "framework/ResourceModule.h"
#include "testcase/TestCommand.h"

/// Message 1: the resource module's start, then the parts code's links (this module has
/// its own copy of the sizes code, reached only through them) and the test command `name`
/// in `group`. Message 2: the command taken off when this module's registration put it
/// there (a name the host refused belongs to someone else and stays), the links taken
/// back. Always 0. `registered` is the module's own record of its registration.
inline int TestModuleEntryPoint(ZcRx::AppMsgCode message, void* packet, const wchar_t* group, const wchar_t* name,
                                CommandLauncher launcher, bool& registered) {
  int result = ResourceModuleEntryPoint(message, packet);
  if (message == ZcRx::kInitAppMsg) {
    RegisterPartServices();
    if (!registered) registered = RegisterTestCommand(group, name, launcher);
  }
  if (message == ZcRx::kUnloadAppMsg) {
    if (registered) RemoveTestCommand(group, name);
    registered = false;
    UnregisterPartServices();
  }
  return result;
}

#endif
