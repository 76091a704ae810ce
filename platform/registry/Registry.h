// The registry object the system uses: a root key, at most one open key,
// string and 32-bit integer values. Win32 backend in win32/, the portable
// store (one text file per root) in portable/.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com.h"

namespace corvane::registry {

// A registry operation that cannot be done: a value of the wrong type or
// missing where a value is required, a write that fails, a damaged store.
class RegistryError : public std::runtime_error {
 public:
  explicit RegistryError(const std::string& message) : std::runtime_error(message) {}
};

class Registry {
 public:
  explicit Registry(HKEY root = HKEY_CURRENT_USER);
  ~Registry();
  Registry(const Registry&) = delete;
  Registry& operator=(const Registry&) = delete;

  HKEY RootKey() const { return root_; }
  // Closes the open key first.
  void SetRootKey(HKEY root);

  // A path starting with "\" is taken from the root; any other path is
  // relative to the open key (or the root when none is open). On success the
  // key becomes the open key. False when the key is missing (and create is
  // false) or cannot be opened or created.
  bool OpenKey(std::u16string_view path, bool create);
  bool OpenKeyReadOnly(std::u16string_view path);
  void CloseKey();
  bool HasOpenKey() const;
  // The open key's path from the root, without a leading "\".
  std::u16string CurrentPath() const;

  // Paths as for OpenKey; the open key does not change.
  bool KeyExists(std::u16string_view path) const;
  bool DeleteKey(std::u16string_view path);  // with all its subkeys

  // Values of the open key (the root when none is open). The empty name is
  // the key's default value.
  bool ValueExists(std::u16string_view name) const;
  // Empty when the value is missing; RegistryError when it is not a string.
  std::u16string ReadString(std::u16string_view name) const;
  // RegistryError when the value is missing or is not a 32-bit integer.
  int32_t ReadInteger(std::u16string_view name) const;
  // RegistryError when the value cannot be written.
  void WriteString(std::u16string_view name, std::u16string_view value);
  void WriteInteger(std::u16string_view name, int32_t value);
  bool DeleteValue(std::u16string_view name);
  // Names in the order the store keeps them.
  std::vector<std::u16string> GetValueNames() const;
  std::vector<std::u16string> GetKeyNames() const;

 private:
  struct State;
  HKEY root_;
  State* state_;
};

}  // namespace corvane::registry
