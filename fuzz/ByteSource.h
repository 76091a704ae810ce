// The fuzz input read as a series of choices: numbers, picks from a range,
// text. Past the end every read answers zero, so any input is a whole case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace corvane::fuzz {

class ByteSource {
 public:
  ByteSource(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return at_ >= size_; }

  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  uint16_t Word() { return static_cast<uint16_t>(Byte() | Byte() << 8); }
  uint32_t Number() { return static_cast<uint32_t>(Word() | static_cast<uint32_t>(Word()) << 16); }
  // 0 .. count-1 (0 for no choices).
  size_t Pick(size_t count) { return count == 0 ? 0 : Byte() % count; }

  // Up to `most` UTF-16 units, a length byte first.
  std::u16string Text16(size_t most) {
    std::u16string text(Pick(most + 1), u'\0');
    for (char16_t& unit : text) unit = static_cast<char16_t>(Word());
    return text;
  }
  // Whatever is left, as UTF-16 units.
  std::u16string Rest16() {
    std::u16string text;
    while (size_ - at_ >= 2) text += static_cast<char16_t>(Word());
    at_ = size_;
    return text;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

}  // namespace corvane::fuzz
