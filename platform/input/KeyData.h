// The key data a keyboard hook and the key messages receive: repeat count
// (bits 0-15), scan code (16-23), extended key (24), Alt held (29), key down
// before (30) and release (31). Kept to 32 bits, zero-extended in LPARAM as
// Windows does.
#pragma once

#include "platform/com/com.h"

namespace corvane::input {

struct KeyData {
  UINT repeatCount = 1;
  UINT scanCode = 0;
  bool extended = false;
  bool altDown = false;
  bool wasDown = false;
  bool released = false;

  LPARAM Pack() const;
  static KeyData Unpack(LPARAM data);
  bool operator==(const KeyData&) const = default;
};

}  // namespace corvane::input
