// Regional settings as Windows reports them.
#include "platform/com/com.h"
#include "platform/ui/Locale.h"

namespace corvane::ui {

std::u16string DecimalSeparator() {
  wchar_t buffer[8] = {};  // the system allows at most four characters
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8);
  if (length <= 1) return u".";
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), static_cast<size_t>(length - 1));
}

}  // namespace corvane::ui
