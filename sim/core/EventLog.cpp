#include "sim/core/EventLog.h"

namespace corvane::sim {

std::vector<std::string> EventLog::Since(size_t mark) const {
  if (mark >= entries_.size()) return {};
  return std::vector<std::string>(entries_.begin() + static_cast<std::ptrdiff_t>(mark), entries_.end());
}

std::vector<std::string> EventLog::Matching(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const auto& entry : entries_) {
    if (entry.starts_with(prefix)) found.push_back(entry);
  }
  return found;
}

}  // namespace corvane::sim
