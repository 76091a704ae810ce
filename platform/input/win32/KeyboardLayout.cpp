#include "platform/input/KeyboardLayout.h"

#include <array>

namespace corvane::input {

UINT ScanCodeOf(UINT virtualKey) { return MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC); }

std::u16string LayoutKeyName(UINT virtualKey) {
  const UINT scanCode = ScanCodeOf(virtualKey);
  if (scanCode == 0) return {};
  const LONG keyData = static_cast<LONG>((scanCode << 16) | (IsExtendedKey(virtualKey) ? (1u << 24) : 0u));
  std::array<wchar_t, 64> name{};
  const int length = GetKeyNameTextW(keyData, name.data(), static_cast<int>(name.size()));
  if (length <= 0) return {};
  return std::u16string(reinterpret_cast<const char16_t*>(name.data()), static_cast<size_t>(length));
}

}  // namespace corvane::input
