// The one error of the registry object, with the messages the system's
// callers and users see.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane::registry {

// A registry operation that cannot be done: a value of the wrong type or
// missing where a value is required, a write that fails, a damaged store.
class RegistryError : public std::runtime_error {
 public:
  explicit RegistryError(const std::string& message) : std::runtime_error(message) {}

  // "Invalid data type for '<name>'": the value exists with another type.
  static RegistryError InvalidDataType(std::u16string_view name);
  // "Failed to get data for '<name>'": the value cannot be read.
  static RegistryError GetDataFailed(std::u16string_view name);
  // "Failed to set data for '<name>': <reason>".
  static RegistryError SetDataFailed(std::u16string_view name, std::string_view reason);
};

}  // namespace corvane::registry
