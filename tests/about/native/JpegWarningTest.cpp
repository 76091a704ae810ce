// libjpeg only warns about corrupt picture data and goes on with grey; the
// decoder treats its warnings as errors.
#include <gtest/gtest.h>

#include <vector>

#include "about/AboutPicture.h"
#include "platform/com/ComError.h"
#include "platform/ui/JpegDecoder.h"

namespace corvane::about {
namespace {

TEST(JpegWarning, StrayRestartMarkerInThePictureDataIsAnError) {
  const std::span<const std::uint8_t> original = AboutPictureJpeg();
  std::vector<std::uint8_t> bytes(original.begin(), original.end());
  // The file has no restart interval, so a restart marker in mid-scan breaks
  // the data while the marker structure stays whole.
  const std::uint8_t stray[] = {0xFF, 0xD3};
  bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2), std::begin(stray), std::end(stray));
  try {
    ui::DecodeJpeg(bytes);
    ADD_FAILURE() << "decoded";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.code(), ui::kBadPicture);
    EXPECT_NE(error.description().find(u"Corrupt JPEG data"), std::u16string::npos) << error.what();
  }
}

}  // namespace
}  // namespace corvane::about
