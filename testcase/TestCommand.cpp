// Registering the developer test commands.
#include "testcase/TestCommand.h"

#include "ed/ZcEdCommandStack.h"
#include "framework/HostServices.h"

bool RegisterTestCommand(const CString& group, const CString& name, CommandLauncher launcher) {
  ZcEdCommandStack* stack = FindCommandStack();
  if (!stack) return false;
  return stack->addCommand(group, name, name, 1, launcher, nullptr, -1, nullptr, nullptr) == Zcad::eOk;
}

void RemoveTestCommand(const CString& group, const CString& name) {
  if (ZcEdCommandStack* stack = FindCommandStack()) stack->removeCmd(group, name);
}
