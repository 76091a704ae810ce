// The registry object over the Win32 registry API. Keys are opened from the
// root by their full path, so a relative path behaves as in the portable
// store whatever access the open key has.
#include "platform/registry/Registry.h"

#include <optional>

#include "platform/com/Text.h"
#include "platform/registry/KeyPath.h"
#include "platform/registry/win32/KeyHandle.h"

namespace corvane::registry {

using win32::KeyHandle;

struct Registry::State {
  KeyHandle key;
  std::optional<std::u16string> openPath;

  std::u16string Resolve(std::u16string_view path) const { return ResolveKeyPath(openPath.value_or(u""), path); }
  // The key values are read from and written to.
  HKEY ValueKey(HKEY root) const { return key ? key.get() : root; }
};

namespace {

const wchar_t* Wide(const std::u16string& text) { return com::ole(text); }

std::string SystemMessage(LSTATUS status) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, static_cast<DWORD>(status), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::u16string text(com::from_ole(buffer, length));
  LocalFree(buffer);
  while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ')) text.pop_back();
  return com::Utf16ToUtf8(text) + " (error " + std::to_string(status) + ")";
}

// Type and size in bytes of a value; nullopt when it is missing.
struct ValueInfo {
  DWORD type = REG_NONE;
  DWORD size = 0;
};
std::optional<ValueInfo> QueryValue(HKEY key, const std::u16string& name) {
  ValueInfo info;
  if (RegQueryValueExW(key, Wide(name), nullptr, &info.type, nullptr, &info.size) != ERROR_SUCCESS) return std::nullopt;
  return info;
}

bool IsStringType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

void SetValue(HKEY key, std::u16string_view name, DWORD type, const void* data, DWORD size) {
  const std::u16string valueName(name);
  const LSTATUS status = RegSetValueExW(key, Wide(valueName), 0, type, static_cast<const BYTE*>(data), size);
  if (status != ERROR_SUCCESS) throw RegistryError::SetDataFailed(name, SystemMessage(status), status);
}

// Names from RegEnumValueW or RegEnumKeyExW, which share the shape
// (key, index, name buffer, in/out length, ...).
template <typename Enumerate>
std::vector<std::u16string> EnumerateNames(Enumerate enumerate) {
  std::vector<std::u16string> names;
  std::u16string buffer(256, u'\0');
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(buffer.size());
    const LSTATUS status = enumerate(index, reinterpret_cast<wchar_t*>(buffer.data()), &length);
    if (status == ERROR_MORE_DATA) {
      buffer.resize(buffer.size() * 2);
      continue;
    }
    if (status != ERROR_SUCCESS) break;
    names.emplace_back(buffer.data(), length);
    ++index;
  }
  return names;
}

}  // namespace

Registry::Registry(HKEY root) : root_(root), state_(std::make_unique<State>()) {}

Registry::~Registry() = default;

void Registry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

namespace {

LSTATUS OpenFromRoot(HKEY root, const std::u16string& full, bool create, REGSAM access, KeyHandle& key) {
  if (!create) return RegOpenKeyExW(root, Wide(full), 0, access, key.put());
  return RegCreateKeyExW(root, Wide(full), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, key.put(), nullptr);
}

}  // namespace

bool Registry::OpenKey(std::u16string_view path, bool create) {
  const std::u16string full = state_->Resolve(path);
  KeyHandle key;
  if (OpenFromRoot(root_, full, create, KEY_ALL_ACCESS, key) != ERROR_SUCCESS) return false;
  state_->key = std::move(key);
  state_->openPath = full;
  return true;
}

bool Registry::OpenKeyReadOnly(std::u16string_view path) {
  const std::u16string full = state_->Resolve(path);
  KeyHandle key;
  if (OpenFromRoot(root_, full, false, KEY_READ, key) != ERROR_SUCCESS) return false;
  state_->key = std::move(key);
  state_->openPath = full;
  return true;
}

void Registry::CloseKey() {
  state_->key.reset();
  state_->openPath.reset();
}

bool Registry::HasOpenKey() const { return state_->openPath.has_value(); }

std::u16string Registry::CurrentPath() const { return state_->openPath.value_or(u""); }

bool Registry::KeyExists(std::u16string_view path) const {
  KeyHandle key;
  return OpenFromRoot(root_, state_->Resolve(path), false, KEY_READ, key) == ERROR_SUCCESS;
}

bool Registry::DeleteKey(std::u16string_view path) {
  if (SplitKeyPath(path).empty()) return false;
  const std::u16string full = state_->Resolve(path);
  return RegDeleteTreeW(root_, Wide(full)) == ERROR_SUCCESS;
}

bool Registry::ValueExists(std::u16string_view name) const {
  return QueryValue(state_->ValueKey(root_), std::u16string(name)).has_value();
}

std::u16string Registry::ReadString(std::u16string_view name) const {
  const std::u16string valueName(name);
  HKEY key = state_->ValueKey(root_);
  for (;;) {
    const auto info = QueryValue(key, valueName);
    if (!info) return {};
    if (!IsStringType(info->type)) throw RegistryError::InvalidDataType(name);
    std::u16string text(info->size / sizeof(char16_t) + 1, u'\0');
    DWORD size = static_cast<DWORD>(text.size() * sizeof(char16_t));
    const LSTATUS status =
        RegQueryValueExW(key, Wide(valueName), nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size);
    if (status == ERROR_MORE_DATA) continue;  // grew in between
    if (status != ERROR_SUCCESS) throw RegistryError::GetDataFailed(name, status);
    text.resize(size / sizeof(char16_t));
    while (!text.empty() && text.back() == u'\0') text.pop_back();
    return text;
  }
}

int32_t Registry::ReadInteger(std::u16string_view name) const {
  const std::u16string valueName(name);
  const auto info = QueryValue(state_->ValueKey(root_), valueName);
  if (!info) throw RegistryError::GetDataFailed(name);
  if (info->type != REG_DWORD) throw RegistryError::InvalidDataType(name);
  DWORD number = 0;
  DWORD size = sizeof number;
  if (RegQueryValueExW(state_->ValueKey(root_), Wide(valueName), nullptr, nullptr, reinterpret_cast<BYTE*>(&number),
                       &size) != ERROR_SUCCESS) {
    throw RegistryError::GetDataFailed(name);
  }
  return static_cast<int32_t>(number);
}

void Registry::WriteString(std::u16string_view name, std::u16string_view value) {
  const std::u16string data(value);
  SetValue(state_->ValueKey(root_), name, REG_SZ, data.c_str(),
           static_cast<DWORD>((data.size() + 1) * sizeof(char16_t)));
}

void Registry::WriteInteger(std::u16string_view name, int32_t value) {
  const DWORD number = static_cast<DWORD>(value);
  SetValue(state_->ValueKey(root_), name, REG_DWORD, &number, sizeof number);
}

bool Registry::DeleteValue(std::u16string_view name) {
  const std::u16string valueName(name);
  return RegDeleteValueW(state_->ValueKey(root_), Wide(valueName)) == ERROR_SUCCESS;
}

std::vector<std::u16string> Registry::GetValueNames() const {
  HKEY key = state_->ValueKey(root_);
  return EnumerateNames([key](DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumValueW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

std::vector<std::u16string> Registry::GetKeyNames() const {
  HKEY key = state_->ValueKey(root_);
  return EnumerateNames([key](DWORD index, wchar_t* name, DWORD* length) {
    return RegEnumKeyExW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

}  // namespace corvane::registry
