#include "framework/commandbars/GlyphFace.h"

namespace corvane::framework {

namespace {

std::uint32_t RgbOfColor(int32_t color) {
  const auto value = static_cast<std::uint32_t>(color);
  return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

}  // namespace

GlyphFace::GlyphFace(const std::vector<std::uint8_t>& glyph, int32_t transparentColor)
    : decoded_(graphics::DecodeBitmapFile(glyph)),
      transparent_(transparentColor == kDefaultColor ? decoded_.pixels.At(0, decoded_.pixels.height - 1)
                                                     : RgbOfColor(transparentColor)) {}

graphics::BitmapHandle GlyphFace::Bitmap() const {
  return graphics::BitmapHandle(graphics::CreateColorBitmap(decoded_.pixels));
}

graphics::PaletteHandle GlyphFace::Palette() const {
  if (decoded_.palette.empty()) return {};
  return graphics::PaletteHandle(graphics::CreateColorPalette(decoded_.palette));
}

graphics::BitmapHandle GlyphFace::Mask() const {
  std::vector<bool> set;
  set.reserve(decoded_.pixels.pixels.size());
  for (std::uint32_t pixel : decoded_.pixels.pixels) set.push_back(pixel == transparent_);
  return graphics::BitmapHandle(graphics::CreateMaskBitmap(decoded_.pixels.width, decoded_.pixels.height, set));
}

graphics::BitmapHandle GlyphFace::OnBackground(std::uint32_t background) const {
  ui::Bitmap drawn = decoded_.pixels;
  for (std::uint32_t& pixel : drawn.pixels) {
    if (pixel == transparent_) pixel = background;
  }
  return graphics::BitmapHandle(graphics::CreateColorBitmap(drawn));
}

}  // namespace corvane::framework
