// What a registration tool does with an in-process server: load the
// library, call its DllRegisterServer or DllUnregisterServer, let it go.
#pragma once

#include <string>

#include "platform/com/com.h"

namespace corvane::com {

// The export's result; HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND) when the
// library cannot be loaded, HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND) when
// it lacks the export.
HRESULT CallRegistrationExport(const std::u16string& libraryPath, bool registering);

}  // namespace corvane::com
