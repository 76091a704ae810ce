// The registry object the system uses: a root key, at most one open key,
// string and 32-bit integer values. Win32 backend in win32/, the portable
// store (one text file per root) in portable/.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com.h"
#include "platform/registry/RegistryError.h"

namespace corvane::registry {

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
  // false) or cannot be opened or created (no right to write the root, for
  // instance). A damaged portable store throws RegistryError instead, so
  // that damage is never mistaken for a missing key.
  bool OpenKey(std::u16string_view path, bool create);
  // As OpenKey without create; writes through the key then fail.
  bool OpenKeyReadOnly(std::u16string_view path);
  void CloseKey();
  bool HasOpenKey() const;
  // The open key's path from the root, without a leading "\"; empty when no
  // key is open.
  std::u16string CurrentPath() const;

  // Paths as for OpenKey; the open key does not change.
  bool KeyExists(std::u16string_view path) const;
  // With all its subkeys and values. False when the key is missing or
  // cannot be deleted; an empty path deletes nothing.
  bool DeleteKey(std::u16string_view path);

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
  // False when the value is missing or cannot be deleted.
  bool DeleteValue(std::u16string_view name);
  // Names in the order the store keeps them (the default value, when set,
  // as the empty name).
  std::vector<std::u16string> GetValueNames() const;
  // Subkey names, in the store's (case-insensitive alphabetical) order.
  std::vector<std::u16string> GetKeyNames() const;

 private:
  struct State;
  HKEY root_;
  std::unique_ptr<State> state_;
};

}  // namespace corvane::registry
