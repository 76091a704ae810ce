// The one error of the registry object, with the messages the system's
// callers and users see. A ComError carrying the Win32 status as an HRESULT
// (HRESULT_FROM_WIN32), so that a boundary reports what went wrong rather
// than E_UNEXPECTED.
#pragma once

#include <string>
#include <string_view>

#include "platform/com/ComError.h"
#include "platform/com/com.h"

namespace corvane::registry {

// A registry operation that cannot be done: a value of the wrong type or
// missing where a value is required, a write that fails, a damaged store.
class RegistryError : public com::ComError {
 public:
  // status: the Win32 error code of the failure.
  RegistryError(LONG status, const std::string& message);

  // The Win32 error code the HRESULT was made from.
  LONG Status() const { return status_; }

  // "Invalid data type for '<name>'": the value exists with another type.
  static RegistryError InvalidDataType(std::u16string_view name);
  // "Failed to get data for '<name>'": the value cannot be read (by
  // default: it is missing).
  static RegistryError GetDataFailed(std::u16string_view name, LONG status = ERROR_FILE_NOT_FOUND);
  // "Failed to set data for '<name>': <reason>".
  static RegistryError SetDataFailed(std::u16string_view name, std::string_view reason, LONG status);

 private:
  LONG status_;
};

}  // namespace corvane::registry
