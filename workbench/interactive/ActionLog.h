// The host-call pane's record: for each thing the person did, the calls
// the add-in made into Excel, the events Excel raised and what was said
// (notes, errors), newest last and the oldest forgotten.
#pragma once

#include <deque>
#include <string>
#include <vector>

namespace corvane::workbench {

class Session;

struct LoggedAction {
  std::string action;
  std::vector<std::string> calls;
  std::vector<std::string> events;
  std::vector<std::string> said;
};

class ActionLog {
 public:
  static constexpr size_t kKept = 200;

  // Takes the session's calls, events and notes since the last record.
  void Record(const std::string& action, Session& session, std::vector<std::string> said = {});
  const std::deque<LoggedAction>& entries() const { return entries_; }
  // The entry as lines: "click 8: 12 calls, 2 events" and what follows.
  static std::vector<std::string> Lines(const LoggedAction& entry);

 private:
  std::deque<LoggedAction> entries_;
};

}  // namespace corvane::workbench
