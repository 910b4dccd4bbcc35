// GDI, headless: device contexts paint into each window's pixel surface (its client area,
// row by row), brushes are solid colours or hollow. Used by the controls' painting and by
// the dialogs' dump, which reads back what a window painted.
#include <algorithm>
#include <memory>
#include <set>

#include "win32/GdiObjects.h"
#include "win32/WindowRecords.h"

struct HDC__ {
  HWND window = nullptr;
  HBITMAP bitmap = nullptr;  // a memory context's picture
  bool memory = false;
  int bkMode = OPAQUE;
  COLORREF bk = RGB(255, 255, 255), text = 0;
};
struct HBRUSH__ {
  COLORREF colour = 0;
  bool hollow = false;
};

namespace {

const COLORREF kFace = RGB(240, 240, 240);

std::set<HBITMAP>& Bitmaps() {
  static std::set<HBITMAP> bitmaps;
  return bitmaps;
}

std::set<HBRUSH>& Brushes() {
  static std::set<HBRUSH> brushes;
  return brushes;
}
HBRUSH__& Stock(int object) {
  static HBRUSH__ white{RGB(255, 255, 255), false}, hollow{0, true}, face{kFace, false};
  if (object == HOLLOW_BRUSH) return hollow;
  if (object == COLOR_BTNFACE + 100) return face;
  return white;
}

void Ensure(platform::WindowRecord& r) {
  LONG w = r.rect.right - r.rect.left, h = r.rect.bottom - r.rect.top;
  if (w == r.pixelWidth && h == r.pixelHeight) return;
  r.pixelWidth = w;
  r.pixelHeight = h;
  r.pixels.assign(static_cast<size_t>(std::max<LONG>(w, 0)) * static_cast<size_t>(std::max<LONG>(h, 0)), kFace);
}

}  // namespace

namespace platform {

COLORREF PaintedPixel(HWND window, LONG x, LONG y) {
  WindowRecord* r = FindWindowRecord(window);
  if (!r) return kFace;
  Ensure(*r);
  if (x < 0 || y < 0 || x >= r->pixelWidth || y >= r->pixelHeight) return kFace;
  return r->pixels[static_cast<size_t>(y) * r->pixelWidth + x];
}

void FillSurface(HWND window, const RECT& rect, COLORREF colour) {
  WindowRecord* r = FindWindowRecord(window);
  if (!r) return;
  Ensure(*r);
  LONG l = std::max<LONG>(rect.left, 0), t = std::max<LONG>(rect.top, 0);
  LONG rr = std::min<LONG>(rect.right, r->pixelWidth), b = std::min<LONG>(rect.bottom, r->pixelHeight);
  for (LONG y = t; y < b; ++y)
    std::fill_n(r->pixels.begin() + y * r->pixelWidth + l, std::max<LONG>(rr - l, 0), colour);
}

bool BrushColour(HBRUSH brush, COLORREF& colour) {
  if (!brush || brush->hollow) return false;
  colour = brush->colour;
  return true;
}

HWND WindowOfDC(HDC dc) { return dc ? dc->window : nullptr; }

}  // namespace platform

HDC GetDC(HWND window) {
  if (!IsWindow(window)) return nullptr;
  HDC dc = new HDC__;
  dc->window = window;
  return dc;
}

int ReleaseDC(HWND, HDC dc) {
  delete dc;
  return 1;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  HDC dc = GetDC(window);
  if (paint) {
    paint->hdc = dc;
    paint->fErase = FALSE;
    GetClientRect(window, &paint->rcPaint);
  }
  ValidateRect(window, nullptr);
  return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
  if (paint) ReleaseDC(window, paint->hdc);
  return TRUE;
}

HBRUSH CreateSolidBrush(COLORREF colour) {
  HBRUSH b = new HBRUSH__{colour, false};
  Brushes().insert(b);
  return b;
}

HGDIOBJ GetStockObject(int object) { return &Stock(object); }
HBRUSH GetSysColorBrush(int index) { return index == COLOR_WINDOW ? &Stock(WHITE_BRUSH) : &Stock(COLOR_BTNFACE + 100); }
COLORREF GetSysColor(int index) {
  return index == COLOR_WINDOW ? RGB(255, 255, 255) : index == COLOR_WINDOWTEXT ? 0 : kFace;
}

BOOL DeleteObject(HGDIOBJ object) {
  if (Bitmaps().erase(static_cast<HBITMAP>(object))) {
    delete static_cast<HBITMAP>(object);
    return TRUE;
  }
  auto it = Brushes().find(static_cast<HBRUSH>(object));
  if (it == Brushes().end()) return FALSE;  // stock objects and unknown handles stay
  delete *it;
  Brushes().erase(it);
  return TRUE;
}

