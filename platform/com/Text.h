// UTF-8 and UTF-16 text: conversions, and views of OLECHAR strings as
// std::u16string (OLECHAR is wchar_t on Windows, char16_t elsewhere; both
// are 16-bit UTF-16 units).
#pragma once

#include <string>
#include <string_view>

#include "platform/com/com.h"

namespace corvane::com {

static_assert(sizeof(OLECHAR) == sizeof(char16_t), "OLECHAR must be a UTF-16 unit");

// Malformed input becomes U+FFFD; nothing throws.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

inline const OLECHAR* ole(const char16_t* text) { return reinterpret_cast<const OLECHAR*>(text); }
inline const OLECHAR* ole(const std::u16string& text) { return ole(text.c_str()); }
// For APIs that take a non-const OLECHAR* but do not write through it.
inline OLECHAR* ole_mutable(const std::u16string& text) { return const_cast<OLECHAR*>(ole(text)); }
inline std::u16string_view from_ole(const OLECHAR* text) {
  return text ? std::u16string_view(reinterpret_cast<const char16_t*>(text)) : std::u16string_view();
}
inline std::u16string_view from_ole(const OLECHAR* text, size_t length) {
  return text ? std::u16string_view(reinterpret_cast<const char16_t*>(text), length) : std::u16string_view();
}

// ASCII-only case mapping, as the system's comparisons of tags and shortcut
// texts require.
std::u16string AsciiUpper(std::u16string_view text);
bool AsciiEqualNoCase(std::u16string_view a, std::u16string_view b);

}  // namespace corvane::com
