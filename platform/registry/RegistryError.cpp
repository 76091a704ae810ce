#include "platform/registry/RegistryError.h"

#include "platform/com/Text.h"

namespace corvane::registry {
namespace {

std::string Quoted(std::u16string_view name) { return "'" + com::Utf16ToUtf8(name) + "'"; }

}  // namespace

RegistryError RegistryError::InvalidDataType(std::u16string_view name) {
  return RegistryError("Invalid data type for " + Quoted(name));
}

RegistryError RegistryError::GetDataFailed(std::u16string_view name) {
  return RegistryError("Failed to get data for " + Quoted(name));
}

RegistryError RegistryError::SetDataFailed(std::u16string_view name, std::string_view reason) {
  return RegistryError("Failed to set data for " + Quoted(name) + ": " + std::string(reason));
}

}  // namespace corvane::registry
