// Pictures from PNG and icon files (the resources ICON and PNG): decoded with libpng into
// the platform's bitmaps and icons.
#include <png.h>

#include <cstring>

#include "win/shellapi.h"
#include "win32/GdiObjects.h"

namespace platform {

HBITMAP DecodePng(const unsigned char* bytes, std::size_t size) {
  if (!bytes || size < 8 || png_sig_cmp(bytes, 0, 8) != 0) return nullptr;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes, size)) return nullptr;
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(PNG_IMAGE_SIZE(image));
  png_color white{255, 255, 255};
  if (!png_image_finish_read(&image, &white, rgb.data(), 0, nullptr) || image.width == 0 || image.height == 0) {
    png_image_free(&image);
    return nullptr;
  }
  HBITMAP bitmap = CreateBitmap(static_cast<int>(image.width), static_cast<int>(image.height), 1, 24, nullptr);
  for (std::size_t i = 0; i < bitmap->pixels.size(); ++i)
    bitmap->pixels[i] = RGB(rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]);
  return bitmap;
}

HICON DecodeIcon(const unsigned char* bytes, std::size_t size) {
  // ICONDIR (reserved 0, type 1, count) then 16-byte entries: size at 8, offset at 12.
  if (!bytes || size < 22 || bytes[2] != 1 || bytes[3] != 0 || (bytes[4] | bytes[5]) == 0) return nullptr;
  std::size_t length = bytes[14] | (bytes[15] << 8) | (bytes[16] << 16) | (std::size_t(bytes[17]) << 24);
  std::size_t offset = bytes[18] | (bytes[19] << 8) | (bytes[20] << 16) | (std::size_t(bytes[21]) << 24);
  if (offset >= size || length > size - offset) return nullptr;
  HBITMAP picture = DecodePng(bytes + offset, length);
  if (!picture) return nullptr;
  ICONINFO info{TRUE, 0, 0, nullptr, picture};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(picture);
  return icon;
}

}  // namespace platform
