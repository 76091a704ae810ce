#include "platform/ui/JpegDecoder.h"

#include <string>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::ui {

namespace {

constexpr std::uint8_t kMarker = 0xFF;
constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;

bool IsRestart(std::uint8_t code) { return code >= 0xD0 && code <= 0xD7; }
// Markers without a length field.
bool IsStandalone(std::uint8_t code) { return IsRestart(code) || code == 0x01; }
// Start-of-frame markers; C4, C8 and CC in that range are other segments.
bool IsFrameHeader(std::uint8_t code) {
  return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

std::u16string At(std::size_t offset) { return u" at byte " + com::Utf8ToUtf16(std::to_string(offset)); }

// Walks the marker segments from after the start-of-image marker to the
// end-of-image marker, stepping over the entropy-coded data after each scan.
class MarkerWalk {
 public:
  explicit MarkerWalk(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  void Run() {
    if (bytes_.size() < 4 || bytes_[0] != kMarker || bytes_[1] != kStartOfImage) {
      detail::ThrowBadPicture(u"it does not start like a JPEG file");
    }
    pos_ = 2;
    bool sawScan = false;
    for (;;) {
      const std::uint8_t code = NextMarker();
      if (code == kEndOfImage) break;
      if (IsStandalone(code)) continue;
      if (IsFrameHeader(code)) CheckFrameSize();
      SkipSegment();
      if (code == kStartOfScan) {
        sawScan = true;
        SkipEntropyData();
      }
    }
    if (!sawScan) detail::ThrowBadPicture(u"it holds no image data");
  }

 private:
  std::uint8_t NextMarker() {
    if (pos_ >= bytes_.size()) Truncated();
    if (bytes_[pos_] != kMarker) detail::ThrowBadPicture(u"a marker is missing" + At(pos_));
    while (pos_ < bytes_.size() && bytes_[pos_] == kMarker) ++pos_;  // fill bytes
    if (pos_ >= bytes_.size()) Truncated();
    return bytes_[pos_++];
  }

  void SkipSegment() {
    if (pos_ + 2 > bytes_.size()) Truncated();
    const std::size_t length = (std::size_t{bytes_[pos_]} << 8) | bytes_[pos_ + 1];
    if (length < 2) detail::ThrowBadPicture(u"a segment length is wrong" + At(pos_));
    if (pos_ + length > bytes_.size()) Truncated();
    pos_ += length;
  }

  // The size is checked here, before any decoder sees it: some system
  // decoders misbehave on a zero or huge frame instead of failing.
  void CheckFrameSize() const {
    // Length (2), precision (1), height (2), width (2).
    if (pos_ + 7 > bytes_.size()) Truncated();
    const std::int64_t height = (std::int64_t{bytes_[pos_ + 3]} << 8) | bytes_[pos_ + 4];
    const std::int64_t width = (std::int64_t{bytes_[pos_ + 5]} << 8) | bytes_[pos_ + 6];
    if (width == 0 || height == 0 || width * height > kMaxPicturePixels) {
      detail::ThrowBadPicture(u"its size cannot be shown" + At(pos_));
    }
  }

  // Stops on the next marker that is not a stuffed byte or a restart.
  void SkipEntropyData() {
    while (pos_ + 1 < bytes_.size()) {
      if (bytes_[pos_] == kMarker) {
        const std::uint8_t next = bytes_[pos_ + 1];
        if (next != 0 && next != kMarker && !IsRestart(next)) return;
        pos_ += next == kMarker ? 1 : 2;
      } else {
        ++pos_;
      }
    }
    Truncated();
  }

  [[noreturn]] void Truncated() const { detail::ThrowBadPicture(u"the file ends before its end-of-image marker"); }

  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace

namespace detail {
void ThrowBadPicture(const std::u16string& reason) {
  throw com::ComError(kBadPicture, u"The picture is damaged: " + reason + u".");
}
}  // namespace detail

Bitmap DecodeJpeg(std::span<const std::uint8_t> bytes) {
  MarkerWalk(bytes).Run();
  return detail::DecodeJpegPixels(bytes);
}

}  // namespace corvane::ui
