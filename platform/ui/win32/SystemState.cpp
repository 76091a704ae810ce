// Key state and regional settings as Windows reports them.
#include "platform/com/com.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/Locale.h"

namespace corvane::ui {

bool IsCtrlDown() { return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0; }

std::u16string DecimalSeparator() {
  wchar_t buffer[8] = {};  // the system allows at most four characters
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 8);
  if (length <= 1) return u".";
  return std::u16string(reinterpret_cast<const char16_t*>(buffer), static_cast<size_t>(length - 1));
}

}  // namespace corvane::ui
