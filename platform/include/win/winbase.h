// Process and module services: environment expansion and module file names.
#ifndef PLATFORM_WIN_WINBASE_H
#define PLATFORM_WIN_WINBASE_H

#include "win/wintypes.h"

/// Expands "%NAME%" references ("%APPDATA%" is the host's per-user folder, left as written
/// while the host has none; other names come from the process environment; unknown names
/// stay as written). Returns the characters
/// needed including the terminator; when that exceeds `size` nothing complete is written
/// and the caller must treat the result as failed. 0 on error.
DWORD ExpandEnvironmentStringsW(const wchar_t* source, wchar_t* dest, DWORD size);
/// The file path of `module` (null: the program). Returns the length copied; when the
/// buffer is too small the text is cut and terminated, as on Windows.
DWORD GetModuleFileNameW(HMODULE module, wchar_t* fileName, DWORD size);

#endif
