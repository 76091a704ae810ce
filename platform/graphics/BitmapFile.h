// Windows bitmap files and device-independent bitmaps read into pixels:
// 1, 4 and 8 bits per pixel with a colour table, 24 and 32 bits without,
// uncompressed, rows bottom-up or top-down.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/ui/Bitmap.h"

namespace corvane::graphics {

struct DecodedBitmap {
  ui::Bitmap pixels;
  // The colour table (0x00RRGGBB) of a paletted bitmap; empty otherwise.
  std::vector<std::uint32_t> palette;
};

// A whole file, from "BM" on. ComError E_INVALIDARG naming what is wrong.
DecodedBitmap DecodeBitmapFile(const std::vector<std::uint8_t>& file);
// A device-independent bitmap: the header, colour table and bits, as the
// clipboard's CF_DIB holds them.
DecodedBitmap DecodeDib(const std::uint8_t* data, std::size_t size);

}  // namespace corvane::graphics
