// Windows, window messages and message boxes of the headless window system. A window is
// a platform record behind an HWND (never reused: a destroyed window is no window); its
// messages go to its procedure: a built-in class's, or the MFC object attached to it.
#ifndef PLATFORM_WIN_WINUSER_H
#define PLATFORM_WIN_WINUSER_H

#include "win/wingdi.h"
#include "win/wintypes.h"

struct POINT {
  LONG x;
  LONG y;
};
typedef POINT* LPPOINT;

/// A queued window message, as message filters see it.
struct MSG {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  DWORD time;
  POINT pt;
};

#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_USER 0x0400
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#include "win/winwindows.h"

#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_ICONERROR 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONWARNING 0x00000030L
#define MB_ICONINFORMATION 0x00000040L

#define IDOK 1
#define IDCANCEL 2
#define IDYES 6
#define IDNO 7

/// Shows a message box: records "text", "caption" and the type in the transcript and
/// answers from the input (a line "@box OK|Cancel|Yes|No"); when no answer is waiting, the
/// first button (OK or Yes) answers.
int MessageBoxW(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

#endif
