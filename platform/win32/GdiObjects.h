// The records behind icon and bitmap handles: a picture of width x height colours, row by
// row. Private to the platform (GDI, image lists, PNG loading, previews).
#ifndef PLATFORM_WIN32_GDIOBJECTS_H
#define PLATFORM_WIN32_GDIOBJECTS_H

#include <vector>

#include "win/wingdi.h"

struct Picture {
  LONG width = 0, height = 0;
  std::vector<COLORREF> pixels;
};
struct HICON__ : Picture {};
struct HBITMAP__ : Picture {};

#endif
