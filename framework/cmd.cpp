// Registering command sets with the host, and reporting commands that fail.
#include "framework/cmd.h"

#include "ed/ZcEdCommandStack.h"
#include "framework/HostServices.h"
#include "framework/Printer.h"
#include "rx/ZcRxDynamicLinker.h"


void ReportCommandStatus(int status) { PrintErrorStatus(status); }

void ReportCommandException(const char* what) {
  ZWPrinter printer;
  printer.NewLine();
  printer.Print(CString(L"Unexpected error: ") + CString(what ? what : "unknown"));
  printer.NewLine();
}

cmds::~cmds() {
  for (auto& entry : m_commands) delete entry.first;
}

int cmds::Unregister() {
  ZcEdCommandStack* stack = FindCommandStack();
  return stack ? stack->removeGroup(m_group) : Zcad::eNullObjectPointer;
}

void cmds::Register() {
  for (auto& [command, launcher] : m_commands) {
    ZcEdCommandStack* stack = FindCommandStack();  // looked up anew for every command
    if (!stack) continue;
    Zcad::ErrorStatus status = stack->addCommand(m_group, command->PolishName(), command->EnglishName(),
                                                 command->Flags(), launcher, nullptr, -1, nullptr, nullptr);
    if (status == Zcad::eOk) m_accepted.push_back(command->PolishName());
  }
}

void cmds::RemoveRegistered() {
  ZcEdCommandStack* stack = FindCommandStack();
  for (const CString& name : m_accepted)
    if (stack) stack->removeCmd(m_group, name);
  m_accepted.clear();
}

int cmds::WriteToRegistry(ZcadAppInfo& info) {
  int status = info.writeGroupNameToRegistry(m_group);
  for (auto& entry : m_commands)
    status = info.writeCommandNameToRegistry(entry.first->EnglishName(), entry.first->PolishName());
  return status;
}
