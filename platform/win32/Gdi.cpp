// GDI, headless: device contexts paint into each window's pixel surface (its client area,
// row by row), brushes are solid colours or hollow. Used by the controls' painting and by
// the dialogs' dump, which reads back what a window painted.
#include <algorithm>
#include <memory>
#include <set>

#include "win32/WindowRecords.h"

struct HDC__ {
  HWND window = nullptr;
  int bkMode = OPAQUE;
  COLORREF bk = RGB(255, 255, 255), text = 0;
};
struct HBRUSH__ {
  COLORREF colour = 0;
  bool hollow = false;
};

namespace {

const COLORREF kFace = RGB(240, 240, 240);

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
  auto it = Brushes().find(static_cast<HBRUSH>(object));
  if (it == Brushes().end()) return FALSE;  // stock objects and unknown handles stay
  delete *it;
  Brushes().erase(it);
  return TRUE;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  COLORREF c;
  if (!dc || !rect || !platform::BrushColour(brush, c)) return 0;
  platform::FillSurface(dc->window, *rect, c);
  return 1;
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
COLORREF GetPixel(HDC dc, int x, int y) { return dc ? platform::PaintedPixel(dc->window, x, y) : 0; }
