// The registry object over the portable store. The open key is kept as its
// full path and looked up again for every call, since the store may have
// been rewritten by another object or process in between.
#include "platform/registry/Registry.h"

#include <optional>

#include "platform/registry/KeyPath.h"
#include "platform/registry/portable/Store.h"

namespace corvane::registry {

using portable::Key;
using portable::RootFile;
using portable::Store;
using portable::StoreWriteError;
using portable::Value;
using portable::ValueType;

struct Registry::State {
  std::optional<std::u16string> openPath;
  bool readOnly = false;

  std::u16string Resolve(std::u16string_view path) const { return ResolveKeyPath(openPath.value_or(u""), path); }
};

namespace {

// Calls `read` with the key at `fullPath`, or with null when it is missing.
template <typename Read>
auto ReadKey(HKEY root, std::u16string_view fullPath, Read read) {
  std::lock_guard lock(Store::Instance().mutex());
  RootFile* file = Store::Instance().Root(root);
  return read(file ? file->Read().Descend(SplitKeyPath(fullPath)) : nullptr);
}

// Changes the root's content; StoreWriteError when it cannot.
bool ModifyRoot(HKEY root, const std::function<bool(Key&)>& change) {
  std::lock_guard lock(Store::Instance().mutex());
  RootFile* file = Store::Instance().Root(root);
  if (!file) throw StoreWriteError(ERROR_BADKEY, "this root is not kept by the store");
  return file->Modify(change);
}

// As ModifyRoot, false instead of a refused write.
bool TryModifyRoot(HKEY root, const std::function<bool(Key&)>& change) {
  try {
    return ModifyRoot(root, change);
  } catch (const StoreWriteError&) {
    return false;
  }
}

const Value* FindValue(const Key* key, std::u16string_view name) { return key ? key->FindValue(name) : nullptr; }

}  // namespace

Registry::Registry(HKEY root) : root_(root), state_(std::make_unique<State>()) {}

Registry::~Registry() = default;

void Registry::SetRootKey(HKEY root) {
  CloseKey();
  root_ = root;
}

bool Registry::OpenKey(std::u16string_view path, bool create) {
  const std::u16string full = state_->Resolve(path);
  const bool exists = ReadKey(root_, full, [](const Key* key) { return key != nullptr; });
  if (!exists) {
    if (!create) return false;
    const auto parts = SplitKeyPath(full);
    if (!TryModifyRoot(root_, [&parts](Key& content) { return content.DescendOrAdd(parts), true; })) return false;
  }
  state_->openPath = full;
  state_->readOnly = false;
  return true;
}

bool Registry::OpenKeyReadOnly(std::u16string_view path) {
  if (!OpenKey(path, false)) return false;
  state_->readOnly = true;
  return true;
}

void Registry::CloseKey() {
  state_->openPath.reset();
  state_->readOnly = false;
}

bool Registry::HasOpenKey() const { return state_->openPath.has_value(); }

std::u16string Registry::CurrentPath() const { return state_->openPath.value_or(u""); }

bool Registry::KeyExists(std::u16string_view path) const {
  return ReadKey(root_, state_->Resolve(path), [](const Key* key) { return key != nullptr; });
}

bool Registry::DeleteKey(std::u16string_view path) {
  if (SplitKeyPath(path).empty()) return false;
  const std::u16string full = state_->Resolve(path);
  auto parts = SplitKeyPath(full);
  const std::u16string name(parts.back());
  parts.pop_back();
  return TryModifyRoot(root_, [&](Key& content) {
    Key* parent = content.Descend(parts);
    return parent && parent->Remove(name);
  });
}

bool Registry::ValueExists(std::u16string_view name) const {
  return ReadKey(root_, CurrentPath(), [name](const Key* key) { return FindValue(key, name) != nullptr; });
}

std::u16string Registry::ReadString(std::u16string_view name) const {
  return ReadKey(root_, CurrentPath(), [name](const Key* key) {
    const Value* value = FindValue(key, name);
    if (!value) return std::u16string();
    if (value->type != ValueType::String) throw RegistryError::InvalidDataType(name);
    return value->text;
  });
}

int32_t Registry::ReadInteger(std::u16string_view name) const {
  return ReadKey(root_, CurrentPath(), [name](const Key* key) {
    const Value* value = FindValue(key, name);
    if (!value) throw RegistryError::GetDataFailed(name);
    if (value->type != ValueType::Integer) throw RegistryError::InvalidDataType(name);
    return static_cast<int32_t>(value->number);
  });
}

namespace {

void WriteValue(HKEY root, const Registry& registry, bool readOnly, Value value) {
  const std::u16string name = value.name;
  if (readOnly) throw RegistryError::SetDataFailed(name, "the key is open read-only", ERROR_ACCESS_DENIED);
  const std::u16string path = registry.CurrentPath();
  const auto parts = SplitKeyPath(path);
  try {
    ModifyRoot(root, [&](Key& content) {
      Key* key = content.Descend(parts);
      if (!key) throw StoreWriteError(ERROR_KEY_DELETED, "the key has been deleted");
      key->SetValue(std::move(value));
      return true;
    });
  } catch (const StoreWriteError& error) {
    throw RegistryError::SetDataFailed(name, error.what(), error.Status());
  }
}

}  // namespace

void Registry::WriteString(std::u16string_view name, std::u16string_view value) {
  WriteValue(root_, *this, state_->readOnly, Value{std::u16string(name), ValueType::String, std::u16string(value), 0});
}

void Registry::WriteInteger(std::u16string_view name, int32_t value) {
  WriteValue(root_, *this, state_->readOnly, Value{std::u16string(name), ValueType::Integer, {}, uint32_t(value)});
}

bool Registry::DeleteValue(std::u16string_view name) {
  if (state_->readOnly) return false;
  const std::u16string path = CurrentPath();
  const auto parts = SplitKeyPath(path);
  return TryModifyRoot(root_, [&](Key& content) {
    Key* key = content.Descend(parts);
    return key && key->RemoveValue(name);
  });
}

std::vector<std::u16string> Registry::GetValueNames() const {
  return ReadKey(root_, CurrentPath(), [](const Key* key) {
    std::vector<std::u16string> names;
    if (key) {
      for (const Value& value : key->values()) names.push_back(value.name);
    }
    return names;
  });
}

std::vector<std::u16string> Registry::GetKeyNames() const {
  return ReadKey(root_, CurrentPath(), [](const Key* key) {
    std::vector<std::u16string> names;
    if (key) {
      for (const Key& subkey : key->subkeys()) names.push_back(subkey.name());
    }
    return names;
  });
}

}  // namespace corvane::registry
