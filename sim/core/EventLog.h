// The ordered record of what happened in the host that a test wants to see
// in sequence: events fired, screen updating switched, dialogs shown. Each
// entry is one line of UTF-8 text written by the part of the sim that acts,
// e.g. "AppEvents.SheetSelectionChange" or "ScreenUpdating False".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace corvane::sim {

class EventLog {
 public:
  void Record(std::string entry) { entries_.push_back(std::move(entry)); }
  const std::vector<std::string>& Entries() const { return entries_; }
  // A mark for Since(): the current length.
  size_t Mark() const { return entries_.size(); }
  std::vector<std::string> Since(size_t mark) const;
  // The entries that start with prefix, in order.
  std::vector<std::string> Matching(const std::string& prefix) const;
  void Clear() { entries_.clear(); }

 private:
  std::vector<std::string> entries_;
};

}  // namespace corvane::sim
