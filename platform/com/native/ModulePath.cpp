// Module paths from the dynamic loader. dladdr names the file as it was
// loaded, so a relative name is made absolute against the current folder.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include <memory>

#include "platform/com/ModulePath.h"
#include "platform/com/Text.h"

namespace corvane::com {

std::u16string ModulePathOf(const void* address) {
  Dl_info info{};
  if (!address || dladdr(address, &info) == 0 || !info.dli_fname || !*info.dli_fname) return {};
  std::unique_ptr<char, decltype(&free)> resolved(realpath(info.dli_fname, nullptr), &free);
  return Utf8ToUtf16(resolved ? resolved.get() : info.dli_fname);
}

}  // namespace corvane::com
