#include "framework/design/DesignProperties.h"

namespace corvane::framework {

const PropertyInfo* FindProperty(const PropertyTable& table, std::string_view name) {
  for (const auto& property : table) {
    if (property.name == name) return &property;
  }
  return nullptr;
}

PropertyInfo SpecialProperty(std::string_view name) {
  PropertyInfo info;
  info.name = name;
  info.special = true;
  return info;
}

}  // namespace corvane::framework
