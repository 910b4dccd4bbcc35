// The drawing preview: the THUMBNAILIMAGE section of a drawing file holds a device-
// independent bitmap (a BITMAPINFOHEADER, a palette for 8 bits, rows bottom up padded to
// 4 bytes) as hex text in group 310, its size in group 90. Only 8- and 24-bit pictures are
// read.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "db/DwgPreview.h"
#include "win32/FilePaths.h"

namespace {

std::string Trim(std::string s) {
  while (!s.empty() && (s.back() == '\r' || s.back() == ' ')) s.pop_back();
  size_t b = s.find_first_not_of(' ');
  return b == std::string::npos ? "" : s.substr(b);
}

// The bytes of the preview; empty when the file has none.
std::vector<unsigned char> ReadSection(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes;
  std::string code, value;
  bool inSection = false, named = false;
  while (std::getline(in, code) && std::getline(in, value)) {
    code = Trim(code);
    value = Trim(value);
    if (code == "0" && value == "SECTION") named = true;
    else if (named && code == "2") inSection = value == "THUMBNAILIMAGE", named = false;
    else if (code == "0" && value == "ENDSEC" && inSection) break;
    else if (inSection && code == "310")
      for (size_t i = 0; i + 1 < value.size(); i += 2)
        bytes.push_back(static_cast<unsigned char>(std::stoi(value.substr(i, 2), nullptr, 16)));
  }
  return bytes;
}

std::uint32_t U32(const std::vector<unsigned char>& b, size_t at) {
  return at + 4 > b.size() ? 0 : b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

}  // namespace

bool zcdbGetPreviewBitmapFromDwg(const wchar_t* path, HBITMAP* preview, void*) {
  if (!path || !preview) return false;
  *preview = nullptr;
  std::vector<unsigned char> b;
  try {
    b = ReadSection(platform::NativePath(path));
  } catch (...) {
    return false;  // hex that is no hex: no preview
  }
  if (b.size() < 40) return false;
  auto width = static_cast<std::int32_t>(U32(b, 4)), height = static_cast<std::int32_t>(U32(b, 8));
  int bits = b[14] | (b[15] << 8);
  std::uint32_t colours = U32(b, 32);
  if (width <= 0 || height == 0 || (bits != 8 && bits != 24)) return false;
  bool bottomUp = height > 0;
  if (!bottomUp) height = -height;
  size_t palette = 40, count = bits == 8 ? (colours ? colours : 256) : 0;
  size_t pixels = palette + 4 * count, stride = ((static_cast<size_t>(width) * bits / 8) + 3) & ~size_t(3);
  if (pixels + stride * static_cast<size_t>(height) > b.size()) return false;
  HBITMAP bitmap = CreateBitmap(width, height, 1, 24, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, bitmap);
  HBRUSH brush = nullptr;
  for (int y = 0; y < height; ++y) {
    size_t row = pixels + stride * static_cast<size_t>(bottomUp ? height - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      size_t at = bits == 8 ? palette + 4 * b[row + static_cast<size_t>(x)] : row + 3 * static_cast<size_t>(x);
      if (at + 2 >= b.size()) continue;
      brush = CreateSolidBrush(RGB(b[at + 2], b[at + 1], b[at]));
      RECT r{x, y, x + 1, y + 1};
      FillRect(dc, &r, brush);
      DeleteObject(brush);
    }
  }
  DeleteDC(dc);
  *preview = bitmap;
  return true;
}
