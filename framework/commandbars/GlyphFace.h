// A button's glyph prepared for the host: the picture, its transparency
// mask, or the picture drawn on a background colour.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/GdiObject.h"

namespace corvane::framework {

class GlyphFace {
 public:
  // The default colour: the glyph's bottom-left pixel is the transparent one.
  static constexpr int32_t kDefaultColor = 0x20000000;

  // transparentColor: a colour as the design stores it (0x00BBGGRR), or the
  // default colour. ComError for a glyph that is no readable bitmap.
  GlyphFace(const std::vector<std::uint8_t>& glyph, int32_t transparentColor);

  // 0x00RRGGBB.
  std::uint32_t TransparentColor() const { return transparent_; }
  const ui::Bitmap& Pixels() const { return decoded_.pixels; }
  // Null handles when they cannot be had; a glyph without a colour table
  // has no palette.
  graphics::BitmapHandle Bitmap() const;
  graphics::PaletteHandle Palette() const;
  // Set (white) where the glyph shows the transparent colour.
  graphics::BitmapHandle Mask() const;
  // The glyph with the transparent colour replaced by background (0x00RRGGBB).
  graphics::BitmapHandle OnBackground(std::uint32_t background) const;

 private:
  graphics::DecodedBitmap decoded_;
  std::uint32_t transparent_;
};

}  // namespace corvane::framework
