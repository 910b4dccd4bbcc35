// The records behind icon and bitmap handles: a picture of width x height colours, row by
// row. Private to the platform (GDI, image lists, PNG loading, previews).
#ifndef PLATFORM_WIN32_GDIOBJECTS_H
#define PLATFORM_WIN32_GDIOBJECTS_H

#include <cstddef>
#include <vector>

#include "win/wingdi.h"

struct Picture {
  LONG width = 0, height = 0;
  std::vector<COLORREF> pixels;
};
struct HICON__ : Picture {};
struct HBITMAP__ : Picture {};

namespace platform {
/// A new bitmap of a PNG file's picture (on white where it is transparent); null when the
/// bytes are no PNG.
HBITMAP DecodePng(const unsigned char* bytes, std::size_t size);
/// A new icon of an .ico file's first picture (kept as PNG); null for anything else.
HICON DecodeIcon(const unsigned char* bytes, std::size_t size);
}  // namespace platform

#endif
