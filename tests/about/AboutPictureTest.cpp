#include "about/AboutPicture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "about/TfrmAbout.h"
#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "platform/ui/JpegDecoder.h"

namespace corvane::about {
namespace {

struct Rgb {
  int r, g, b;
};

Rgb ColourAt(const ui::Bitmap& picture, int x, int y) {
  const std::uint32_t pixel = picture.At(x, y);
  return {static_cast<int>(pixel >> 16), static_cast<int>((pixel >> 8) & 0xFF), static_cast<int>(pixel & 0xFF)};
}

// JPEG is lossy, and decoders smooth the halved colour planes in their own
// ways: flat areas come back within some steps of what was drawn, still far
// from the other colours of the drawing.
void ExpectNear(Rgb actual, Rgb drawn, const char* where) {
  constexpr int kTolerance = 24;
  EXPECT_LE(std::abs(actual.r - drawn.r), kTolerance) << where;
  EXPECT_LE(std::abs(actual.g - drawn.g), kTolerance) << where;
  EXPECT_LE(std::abs(actual.b - drawn.b), kTolerance) << where;
}

TEST(AboutPicture, DecodesTo294By375WithTheDrawnColours) {
  const ui::Bitmap picture = AboutPicture();
  ASSERT_EQ(picture.width, 294);
  ASSERT_EQ(picture.height, 375);
  ASSERT_EQ(picture.pixels.size(), 294u * 375u);
  for (std::uint32_t pixel : picture.pixels) ASSERT_EQ(pixel & 0xFF000000u, 0u);
  // Points of tools/about-picture's drawing, well inside flat areas.
  ExpectNear(ColourAt(picture, 4, 4), {250, 250, 255}, "top of the background");
  ExpectNear(ColourAt(picture, 250, 370), {207, 221, 241}, "bottom of the background");
  ExpectNear(ColourAt(picture, 45, 51), {36, 84, 164}, "emblem cell");
  ExpectNear(ColourAt(picture, 45, 34), {236, 140, 40}, "emblem header cell");
}

TEST(AboutPicture, IsTheImageOfTheBox) {
  const int owner = 0;
  TfrmAbout form(&owner, nullptr);
  const ui::DialogControl& image = form.Dialog().controls.front();
  ASSERT_EQ(image.name, u"Image");
  EXPECT_EQ(image.picture.width, 294);
  EXPECT_EQ(image.picture.height, 375);
  EXPECT_EQ(image.picture.pixels, AboutPicture().pixels);
}

std::vector<std::uint8_t> PictureBytes() {
  const std::span<const std::uint8_t> bytes = AboutPictureJpeg();
  return {bytes.begin(), bytes.end()};
}

// The offset of the first frame header (baseline or progressive).
std::size_t FrameHeader(const std::vector<std::uint8_t>& bytes) {
  for (std::size_t i = 0; i + 9 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && (bytes[i + 1] == 0xC0 || bytes[i + 1] == 0xC2)) return i;
  }
  ADD_FAILURE() << "no frame header";
  return 0;
}

std::vector<std::uint8_t> WithSize(int width, int height) {
  std::vector<std::uint8_t> bytes = PictureBytes();
  const std::size_t frame = FrameHeader(bytes);
  bytes[frame + 5] = static_cast<std::uint8_t>(height >> 8);
  bytes[frame + 6] = static_cast<std::uint8_t>(height);
  bytes[frame + 7] = static_cast<std::uint8_t>(width >> 8);
  bytes[frame + 8] = static_cast<std::uint8_t>(width);
  return bytes;
}

std::vector<std::uint8_t> Truncated(std::size_t length) {
  std::vector<std::uint8_t> bytes = PictureBytes();
  bytes.resize(length);
  return bytes;
}

std::vector<std::uint8_t> WithByte(std::size_t offset, std::uint8_t value) {
  std::vector<std::uint8_t> bytes = PictureBytes();
  bytes.at(offset) = value;
  return bytes;
}

TEST(AboutPicture, DamagedBytesGiveAClearErrorNeverAPicture) {
  const std::size_t size = AboutPictureJpeg().size();
  struct Case {
    const char* what;
    std::vector<std::uint8_t> bytes;
  };
  const Case cases[] = {
      {"nothing", {}},
      {"text", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c', 't', 'u', 'r', 'e'}},
      {"start-of-image marker alone", {0xFF, 0xD8}},
      {"start and end markers only", {0xFF, 0xD8, 0xFF, 0xD9}},
      {"cut inside the headers", Truncated(40)},
      {"cut inside the picture data", Truncated(size / 2)},
      {"last two bytes missing", Truncated(size - 2)},
      {"last byte missing", Truncated(size - 1)},
      {"first segment's marker overwritten", WithByte(2, 0x00)},
      {"zero width", WithSize(0, 375)},
      {"too large to draw", WithSize(65000, 65000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      const ui::Bitmap picture = ui::DecodeJpeg(c.bytes);
      ADD_FAILURE() << "decoded to " << picture.width << " x " << picture.height;
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), ui::kBadPicture);
      EXPECT_EQ(error.description().rfind(u"The picture is damaged: ", 0), 0u) << error.what();
    }
  }
}

TEST(AboutPicture, GarbageOfEveryLengthIsRefused) {
  // Random-looking bytes behind a valid start marker, at many lengths.
  std::vector<std::uint8_t> bytes{0xFF, 0xD8};
  std::uint32_t state = 12345;
  for (int length = 0; length < 300; ++length) {
    state = state * 1103515245u + 12345u;
    bytes.push_back(static_cast<std::uint8_t>(state >> 16));
    EXPECT_THROW(ui::DecodeJpeg(bytes), com::ComError) << "length " << bytes.size();
  }
}

}  // namespace
}  // namespace corvane::about
