// Process and module services: environment expansion, module handles and file names.
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
/// The loaded module whose file name is `moduleName` without regard to case ("Base.zrx");
/// a name with a folder must name the module's own file (mapped as every path is). Null
/// when no loaded module matches; a null name gives the program itself.
HMODULE GetModuleHandleW(const wchar_t* moduleName);

/// The error code the last failing file call of this thread left (ERROR_FILE_NOT_FOUND,
/// ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED, ...); set by CFileFind::FindFile.
DWORD GetLastError();
void SetLastError(DWORD error);

#define MOVEFILE_REPLACE_EXISTING 0x00000001

/// Renames a file; with MOVEFILE_REPLACE_EXISTING an existing `newName` is replaced in one
/// step (readers see the old file or the new one, never a part), otherwise that fails.
/// FALSE on failure; both files are then as they were.
BOOL MoveFileExW(const wchar_t* existingName, const wchar_t* newName, DWORD flags);
/// Removes a file (not a folder). FALSE when it is missing, a folder or held open.
BOOL DeleteFileW(const wchar_t* fileName);

#endif
