#include "platform/input/KeyData.h"

namespace corvane::input {

namespace {
constexpr DWORD kExtendedBit = 1u << 24;
constexpr DWORD kAltBit = 1u << 29;
constexpr DWORD kWasDownBit = 1u << 30;
constexpr DWORD kReleasedBit = 1u << 31;

DWORD Flag(bool on, DWORD bit) { return on ? bit : 0; }
}  // namespace

LPARAM KeyData::Pack() const {
  const DWORD bits = (repeatCount & 0xFFFFu) | ((scanCode & 0xFFu) << 16) | Flag(extended, kExtendedBit) |
                     Flag(altDown, kAltBit) | Flag(wasDown, kWasDownBit) | Flag(released, kReleasedBit);
  return static_cast<LPARAM>(bits);
}

KeyData KeyData::Unpack(LPARAM data) {
  const auto bits = static_cast<DWORD>(data);
  KeyData key;
  key.repeatCount = bits & 0xFFFFu;
  key.scanCode = (bits >> 16) & 0xFFu;
  key.extended = (bits & kExtendedBit) != 0;
  key.altDown = (bits & kAltBit) != 0;
  key.wasDown = (bits & kWasDownBit) != 0;
  key.released = (bits & kReleasedBit) != 0;
  return key;
}

}  // namespace corvane::input
