#include "sim/core/MemberIndex.h"

#include <stdexcept>

#include "platform/com/Text.h"

namespace corvane::sim {

MemberIndex::MemberIndex(const std::vector<Entry>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    const bool newId = ids_.emplace(entries[i].id, i).second;
    const bool newName = names_.emplace(com::AsciiUpper(entries[i].name), i).second;
    if (!newId || !newName) {
      throw std::logic_error("member table lists " + com::Utf16ToUtf8(entries[i].name) + " twice");
    }
  }
}

std::optional<size_t> MemberIndex::ById(DISPID id) const {
  const auto found = ids_.find(id);
  if (found == ids_.end()) return std::nullopt;
  return found->second;
}

std::optional<size_t> MemberIndex::ByName(std::u16string_view name) const {
  const auto found = names_.find(com::AsciiUpper(name));
  if (found == names_.end()) return std::nullopt;
  return found->second;
}

}  // namespace corvane::sim
