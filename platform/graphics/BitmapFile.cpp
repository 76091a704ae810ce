#include "platform/graphics/BitmapFile.h"

#include <string>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::graphics {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

[[noreturn]] void Reject(const std::string& what) {
  throw com::ComError(E_INVALIDARG, com::Utf8ToUtf16("Not a readable bitmap: " + what));
}

std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

struct Header {
  int width;
  int height;
  bool topDown;
  int bitCount;
  std::size_t colors;
};

Header ReadHeader(const std::uint8_t* data, std::size_t size) {
  if (size < kInfoHeaderSize) Reject("the header is cut short");
  const std::uint32_t headerSize = U32(data);
  if (headerSize < kInfoHeaderSize || headerSize > size) Reject("unknown header size " + std::to_string(headerSize));
  const auto width = static_cast<std::int32_t>(U32(data + 4));
  const auto height = static_cast<std::int32_t>(U32(data + 8));
  const int bitCount = U16(data + 14);
  if (U32(data + 16) != 0) Reject("compressed bits");
  if (width <= 0 || height == 0 || width > 0x4000 || height > 0x4000 || height < -0x4000) Reject("bad dimensions");
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) {
    Reject(std::to_string(bitCount) + " bits per pixel");
  }
  std::size_t colors = 0;
  if (bitCount <= 8) {
    const std::uint32_t used = U32(data + 32);
    colors = used == 0 ? (std::size_t{1} << bitCount) : used;
    if (colors > (std::size_t{1} << bitCount)) Reject("too many colours");
  }
  return {width, height < 0 ? -height : height, height < 0, bitCount, colors};
}

std::uint32_t IndexAt(const std::uint8_t* row, int x, int bitCount) {
  const int bit = x * bitCount;
  const int shift = 8 - bitCount - bit % 8;
  return (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
}

std::uint32_t PixelAt(const std::uint8_t* row, int x, const Header& header, const std::vector<std::uint32_t>& palette) {
  if (header.bitCount <= 8) {
    const std::uint32_t index = IndexAt(row, x, header.bitCount);
    if (index >= palette.size()) Reject("a pixel outside the colour table");
    return palette[index];
  }
  const std::uint8_t* p = row + static_cast<std::size_t>(x) * (header.bitCount / 8);
  return (static_cast<std::uint32_t>(p[2]) << 16) | (p[1] << 8) | p[0];
}

DecodedBitmap ReadBits(const Header& header, std::vector<std::uint32_t> palette, const std::uint8_t* bits,
                       std::size_t available) {
  const std::size_t stride = ((static_cast<std::size_t>(header.width) * header.bitCount + 31) / 32) * 4;
  if (stride * header.height > available) Reject("the bits are cut short");
  DecodedBitmap out;
  out.pixels.width = header.width;
  out.pixels.height = header.height;
  out.pixels.pixels.reserve(static_cast<std::size_t>(header.width) * header.height);
  for (int y = 0; y < header.height; ++y) {
    const int stored = header.topDown ? y : header.height - 1 - y;
    const std::uint8_t* row = bits + stride * stored;
    for (int x = 0; x < header.width; ++x) out.pixels.pixels.push_back(PixelAt(row, x, header, palette));
  }
  out.palette = std::move(palette);
  return out;
}

std::vector<std::uint32_t> ReadPalette(const std::uint8_t* table, std::size_t colors) {
  std::vector<std::uint32_t> palette;
  for (std::size_t i = 0; i < colors; ++i) {
    const std::uint8_t* quad = table + i * 4;
    palette.push_back((static_cast<std::uint32_t>(quad[2]) << 16) | (quad[1] << 8) | quad[0]);
  }
  return palette;
}

}  // namespace

DecodedBitmap DecodeDib(const std::uint8_t* data, std::size_t size) {
  const Header header = ReadHeader(data, size);
  const std::size_t tableAt = U32(data);
  const std::size_t bitsAt = tableAt + header.colors * 4;
  if (bitsAt > size) Reject("the colour table is cut short");
  return ReadBits(header, ReadPalette(data + tableAt, header.colors), data + bitsAt, size - bitsAt);
}

DecodedBitmap DecodeBitmapFile(const std::vector<std::uint8_t>& file) {
  if (file.size() < kFileHeaderSize || file[0] != 'B' || file[1] != 'M') Reject("no \"BM\" file header");
  const std::uint8_t* info = file.data() + kFileHeaderSize;
  const std::size_t infoSize = file.size() - kFileHeaderSize;
  const Header header = ReadHeader(info, infoSize);
  const std::size_t tableAt = U32(info);
  if (tableAt + header.colors * 4 > infoSize) Reject("the colour table is cut short");
  const std::size_t bitsAt = U32(file.data() + 10);
  if (bitsAt < kFileHeaderSize || bitsAt > file.size()) Reject("the bits lie outside the file");
  return ReadBits(header, ReadPalette(info + tableAt, header.colors), file.data() + bitsAt, file.size() - bitsAt);
}

}  // namespace corvane::graphics
