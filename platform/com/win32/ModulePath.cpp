// Module paths from the loader: the module that contains the address, its
// file name grown until it fits (paths may exceed MAX_PATH).
#include <vector>

#include "platform/com/ModulePath.h"
#include "platform/com/com.h"

namespace corvane::com {

std::u16string ModulePathOf(const void* address) {
  HMODULE module = nullptr;
  const DWORD lookup = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
  if (!address || !GetModuleHandleExW(lookup, static_cast<LPCWSTR>(address), &module)) return {};
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace corvane::com
