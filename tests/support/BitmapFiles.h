// Windows bitmap files built in memory for tests, in any depth the reader
// takes: 1, 4 and 8 bits with a colour table, 24 and 32 without.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ui/Bitmap.h"

namespace corvane::testing {

struct BitmapSpec {
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

inline std::vector<std::uint8_t> BitmapFileOf(const BitmapSpec& spec) {
  using namespace bitmap_files_detail;
  const int rowBytes = (spec.width * spec.bitsPerPixel + 31) / 32 * 4;
  const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(spec.palette.size()) * 4;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes * spec.height);
  std::vector<std::uint8_t> file{'B', 'M'};
  Put(file, offset + imageSize, 4);
  Put(file, 0, 4);
  Put(file, offset, 4);
  Put(file, 40, 4);
  Put(file, static_cast<std::uint32_t>(spec.width), 4);
  Put(file, static_cast<std::uint32_t>(spec.topDown ? -spec.height : spec.height), 4);
  Put(file, 1, 2);
  Put(file, static_cast<std::uint32_t>(spec.bitsPerPixel), 2);
  Put(file, 0, 4);
  Put(file, imageSize, 4);
  Put(file, 0, 4);
  Put(file, 0, 4);
  Put(file, static_cast<std::uint32_t>(spec.palette.size()), 4);
  Put(file, 0, 4);
  for (std::uint32_t color : spec.palette) PutColor(file, color, 4);
  for (int row = 0; row < spec.height; ++row) {
    const int y = spec.topDown ? row : spec.height - 1 - row;
    std::vector<std::uint8_t> bits(static_cast<size_t>(rowBytes));
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t v = spec.value(x, y);
      if (spec.bitsPerPixel >= 24) {
        std::vector<std::uint8_t> color;
        PutColor(color, v, spec.bitsPerPixel / 8);
        std::copy(color.begin(), color.end(), bits.begin() + x * spec.bitsPerPixel / 8);
      } else {
        const int bit = x * spec.bitsPerPixel;
        const int shift = 8 - spec.bitsPerPixel - bit % 8;
        bits[static_cast<size_t>(bit / 8)] |= static_cast<std::uint8_t>(v << shift);
      }
    }
    file.insert(file.end(), bits.begin(), bits.end());
  }
  return file;
}

// The pixels the file shows.
inline ui::Bitmap PixelsOf(const BitmapSpec& spec) {
  ui::Bitmap pixels{spec.width, spec.height, {}};
  for (int y = 0; y < spec.height; ++y) {
    for (int x = 0; x < spec.width; ++x) {
      const std::uint32_t v = spec.value(x, y);
      pixels.pixels.push_back(spec.bitsPerPixel >= 24 ? v & 0xFFFFFF : spec.palette.at(v));
    }
  }
  return pixels;
}

// A glyph as the add-in's are: 16 x 16, 8 bits with 256 colours, magenta
// at the bottom left (and wherever x * y is a multiple of 4), red, green
// and blue elsewhere.
inline BitmapSpec AddInStyleGlyph() {
  BitmapSpec spec;
  spec.palette.assign(256, 0x000000);
  spec.palette[0] = 0xFF00FF;
  spec.palette[1] = 0xFF0000;
  spec.palette[2] = 0x00FF00;
  spec.palette[3] = 0x0000FF;
  spec.value = [](int x, int y) { return static_cast<std::uint32_t>(x * y % 4); };
  return spec;
}

}  // namespace corvane::testing
