#include "platform/registry/RegistryError.h"

#include "platform/com/Text.h"

namespace corvane::registry {
namespace {

std::string Quoted(std::u16string_view name) { return "'" + com::Utf16ToUtf8(name) + "'"; }

}  // namespace

RegistryError::RegistryError(LONG status, const std::string& message)
    : com::ComError(HRESULT_FROM_WIN32(static_cast<unsigned long>(status)), com::Utf8ToUtf16(message)),
      status_(status) {}

RegistryError RegistryError::InvalidDataType(std::u16string_view name) {
  return RegistryError(ERROR_INVALID_DATATYPE, "Invalid data type for " + Quoted(name));
}

RegistryError RegistryError::GetDataFailed(std::u16string_view name, LONG status) {
  return RegistryError(status, "Failed to get data for " + Quoted(name));
}

RegistryError RegistryError::SetDataFailed(std::u16string_view name, std::string_view reason, LONG status) {
  return RegistryError(status, "Failed to set data for " + Quoted(name) + ": " + std::string(reason));
}

}  // namespace corvane::registry
