// One key of the portable store in memory: its name as first written, its
// values in insertion order and its subkeys sorted by name ignoring case.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::registry::portable {

enum class ValueType { String, Integer };

struct Value {
  std::u16string name;
  ValueType type = ValueType::String;
  std::u16string text;
  uint32_t number = 0;
};

class Key {
 public:
  explicit Key(std::u16string name = {}) : name_(std::move(name)) {}

  const std::u16string& name() const { return name_; }
  const std::vector<Value>& values() const { return values_; }
  const std::vector<Key>& subkeys() const { return subkeys_; }

  const Key* Find(std::u16string_view name) const;
  Key* Find(std::u16string_view name);
  // The subkey, added (keeping the sort) when missing.
  Key& FindOrAdd(std::u16string_view name);
  bool Remove(std::u16string_view name);

  // The key at the given parts below this one, or null.
  const Key* Descend(const std::vector<std::u16string_view>& parts) const;
  Key* Descend(const std::vector<std::u16string_view>& parts);
  Key& DescendOrAdd(const std::vector<std::u16string_view>& parts);

  const Value* FindValue(std::u16string_view name) const;
  // Replaces the data of an existing value in place (its name's case and its
  // position stay) or appends a new one.
  void SetValue(Value value);
  bool RemoveValue(std::u16string_view name);

 private:
  std::vector<Key>::iterator LowerBound(std::u16string_view name);

  std::u16string name_;
  std::vector<Value> values_;
  std::vector<Key> subkeys_;
};

}  // namespace corvane::registry::portable
