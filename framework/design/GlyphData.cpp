#include "framework/design/GlyphData.h"

#include <string>

#include "framework/design/DesignError.h"
#include "framework/design/LittleEndian.h"

namespace corvane::framework {
namespace {

// The bitmap file header: "BM", then the file size as a little-endian
// 32-bit number; 14 bytes in all.
constexpr size_t kFileHeaderSize = 14;

}  // namespace

std::vector<uint8_t> DecodeGlyphData(const std::vector<uint8_t>& data) {
  if (data.size() < 4) throw DesignFault("Glyph.Data has no byte count");
  const uint32_t count = ReadLe32(data, 0);
  const size_t following = data.size() - 4;
  if (count != following) {
    throw DesignFault("byte count " + std::to_string(count) + " does not match the " + std::to_string(following) +
                      " bytes that follow");
  }
  std::vector<uint8_t> bitmap(data.begin() + 4, data.end());
  if (bitmap.size() < kFileHeaderSize || bitmap[0] != 'B' || bitmap[1] != 'M' || ReadLe32(bitmap, 2) != bitmap.size()) {
    throw DesignFault("Glyph.Data is not a Windows bitmap");
  }
  return bitmap;
}

std::vector<uint8_t> EncodeGlyphData(const std::vector<uint8_t>& bitmap) {
  std::vector<uint8_t> data;
  data.reserve(bitmap.size() + 4);
  AppendLe32(data, static_cast<uint32_t>(bitmap.size()));
  data.insert(data.end(), bitmap.begin(), bitmap.end());
  return data;
}

}  // namespace corvane::framework
