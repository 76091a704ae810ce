// Decoded picture pixels, as dialogs draw them.
#pragma once

#include <cstdint>
#include <vector>

namespace corvane::ui {

struct Bitmap {
  int width = 0;
  int height = 0;
  // Rows top-down, each pixel 0x00RRGGBB (blue in the low byte, as a 32-bit
  // device-independent bitmap holds it).
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  bool Empty() const { return pixels.empty(); }
};

}  // namespace corvane::ui
