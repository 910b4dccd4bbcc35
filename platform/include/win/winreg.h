// Reading the host's registry store (the keys the installer writes).
#ifndef PLATFORM_WIN_WINREG_H
#define PLATFORM_WIN_WINREG_H

#include "win/wintypes.h"

#define HKEY_CLASSES_ROOT (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000)))
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001)))
#define HKEY_LOCAL_MACHINE (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002)))

#define KEY_QUERY_VALUE 0x0001
#define KEY_READ 0x20019
#define KEY_WOW64_64KEY 0x0100

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2

typedef LONG LSTATUS;

/// Opens `root`\`subKey` for reading. ERROR_FILE_NOT_FOUND when no such key exists.
LSTATUS RegOpenKeyExW(HKEY root, const wchar_t* subKey, DWORD options, REGSAM access, HKEY* result);
/// Reads a value. With `data` null, reports the size only. The size is in bytes of the
/// stored wchar_t text including its terminator; ERROR_MORE_DATA when the buffer is short
/// (then nothing is written).
LSTATUS RegQueryValueExW(HKEY key, const wchar_t* valueName, DWORD* reserved, DWORD* type,
                         BYTE* data, DWORD* size);
LSTATUS RegCloseKey(HKEY key);

#endif
