// Names of keys as shortcut texts spell them: a fixed set ("BkSp", "PgUp",
// digits, letters, "F1".."F24"), any other key by the keyboard layout.
#pragma once

#include <string>

#include "platform/com/com.h"

namespace corvane::input {

// Empty for a key neither the fixed set nor the layout names.
std::u16string KeyName(UINT virtualKey);

}  // namespace corvane::input
