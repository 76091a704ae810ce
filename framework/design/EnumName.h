// One value of an enumeration as the design text and messages name it.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace corvane::framework {

struct EnumName {
  std::string_view name;
  int value;
};

using EnumNames = std::span<const EnumName>;

inline std::optional<int> ValueOfName(EnumNames names, std::string_view name) {
  for (const auto& entry : names) {
    if (entry.name == name) return entry.value;
  }
  return std::nullopt;
}

inline std::optional<std::string_view> NameOfValue(EnumNames names, int value) {
  for (const auto& entry : names) {
    if (entry.value == value) return entry.name;
  }
  return std::nullopt;
}

}  // namespace corvane::framework
