#include "platform/com/ServerRegistration.h"

namespace corvane::com {

HRESULT CallRegistrationExport(const std::u16string& libraryPath, bool registering) {
  HMODULE library = LoadLibraryW(reinterpret_cast<const wchar_t*>(libraryPath.c_str()));
  if (!library) return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
  using Export = HRESULT(STDAPICALLTYPE*)();
  const auto call = reinterpret_cast<Export>(
      reinterpret_cast<void*>(GetProcAddress(library, registering ? "DllRegisterServer" : "DllUnregisterServer")));
  const HRESULT hr = call ? call() : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  FreeLibrary(library);
  return hr;
}

}  // namespace corvane::com
