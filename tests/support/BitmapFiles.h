// Windows bitmap files built in memory for tests, in any depth the reader
// takes: 1, 4 and 8 bits with a colour table, 24 and 32 without.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ui/Bitmap.h"

namespace corvane::testing {

struct BitmapPlan {
  int width = 16;
  int height = 16;
  int bitsPerPixel = 8;
  bool topDown = false;
  // 0x00RRGGBB; the file's colour table for 1, 4 and 8 bits.
  std::vector<std::uint32_t> palette;
  // The palette index, or for 24 and 32 bits the colour, at (x, y), y from
  // the top.
  std::function<std::uint32_t(int x, int y)> value;
};

namespace bitmap_files_detail {
inline void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
inline void PutColor(std::vector<std::uint8_t>& out, std::uint32_t rgb, int bytes) {
  Put(out, rgb & 0xFFFFFF, bytes);  // blue, green, red (and a zero byte)
}
}  // namespace bitmap_files_detail

inline std::vector<std::uint8_t> BitmapFileOf(const BitmapPlan& plan) {
  using namespace bitmap_files_detail;
  const int rowBytes = (plan.width * plan.bitsPerPixel + 31) / 32 * 4;
  const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(plan.palette.size()) * 4;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * plan.height);
  std::vector<std::uint8_t> file{'B', 'M'};
  Put(file, offset + imageSize, 4);
  Put(file, 0, 4);
  Put(file, offset, 4);
  Put(file, 40, 4);
  Put(file, static_cast<std::uint32_t>(plan.width), 4);
  Put(file, static_cast<std::uint32_t>(plan.topDown ? -plan.height : plan.height), 4);
  Put(file, 1, 2);
  Put(file, static_cast<std::uint32_t>(plan.bitsPerPixel), 2);
  Put(file, 0, 4);
  Put(file, imageSize, 4);
  Put(file, 0, 4);
  Put(file, 0, 4);
  Put(file, static_cast<std::uint32_t>(plan.palette.size()), 4);
  Put(file, 0, 4);
  for (std::uint32_t color : plan.palette) PutColor(file, color, 4);
  for (int row = 0; row < plan.height; ++row) {
    const int y = plan.topDown ? row : plan.height - 1 - row;
    std::vector<std::uint8_t> bits(static_cast<size_t>(rowBytes));
    for (int x = 0; x < plan.width; ++x) {
      const std::uint32_t v = plan.value(x, y);
      if (plan.bitsPerPixel >= 24) {
        std::vector<std::uint8_t> color;
        PutColor(color, v, plan.bitsPerPixel / 8);
        std::copy(color.begin(), color.end(), bits.begin() + x * plan.bitsPerPixel / 8);
      } else {
        const int bit = x * plan.bitsPerPixel;
        const int shift = 8 - plan.bitsPerPixel - bit % 8;
        bits[static_cast<size_t>(bit / 8)] |= static_cast<std::uint8_t>(v << shift);
      }
    }
    file.insert(file.end(), bits.begin(), bits.end());
  }
  return file;
}

// The pixels the file shows.
inline ui::Bitmap PixelsOf(const BitmapPlan& plan) {
  ui::Bitmap pixels{plan.width, plan.height, {}};
  for (int y = 0; y < plan.height; ++y) {
    for (int x = 0; x < plan.width; ++x) {
      const std::uint32_t v = plan.value(x, y);
      pixels.pixels.push_back(plan.bitsPerPixel >= 24 ? v & 0xFFFFFF : plan.palette.at(v));
    }
  }
  return pixels;
}

// A glyph as the add-in's are: 16 x 16, 8 bits with 256 colours, magenta
// at the bottom left (and wherever x * y is a multiple of 4), red, green
// and blue elsewhere.
inline BitmapPlan AddInStyleGlyph() {
  BitmapPlan plan;
  plan.palette.assign(256, 0x000000);
  plan.palette[0] = 0xFF00FF;
  plan.palette[1] = 0xFF0000;
  plan.palette[2] = 0x00FF00;
  plan.palette[3] = 0x0000FF;
  plan.value = [](int x, int y) { return static_cast<std::uint32_t>(x * y % 4); };
  return plan;
}

}  // namespace corvane::testing
