#include "framework/design/DesignHandlerNames.h"

#include <algorithm>

namespace corvane::framework {

void DesignHandlerNames::Record(const TObject* object, std::string_view event, std::string_view handler) {
  for (auto& entry : entries_) {
    if (entry.object == object && entry.event == event) {
      entry.handler = std::string(handler);
      return;
    }
  }
  entries_.push_back({object, std::string(event), std::string(handler)});
}

std::string_view DesignHandlerNames::Find(const TObject* object, std::string_view event) const {
  for (const auto& entry : entries_) {
    if (entry.object == object && entry.event == event) return entry.handler;
  }
  return {};
}

void DesignHandlerNames::Forget(const TObject* object) {
  std::erase_if(entries_, [object](const Entry& entry) { return entry.object == object; });
}

}  // namespace corvane::framework
