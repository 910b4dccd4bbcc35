// Graphics handles and colours of the headless window system: brushes, fonts, icons and
// bitmaps are the platform's own records behind opaque handles; colours are 0x00BBGGRR.
#ifndef PLATFORM_WIN_WINGDI_H
#define PLATFORM_WIN_WINGDI_H

#include "win/wintypes.h"

typedef DWORD COLORREF;
#define RGB(r, g, b) \
  ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))

struct HDC__;
typedef HDC__* HDC;
struct HBRUSH__;
typedef HBRUSH__* HBRUSH;
struct HFONT__;
typedef HFONT__* HFONT;
struct HICON__;
typedef HICON__* HICON;
struct HBITMAP__;
typedef HBITMAP__* HBITMAP;
typedef void* HGDIOBJ;
typedef HICON HCURSOR;

struct RECT {
  LONG left;
  LONG top;
  LONG right;
  LONG bottom;
};
typedef RECT* LPRECT;
typedef const RECT* LPCRECT;
struct SIZE {
  LONG cx;
  LONG cy;
};

#define TRANSPARENT 1
#define OPAQUE 2
#define HOLLOW_BRUSH 5
#define NULL_BRUSH HOLLOW_BRUSH
#define WHITE_BRUSH 0
#define WHITENESS 0x00FF0062
#define BLACKNESS 0x00000042
#define SRCCOPY 0x00CC0020
#define COLOR_WINDOW 5
#define COLOR_BTNFACE 15
#define COLOR_WINDOWTEXT 8

struct HWND__;
/// A device context of a window: the window's client surface, with its colours and mode.
HDC GetDC(HWND__* window);
int ReleaseDC(HWND__* window, HDC dc);
struct PAINTSTRUCT {
  HDC hdc;
  BOOL fErase;
  RECT rcPaint;
};
HDC BeginPaint(HWND__* window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND__* window, const PAINTSTRUCT* paint);
HBRUSH CreateSolidBrush(COLORREF colour);
HGDIOBJ GetStockObject(int object);
HBRUSH GetSysColorBrush(int index);
COLORREF GetSysColor(int index);
BOOL DeleteObject(HGDIOBJ object);
/// Fills with the brush's colour; a hollow brush paints nothing.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
COLORREF GetPixel(HDC dc, int x, int y);

// --- Memory pictures -----------------------------------------------------------------------
struct BITMAP {
  LONG bmType;
  LONG bmWidth;
  LONG bmHeight;
  LONG bmWidthBytes;
  WORD bmPlanes;
  WORD bmBitsPixel;
  void* bmBits;
};
/// A device context that paints into the bitmap selected into it.
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
/// A white picture of the size.
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
/// Selects a bitmap into a memory context; the one it had.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
int GetObjectW(HGDIOBJ object, int size, void* out);
/// WHITENESS or BLACKNESS over the rectangle.
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
/// Copies a rectangle, scaled (nearest pixel), with SRCCOPY.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh, DWORD rop);
/// The colour of a pixel of a bitmap; for tests and dumps.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

#endif
