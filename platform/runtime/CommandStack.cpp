// The command stack: registration by group and name, lookup without regard to case, and
// running a command for the host with its name on the list of active commands. A name
// that no module registered may be one of the host's own commands (the editor's).
#include "ed/ZcEdCommandStack.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "ed/zced.h"
#include "editor/HostCommand.h"
#include "headless/Host.h"
#include "mfc/TextFold.h"
#include "runtime/ActiveCommands.h"
#include "runtime/Modules.h"

namespace {

struct Command {
  std::wstring group, globalName, localName;
  int flags;
  ZcRxFunctionPtr fn;
};

std::vector<Command>& Commands() {
  static std::vector<Command> commands;  // in registration order
  return commands;
}

std::vector<std::wstring>& Active() {
  static std::vector<std::wstring> active;
  return active;
}

bool Same(const std::wstring& a, const wchar_t* b) { return b && platform::CompareFolded(a, b) == 0; }

}  // namespace

ZCRX_DEFINE_MEMBERS(ZcEdCommandStack, ZcRxObject)

Zcad::ErrorStatus ZcEdCommandStack::addCommand(const wchar_t* group, const wchar_t* globalName,
                                               const wchar_t* localName, int flags,
                                               ZcRxFunctionPtr fn, ZcEdUIContext*, int, HINSTANCE,
                                               ZcEdCommand**) {
  if (!group || !globalName || !*globalName || !fn) return Zcad::eInvalidInput;
  const wchar_t* local = localName && *localName ? localName : globalName;
  for (const Command& c : Commands()) {
    if (!Same(c.group, group)) continue;
    if (Same(c.globalName, globalName) || Same(c.localName, globalName) ||
        Same(c.globalName, local) || Same(c.localName, local))
      return Zcad::eDuplicateKey;
  }
  Commands().push_back({group, globalName, local, flags, fn});
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcEdCommandStack::removeCmd(const wchar_t* group, const wchar_t* globalName) {
  auto& cmds = Commands();
  auto it = std::find_if(cmds.begin(), cmds.end(), [&](const Command& c) {
    return Same(c.group, group) && Same(c.globalName, globalName);
  });
  if (it == cmds.end()) return Zcad::eKeyNotFound;
  cmds.erase(it);
  return Zcad::eOk;
}

Zcad::ErrorStatus ZcEdCommandStack::removeGroup(const wchar_t* group) {
  auto& cmds = Commands();
  auto end = std::remove_if(cmds.begin(), cmds.end(), [&](const Command& c) { return Same(c.group, group); });
  if (end == cmds.end()) return Zcad::eKeyNotFound;
  cmds.erase(end, cmds.end());
  return Zcad::eOk;
}

namespace platform {
void DropModuleCommands(HINSTANCE module) {
  auto& cmds = Commands();
  cmds.erase(std::remove_if(cmds.begin(), cmds.end(),
                            [&](const Command& c) {
                              return AddressInModule(reinterpret_cast<const void*>(c.fn), module);
                            }),
             cmds.end());
}
}  // namespace platform

namespace headless {

std::vector<CommandInfo> Commands() {
  std::vector<CommandInfo> out;
  for (const Command& c : ::Commands()) out.push_back({c.group, c.globalName, c.localName, c.flags});
  return out;
}

CommandResult RunCommand(const std::wstring& typed) {
  // "_" asks for the global name and "." for the host's own command; both find either here.
  std::wstring name = typed.substr(std::min(typed.find_first_not_of(L"_.'"), typed.size()));
  const Command* found = nullptr;
  for (const Command& c : ::Commands())
    if (Same(c.globalName, name.c_str()) || Same(c.localName, name.c_str())) {
      found = &c;
      break;
    }
  if (!found) {
    if (!editor::RunTypedHostCommand(name)) return CommandResult::Unknown;
    if (Active().empty()) editor::RunQueuedCommands();
    return CommandResult::Ran;
  }
  ZcRxFunctionPtr fn = found->fn;  // the command may change the stack while it runs
  Active().push_back(platform::ToUpper(found->globalName));
  CommandResult result = CommandResult::Ran;
  try {
    fn();
  } catch (const std::exception& e) {
    zcutPrintf(L"\nCommand %s stopped: %S\n", name, e.what());
    result = CommandResult::Threw;
  } catch (...) {
    zcutPrintf(L"\nCommand %s stopped by an unknown error.\n", name);
    result = CommandResult::Threw;
  }
  editor::FinishWaitingCommand();
  Active().pop_back();
  if (Active().empty()) editor::RunQueuedCommands();
  return result;
}

std::vector<std::wstring> ActiveCommands() { return Active(); }

}  // namespace headless

namespace platform {
void PushActiveCommand(const std::wstring& name) { Active().push_back(name); }
void PopActiveCommand() {
  if (!Active().empty()) Active().pop_back();
}
std::size_t ActiveCommandCount() { return Active().size(); }
}  // namespace platform
