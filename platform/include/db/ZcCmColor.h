// The colour of an entity or layer: an index of the host's 256-colour palette, ByLayer,
// ByBlock, or a true colour. Used by entities, layers and the wrappers that set colours.
#ifndef PLATFORM_DB_ZCCMCOLOR_H
#define PLATFORM_DB_ZCCMCOLOR_H

#include <cstdint>

#include "ed/ErrorStatus.h"

/// A colour value. Index 256 is ByLayer (the default), 0 ByBlock, 1..255 palette colours.
class ZcCmColor {
public:
  enum ColorMethod { kByLayer = 0xC0, kByBlock = 0xC1, kByColor = 0xC2, kByACI = 0xC3 };

  ZcCmColor() = default;
  /// Sets a palette index (0..256); eOutOfRange otherwise, the colour unchanged.
  Zcad::ErrorStatus setColorIndex(std::uint16_t index);
  std::uint16_t colorIndex() const { return index_; }
  /// Sets a true colour; the index becomes the nearest palette colour.
  Zcad::ErrorStatus setRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b);
  ColorMethod colorMethod() const;
  bool isByLayer() const { return !hasRgb_ && index_ == 256; }
  bool isByBlock() const { return !hasRgb_ && index_ == 0; }
  bool hasTrueColor() const { return hasRgb_; }
  std::uint8_t red() const { return static_cast<std::uint8_t>(rgb_ >> 16); }
  std::uint8_t green() const { return static_cast<std::uint8_t>(rgb_ >> 8); }
  std::uint8_t blue() const { return static_cast<std::uint8_t>(rgb_); }
  /// 0xRRGGBB of the colour (the palette's value for an index colour; black for ByLayer
  /// and ByBlock, which the caller resolves).
  std::uint32_t rgb() const;
  bool operator==(const ZcCmColor& o) const {
    return index_ == o.index_ && hasRgb_ == o.hasRgb_ && (!hasRgb_ || rgb_ == o.rgb_);
  }
  bool operator!=(const ZcCmColor& o) const { return !(*this == o); }

  /// 0xRRGGBB of a palette index 1..255 (the host's standard palette).
  static std::uint32_t paletteRgb(int index);

private:
  std::uint16_t index_ = 256;
  bool hasRgb_ = false;
  std::uint32_t rgb_ = 0;
};

#endif
