#include "platform/registry/portable/Key.h"

#include <algorithm>

#include "platform/registry/portable/NameFold.h"

namespace corvane::registry::portable {

std::vector<Key>::iterator Key::LowerBound(std::u16string_view name) {
  return std::lower_bound(subkeys_.begin(), subkeys_.end(), name,
                          [](const Key& key, std::u16string_view n) { return CompareNames(key.name_, n) < 0; });
}

Key* Key::Find(std::u16string_view name) {
  auto it = LowerBound(name);
  return (it != subkeys_.end() && NamesEqual(it->name_, name)) ? &*it : nullptr;
}

const Key* Key::Find(std::u16string_view name) const { return const_cast<Key*>(this)->Find(name); }

Key& Key::FindOrAdd(std::u16string_view name) {
  auto it = LowerBound(name);
  if (it != subkeys_.end() && NamesEqual(it->name_, name)) return *it;
  return *subkeys_.insert(it, Key(std::u16string(name)));
}

bool Key::Remove(std::u16string_view name) {
  auto it = LowerBound(name);
  if (it == subkeys_.end() || !NamesEqual(it->name_, name)) return false;
  subkeys_.erase(it);
  return true;
}

Key* Key::Descend(const std::vector<std::u16string_view>& parts) {
  Key* key = this;
  for (auto part : parts) {
    key = key->Find(part);
    if (!key) return nullptr;
  }
  return key;
}

const Key* Key::Descend(const std::vector<std::u16string_view>& parts) const {
  return const_cast<Key*>(this)->Descend(parts);
}

Key& Key::DescendOrAdd(const std::vector<std::u16string_view>& parts) {
  Key* key = this;
  for (auto part : parts) key = &key->FindOrAdd(part);
  return *key;
}

const Value* Key::FindValue(std::u16string_view name) const {
  auto it = std::find_if(values_.begin(), values_.end(), [name](const Value& v) { return NamesEqual(v.name, name); });
  return it != values_.end() ? &*it : nullptr;
}

void Key::SetValue(Value value) {
  auto it =
      std::find_if(values_.begin(), values_.end(), [&](const Value& v) { return NamesEqual(v.name, value.name); });
  if (it == values_.end()) {
    values_.push_back(std::move(value));
    return;
  }
  value.name = it->name;
  *it = std::move(value);
}

bool Key::RemoveValue(std::u16string_view name) {
  auto it = std::find_if(values_.begin(), values_.end(), [name](const Value& v) { return NamesEqual(v.name, name); });
  if (it == values_.end()) return false;
  values_.erase(it);
  return true;
}

}  // namespace corvane::registry::portable
