// Lookup of a type's members by DISPID and by name (ASCII case-insensitive,
// as the host's GetIDsOfNames), built once per type from its member table.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/com.h"

namespace corvane::sim {

class MemberIndex {
 public:
  struct Entry {
    DISPID id;
    std::u16string_view name;
  };
  // std::logic_error for a DISPID or a name given twice: a table mistake.
  explicit MemberIndex(const std::vector<Entry>& entries);

  std::optional<size_t> ById(DISPID id) const;
  std::optional<size_t> ByName(std::u16string_view name) const;

 private:
  std::map<DISPID, size_t> ids_;
  std::map<std::u16string, size_t> names_;
};

}  // namespace corvane::sim
