#include "framework/commandbars/BarNameMatch.h"

#include <cwctype>
#include <string>

#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

// Per UTF-16 unit; units outside the basic plane's letters stay as they are.
std::u16string LocaleUpper(std::u16string_view text) {
  std::u16string result(text);
  for (char16_t& unit : result) {
    if (unit < 0xD800 || unit > 0xDFFF) unit = static_cast<char16_t>(std::towupper(static_cast<wint_t>(unit)));
  }
  return result;
}

}  // namespace

bool BarNameMatches(std::u16string_view hostName, std::u16string_view hostNameLocal, std::u16string_view wanted) {
  // Compared as UTF-16: an 8-bit conversion would let two different names
  // outside its code page fold to the same text.
  if (com::AsciiEqualNoCase(hostName, wanted)) return true;
  return LocaleUpper(hostNameLocal) == LocaleUpper(wanted);
}

}  // namespace corvane::framework
