// The list of commands now running, outer first, shared by the command stack (module
// commands) and the editor (the host's own commands). Private to the platform.
#ifndef PLATFORM_RUNTIME_ACTIVECOMMANDS_H
#define PLATFORM_RUNTIME_ACTIVECOMMANDS_H

#include <string>

namespace platform {
/// Lists a command as running (its global name, upper case).
void PushActiveCommand(const std::wstring& name);
/// Removes the innermost running command.
void PopActiveCommand();
std::size_t ActiveCommandCount();
}  // namespace platform

#endif
