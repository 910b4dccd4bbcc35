// The shell's open call, headless: the request is written on the command line and recorded;
// nothing is started, so nothing is waited for. Help, Update and the About link use it.
#include "win/winuser.h"
#include "win/winwindows.h"
#include "win/shellapi.h"

#include <sys/stat.h>

#include <vector>

#include "ed/zced.h"
#include "headless/Shell.h"
#include "headless/Windows.h"
#include "mfc/TextFold.h"
#include "win32/FilePaths.h"

namespace {

std::vector<headless::ShellExecuteCall>& Calls() {
  static std::vector<headless::ShellExecuteCall> calls;
  return calls;
}

bool IsAddress(const std::wstring& file) {
  std::wstring lower = platform::ToLower(file);
  for (const wchar_t* scheme : {L"http:", L"https:", L"mailto:"})
    if (lower.rfind(scheme, 0) == 0) return true;
  return false;
}

}  // namespace

HINSTANCE ShellExecuteW(HWND hwnd, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show) {
  headless::ShellExecuteCall call{reinterpret_cast<std::uintptr_t>(hwnd), verb ? verb : L"", file ? file : L"",
                                  parameters ? parameters : L"", directory ? directory : L"", show};
  Calls().push_back(call);
  std::wstring line = L"[Shell] " + (call.verb.empty() ? std::wstring(L"open") : call.verb) + L" " + call.file;
  if (!call.parameters.empty()) line += L" " + call.parameters;
  zcutPrintf(L"\n%s\n", line);
  struct stat st;
  bool found = !call.file.empty() &&
               (IsAddress(call.file) || ::stat(platform::NativePath(call.file).c_str(), &st) == 0);
  return reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(found ? 42 : SE_ERR_FNF));
}

namespace headless {
std::vector<ShellExecuteCall> ShellExecuteCalls() { return Calls(); }
std::vector<std::wstring> ShellExecutions() {
  std::vector<std::wstring> out;
  for (const ShellExecuteCall& call : Calls()) out.push_back((call.verb.empty() ? L"open" : call.verb) + L" " + call.file);
  return out;
}
void ClearShellExecuteCalls() { Calls().clear(); }
}  // namespace headless
