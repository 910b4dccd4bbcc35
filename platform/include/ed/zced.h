// The host's editor services that every module uses: the command-line output, the host
// environment store, message filters and the identity of the calling module; and, through
// the headers it includes, result buffers, user input, system variables and host commands.
#ifndef PLATFORM_ED_ZCED_H
#define PLATFORM_ED_ZCED_H

#include <cstddef>
#include <string>

#include "ed/ErrorStatus.h"
#include "ed/HostCommands.h"
#include "ed/ResultBuffer.h"
#include "ed/SystemVariables.h"
#include "ed/UserInput.h"
#include "mfc/FormatArg.h"
#include "win/winuser.h"

/// Appends `text` to the command line as it stands (no format).
void zcutPrintText(const std::wstring& text);

/// Prints on the command line with the Windows format rules ("%s" takes wide text); no
/// line feed is added. Returns the count of characters printed.
template <class... Args>
int zcutPrintf(const wchar_t* format, const Args&... args) {
  const FormatArg list[] = {FormatArg(args)..., FormatArg(0)};
  std::wstring text = WinFormat(format, list, sizeof...(Args));
  zcutPrintText(text);
  return static_cast<int>(text.size());
}

/// Sets a host environment variable (the host's own store, not the process environment;
/// names compare without regard to case). RTNORM; RTERROR for a null name.
int zcedSetEnv(const wchar_t* name, const wchar_t* value);
/// Copies the variable's value into `value` (at most `size` characters with the
/// terminator). RTNORM when present (also when empty), RTERROR when absent or when the
/// value does not fit (then `value` is emptied).
int zcedGetEnv(const wchar_t* name, wchar_t* value, std::size_t size);

/// The file path of the module whose code calls this function.
const wchar_t* zcedGetAppName();

typedef bool (*ZcedFilterWinMsgFn)(MSG*);
/// Installs a filter that sees every window message before the host; a filter already
/// installed is not added twice. True when installed.
bool zcedRegisterFilterWinMsg(ZcedFilterWinMsgFn fn);
bool zcedRemoveFilterWinMsg(ZcedFilterWinMsgFn fn);

#endif
