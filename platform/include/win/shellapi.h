// Shell services: natural ("logical") order of names, file icons, the Windows folder,
// opening documents (recorded, never run), icons from files and bitmaps.
#ifndef PLATFORM_WIN_SHELLAPI_H
#define PLATFORM_WIN_SHELLAPI_H

#include "win/winuser.h"

/// Compares two names as Explorer sorts them: without case, runs of digits by their value
/// ("2" before "10"). <0, 0, >0.
int StrCmpLogicalW(const wchar_t* a, const wchar_t* b);

struct SHFILEINFOW {
  HICON hIcon;
  int iIcon;
  DWORD dwAttributes;
  wchar_t szDisplayName[MAX_PATH];
  wchar_t szTypeName[80];
};
#define SHGFI_ICON 0x000000100
#define SHGFI_SYSICONINDEX 0x000004000
#define SHGFI_LARGEICON 0x000000000
#define SHGFI_SMALLICON 0x000000001
/// The icon of a file or folder (a folder picture for folders, a page for files): a new
/// 32 x 32 icon with SHGFI_ICON; non-zero when the path exists.
DWORD_PTR SHGetFileInfoW(const wchar_t* path, DWORD attributes, SHFILEINFOW* info, UINT size, UINT flags);
/// The Windows folder of the host: the install folder's "Windows" (made up when absent).
UINT GetWindowsDirectoryW(wchar_t* buffer, UINT size);
/// Asks the shell to run `verb` ("open" when null) on `file`, with `parameters` and the
/// working folder `directory`. Headless it starts nothing and waits for nothing: it writes
/// "[Shell] <verb> <file>" (then a blank and the parameters, when given) on the command line
/// and records the six values (headless/Shell.h; headless::ShellExecutions gives "<verb>
/// <file>"). Returns a value above 32 when `file` exists (found as every path is, without
/// regard to case) or is an address ("http:", "https:", "mailto:"); else SE_ERR_FNF.
HINSTANCE ShellExecuteW(HWND owner, const wchar_t* verb, const wchar_t* file, const wchar_t* parameters,
                        const wchar_t* directory, int show);
#define SE_ERR_FNF 2

#define MAKEINTRESOURCEW(i) (reinterpret_cast<const wchar_t*>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define IDI_QUESTION MAKEINTRESOURCEW(32514)
#define IDI_APPLICATION MAKEINTRESOURCEW(32512)
/// A system icon (IDI_QUESTION: a question mark) or an icon resource of a module.
HICON LoadIconW(HINSTANCE instance, const wchar_t* name);
/// Icon `index` of a file: "SHELL32.dll" has none here, so null (callers fall back).
HICON ExtractIconW(HINSTANCE instance, const wchar_t* file, UINT index);
BOOL DestroyIcon(HICON icon);
struct ICONINFO {
  BOOL fIcon;
  DWORD xHotspot;
  DWORD yHotspot;
  HBITMAP hbmMask;
  HBITMAP hbmColor;
};
/// An icon with the colour bitmap's pictures.
HICON CreateIconIndirect(ICONINFO* info);

#endif
