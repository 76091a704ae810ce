#include "platform/com/ShortPath.h"

#include <vector>

#include "platform/com/com.h"

namespace corvane::com {

std::u16string ShortPathOf(const std::u16string& path) {
  const auto* wide = reinterpret_cast<const wchar_t*>(path.c_str());
  const DWORD needed = GetShortPathNameW(wide, nullptr, 0);
  if (needed == 0) return path;
  std::vector<wchar_t> buffer(needed);
  const DWORD written = GetShortPathNameW(wide, buffer.data(), needed);
  if (written == 0 || written >= needed) return path;
  return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), written);
}

}  // namespace corvane::com
