// The toolbar's button pictures as scripts/glyphs writes them: 16 x 16,
// 256-colour Windows bitmaps whose bottom-left pixel is the transparent
// magenta.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "about/EmbeddedFile.h"

namespace corvane::about {

extern const EmbeddedFile kGlyphFiles[];
extern const std::size_t kGlyphFilesCount;

namespace {

constexpr std::size_t kFileSize = 1334;
constexpr std::size_t kPaletteOffset = 14 + 40;
constexpr std::size_t kPixelsOffset = kPaletteOffset + 256 * 4;

std::uint32_t U32(const EmbeddedFile& file, std::size_t at) {
  return file.data[at] | (file.data[at + 1] << 8) | (file.data[at + 2] << 16) |
         (std::uint32_t{file.data[at + 3]} << 24);
}
std::uint16_t U16(const EmbeddedFile& file, std::size_t at) {
  return static_cast<std::uint16_t>(file.data[at] | (file.data[at + 1] << 8));
}

// Palette entries are blue, green, red, reserved.
std::uint32_t ColourOfPixel(const EmbeddedFile& file, std::size_t pixel) {
  const std::size_t entry = kPaletteOffset + 4 * std::size_t{file.data[kPixelsOffset + pixel]};
  return (std::uint32_t{file.data[entry + 2]} << 16) | (file.data[entry + 1] << 8) | file.data[entry];
}

TEST(GlyphFiles, TwentyThreePicturesNumberedInButtonOrder) {
  ASSERT_EQ(kGlyphFilesCount, 23u);
  for (std::size_t i = 0; i < kGlyphFilesCount; ++i) {
    const std::string prefix = (i + 1 < 10 ? "0" : "") + std::to_string(i + 1) + "-";
    EXPECT_EQ(std::string(kGlyphFiles[i].name).rfind(prefix, 0), 0u) << kGlyphFiles[i].name;
  }
}

TEST(GlyphFiles, Each16By16With256ColoursIn1334Bytes) {
  for (std::size_t i = 0; i < kGlyphFilesCount; ++i) {
    const EmbeddedFile& file = kGlyphFiles[i];
    SCOPED_TRACE(file.name);
    ASSERT_EQ(file.size, kFileSize);
    // File header.
    EXPECT_EQ(file.data[0], 'B');
    EXPECT_EQ(file.data[1], 'M');
    EXPECT_EQ(U32(file, 2), kFileSize);
    EXPECT_EQ(U32(file, 6), 0u);  // reserved
    EXPECT_EQ(U32(file, 10), kPixelsOffset);
    // Info header: bottom-up rows (positive height), one plane, 8 bits, BI_RGB.
    EXPECT_EQ(U32(file, 14), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(U32(file, 18)), 16);
    EXPECT_EQ(static_cast<std::int32_t>(U32(file, 22)), 16);
    EXPECT_EQ(U16(file, 26), 1u);
    EXPECT_EQ(U16(file, 28), 8u);
    EXPECT_EQ(U32(file, 30), 0u);
    EXPECT_TRUE(U32(file, 34) == 0 || U32(file, 34) == 256u);
    EXPECT_TRUE(U32(file, 46) == 0 || U32(file, 46) == 256u);
    for (std::size_t entry = 0; entry < 256; ++entry) EXPECT_EQ(file.data[kPaletteOffset + 4 * entry + 3], 0);
  }
}

TEST(GlyphFiles, BottomLeftIsMagentaAndEachPictureIsDrawn) {
  constexpr std::uint32_t kMagenta = 0xFF00FF;
  for (std::size_t i = 0; i < kGlyphFilesCount; ++i) {
    const EmbeddedFile& file = kGlyphFiles[i];
    SCOPED_TRACE(file.name);
    // Rows are stored bottom-up: the first pixel is the bottom-left one.
    EXPECT_EQ(ColourOfPixel(file, 0), kMagenta);
    std::set<std::uint32_t> colours;
    int drawn = 0;
    for (std::size_t pixel = 0; pixel < 256; ++pixel) {
      const std::uint32_t colour = ColourOfPixel(file, pixel);
      colours.insert(colour);
      drawn += colour != kMagenta;
    }
    EXPECT_GE(colours.size(), 2u);  // the transparent colour and at least one more
    EXPECT_GE(drawn, 40);
    EXPECT_LE(drawn, 250);  // some of the toolbar shows through
  }
}

TEST(GlyphFiles, NoTwoPicturesAreTheSame) {
  std::set<std::vector<std::uint8_t>> pictures;
  for (std::size_t i = 0; i < kGlyphFilesCount; ++i) {
    const EmbeddedFile& file = kGlyphFiles[i];
    EXPECT_TRUE(pictures.emplace(file.data + kPixelsOffset, file.data + file.size).second) << file.name;
  }
}

}  // namespace
}  // namespace corvane::about