namespace {

void FillPicture(Picture& p, const RECT& r, COLORREF c) {
  for (LONG y = std::max<LONG>(r.top, 0); y < std::min<LONG>(r.bottom, p.height); ++y)
    for (LONG x = std::max<LONG>(r.left, 0); x < std::min<LONG>(r.right, p.width); ++x)
      p.pixels[static_cast<size_t>(y * p.width + x)] = c;
}

void Fill(HDC dc, const RECT& r, COLORREF c) {
  if (dc->memory) {
    if (dc->bitmap) FillPicture(*dc->bitmap, r, c);
  } else {
    platform::FillSurface(dc->window, r, c);
  }
}

}  // namespace

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  COLORREF c;
  if (!dc || !rect || !platform::BrushColour(brush, c)) return 0;
  Fill(dc, *rect, c);
  return 1;
}

HDC CreateCompatibleDC(HDC) {
  HDC dc = new HDC__;
  dc->memory = true;
  return dc;
}

BOOL DeleteDC(HDC dc) {
  delete dc;
  return dc != nullptr;
}

HBITMAP CreateCompatibleBitmap(HDC, int width, int height) { return CreateBitmap(width, height, 1, 24, nullptr); }

HBITMAP CreateBitmap(int width, int height, UINT, UINT, const void*) {
  if (width <= 0 || height <= 0) return nullptr;
  HBITMAP b = new HBITMAP__;
  b->width = width;
  b->height = height;
  b->pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), RGB(255, 255, 255));
  Bitmaps().insert(b);
  return b;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!dc || !dc->memory || !Bitmaps().count(static_cast<HBITMAP>(object))) return nullptr;
  HBITMAP old = dc->bitmap;
  dc->bitmap = static_cast<HBITMAP>(object);
  return old;
}

int GetObjectW(HGDIOBJ object, int size, void* out) {
  auto b = static_cast<HBITMAP>(object);
  if (!Bitmaps().count(b) || !out || size < static_cast<int>(sizeof(BITMAP))) return 0;
  *static_cast<BITMAP*>(out) = BITMAP{0, b->width, b->height, b->width * 3, 1, 24, nullptr};
  return sizeof(BITMAP);
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop) {
  if (!dc || (rop != WHITENESS && rop != BLACKNESS)) return FALSE;
  Fill(dc, RECT{x, y, x + width, y + height}, rop == WHITENESS ? RGB(255, 255, 255) : 0);
  return TRUE;
}

BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh, DWORD rop) {
  if (!dest || !source || !source->bitmap || rop != SRCCOPY || width <= 0 || height <= 0 || sw <= 0 || sh <= 0)
    return FALSE;
  const Picture& from = *source->bitmap;
  for (int j = 0; j < height; ++j)
    for (int i = 0; i < width; ++i) {
      int fx = sx + i * sw / width, fy = sy + j * sh / height;
      if (fx < 0 || fy < 0 || fx >= from.width || fy >= from.height) continue;
      Fill(dest, RECT{x + i, y + j, x + i + 1, y + j + 1}, from.pixels[static_cast<size_t>(fy * from.width + fx)]);
    }
  return TRUE;
}

COLORREF BitmapPixel(HBITMAP b, int x, int y) {
  if (!b || x < 0 || y < 0 || x >= b->width || y >= b->height) return 0;
  return b->pixels[static_cast<size_t>(y * b->width + x)];
}

int SetBkMode(HDC dc, int mode) {
  if (!dc) return 0;
  int old = dc->bkMode;
  dc->bkMode = mode;
  return old;
}
int GetBkMode(HDC dc) { return dc ? dc->bkMode : 0; }
namespace {
COLORREF Swap(COLORREF& slot, COLORREF colour) {
  COLORREF old = slot;
  slot = colour;
  return old;
}
}  // namespace
COLORREF SetBkColor(HDC dc, COLORREF colour) { return dc ? Swap(dc->bk, colour) : 0; }
COLORREF SetTextColor(HDC dc, COLORREF colour) { return dc ? Swap(dc->text, colour) : 0; }
COLORREF GetTextColor(HDC dc) { return dc ? dc->text : 0; }
COLORREF GetPixel(HDC dc, int x, int y) {
  if (dc && dc->memory) return BitmapPixel(dc->bitmap, x, y);
  return dc ? platform::PaintedPixel(dc->window, x, y) : 0;
}
