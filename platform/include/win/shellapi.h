// The shell's "open this file" call. Headless: it starts nothing and waits for nothing; the
// request is written on the command line and recorded for tests (headless/Shell.h).
#ifndef PLATFORM_WIN_SHELLAPI_H
#define PLATFORM_WIN_SHELLAPI_H

#include "win/wintypes.h"

/// Asks the shell to run `verb` ("open" when null) on `file`, with `parameters` and the
/// working folder `directory`. Writes "[Shell] <verb> <file>" (then a blank and the
/// parameters, when given) on the command line and records the six values. Returns a value
/// above 32 when `file` exists (found as every path is, without regard to case) or is an
/// address ("http:", "https:", "mailto:"); else 2 (SE_ERR_FNF, the file was not found).
HINSTANCE ShellExecuteW(HWND hwnd, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show);

#define SE_ERR_FNF 2

#endif
