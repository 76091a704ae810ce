// Bitmap files and device-independent bitmaps read into pixels, in every
// depth the reader takes, and damaged files refused with what is wrong.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "platform/graphics/BitmapFile.h"
#include "tests/support/BitmapFiles.h"

namespace corvane::graphics {
namespace {

using corvane::testing::BitmapFileOf;
using corvane::testing::BitmapPlan;
using corvane::testing::PixelsOf;

uint32_t Checker(int x, int y) { return static_cast<uint32_t>((x + 2 * y) % 2); }

TEST(BitmapFileTest, EveryDepthReadsAsTheSamePixels) {
  struct Case {
    const char* what;
    BitmapPlan plan;
  };
  const std::vector<uint32_t> two{0x102030, 0xF0E0D0};
  const std::vector<uint32_t> sixteen{0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
                                      0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
  const Case cases[] = {
      {"1 bit, odd width", {13, 5, 1, false, two, Checker}},
      {"4 bits", {7, 3, 4, false, sixteen, [](int x, int y) { return static_cast<uint32_t>((x + y) % 16); }}},
      {"8 bits, the add-in's glyph", corvane::testing::AddInStyleGlyph()},
      {"8 bits, a short colour table", {5, 4, 8, false, sixteen, [](int x, int) { return static_cast<uint32_t>(x); }}},
      {"24 bits, padded rows", {3, 2, 24, false, {}, [](int x, int y) { return 0x123456u * (x + 1) + y; }}},
      {"32 bits", {4, 4, 32, false, {}, [](int x, int y) { return 0xABCDEFu ^ (x << 8) ^ y; }}},
      {"top-down rows", {6, 3, 24, true, {}, [](int x, int y) { return 0x010101u * (x * 10 + y); }}},
  };
  for (const Case& c : cases) {
    const std::vector<uint8_t> file = BitmapFileOf(c.plan);
    const DecodedBitmap decoded = DecodeBitmapFile(file);
    const ui::Bitmap expected = PixelsOf(c.plan);
    EXPECT_EQ(decoded.pixels.width, expected.width) << c.what;
    EXPECT_EQ(decoded.pixels.height, expected.height) << c.what;
    EXPECT_EQ(decoded.pixels.pixels, expected.pixels) << c.what;
    EXPECT_EQ(decoded.palette, c.plan.palette) << c.what;
    // The same bits without the file header, as the clipboard holds them.
    const DecodedBitmap dib = DecodeDib(file.data() + 14, file.size() - 14);
    EXPECT_EQ(dib.pixels.pixels, expected.pixels) << c.what;
  }
  EXPECT_EQ(BitmapFileOf(corvane::testing::AddInStyleGlyph()).size(), 1334u);
}

TEST(BitmapFileTest, DamagedFilesAreRefusedNamingTheFault) {
  const std::vector<uint8_t> good = BitmapFileOf(corvane::testing::AddInStyleGlyph());
  auto with = [&good](size_t at, std::vector<uint8_t> bytes) {
    std::vector<uint8_t> file = good;
    std::copy(bytes.begin(), bytes.end(), file.begin() + static_cast<std::ptrdiff_t>(at));
    return file;
  };
  struct Case {
    std::vector<uint8_t> file;
    const char* fault;
  };
  const Case cases[] = {
      {{}, "no \"BM\" file header"},
      {{'B', 'A', 0, 0}, "no \"BM\" file header"},
      {std::vector<uint8_t>(good.begin(), good.begin() + 30), "the header is cut short"},
      {with(14, {12, 0, 0, 0}), "unknown header size 12"},
      {with(30, {1}), "compressed bits"},
      {with(18, {0, 0, 0, 0}), "bad dimensions"},
      {with(18, {0xFF, 0xFF, 0xFF, 0xFF}), "bad dimensions"},
      {with(28, {16}), "16 bits per pixel"},
      {with(46, {0, 2}), "too many colours"},
      {with(10, {0xFF, 0xFF, 0, 0}), "the bits lie outside the file"},
      {std::vector<uint8_t>(good.begin(), good.end() - 1), "the bits are cut short"},
      {std::vector<uint8_t>(good.begin(), good.begin() + 200), "the colour table is cut short"},
  };
  for (const Case& c : cases) {
    try {
      DecodeBitmapFile(c.file);
      ADD_FAILURE() << "read: " << c.fault;
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), E_INVALIDARG);
      EXPECT_EQ(com::Utf16ToUtf8(error.description()), std::string("Not a readable bitmap: ") + c.fault);
    }
  }
}

TEST(BitmapFileTest, APixelOutsideTheColourTableIsRefused) {
  BitmapPlan plan{4, 1, 8, false, {0x111111, 0x222222}, [](int x, int) { return static_cast<uint32_t>(x); }};
  try {
    DecodeBitmapFile(BitmapFileOf(plan));
    ADD_FAILURE() << "read";
  } catch (const com::ComError& error) {
    EXPECT_EQ(com::Utf16ToUtf8(error.description()), "Not a readable bitmap: a pixel outside the colour table");
  }
}

}  // namespace
}  // namespace corvane::graphics
