// What the headless shell was asked to open: every ShellExecuteW call, recorded, never run.
// For the host program and the tests; system code never includes this header.
#ifndef PLATFORM_HEADLESS_SHELL_H
#define PLATFORM_HEADLESS_SHELL_H

#include <cstdint>
#include <string>
#include <vector>

namespace headless {

/// One ShellExecuteW call: its window (as a number, 0 for none), verb, file, parameters and
/// working folder as given ("" for null), and its show command.
struct ShellExecuteCall {
  std::uintptr_t window;
  std::wstring verb, file, parameters, directory;
  int show;
};
/// The calls since the last ClearShellExecuteCalls, in order.
std::vector<ShellExecuteCall> ShellExecuteCalls();
void ClearShellExecuteCalls();

}  // namespace headless

#endif
