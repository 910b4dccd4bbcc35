// The basic Windows types, handles and constants that the system's code is written with.
// Handles are opaque pointers to the platform's own records (a module, a window, a key).
#ifndef PLATFORM_WIN_WINTYPES_H
#define PLATFORM_WIN_WINTYPES_H

#include <cstddef>
#include <cstdint>

typedef int BOOL;
#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef unsigned int UINT;
typedef std::uintptr_t UINT_PTR;
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef wchar_t WCHAR;
typedef wchar_t TCHAR;
typedef const wchar_t* LPCWSTR;
typedef wchar_t* LPWSTR;
typedef const wchar_t* LPCTSTR;
typedef wchar_t* LPTSTR;
typedef void* LPVOID;
typedef DWORD REGSAM;

/// A loaded module (the platform's record of one shared object).
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
/// A window of the headless window system.
struct HWND__;
typedef HWND__* HWND;
/// An open key of the host's registry store.
struct HKEY__;
typedef HKEY__* HKEY;

// System error codes, as the registry functions return them and GetLastError reports them.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_PATH_NOT_FOUND 3L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_MORE_DATA 234L

#ifndef _T
#define _T(x) L##x
#endif
#ifndef MAX_PATH
#define MAX_PATH 260
#endif

#define DLL_PROCESS_DETACH 0
#define DLL_PROCESS_ATTACH 1

#endif
