#include "platform/com/ServerRegistration.h"

#include <dlfcn.h>

#include "platform/com/Text.h"

namespace corvane::com {

HRESULT CallRegistrationExport(const std::u16string& libraryPath, bool registering) {
  void* handle = dlopen(Utf16ToUtf8(libraryPath).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  using Export = HRESULT (*)();
  const auto call = reinterpret_cast<Export>(dlsym(handle, registering ? "DllRegisterServer" : "DllUnregisterServer"));
  const HRESULT hr = call ? call() : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  dlclose(handle);
  return hr;
}

}  // namespace corvane::com
