#include "workbench/interactive/ActionLog.h"

#include "workbench/CallTrace.h"
#include "workbench/Session.h"

namespace corvane::workbench {

void ActionLog::Record(const std::string& action, Session& session, std::vector<std::string> said) {
  LoggedAction entry{action, session.calls().Take(), session.TakeEvents(), session.TakeNotes()};
  entry.said.insert(entry.said.end(), said.begin(), said.end());
  entries_.push_back(std::move(entry));
  while (entries_.size() > kKept) entries_.pop_front();
}

std::vector<std::string> ActionLog::Lines(const LoggedAction& entry) {
  std::vector<std::string> lines{entry.action + ": " + std::to_string(entry.calls.size()) + " calls into Excel, " +
                                 std::to_string(entry.events.size()) + " host events"};
  if (!entry.calls.empty()) lines.push_back("  calls: " + CallTrace::Summary(entry.calls));
  if (!entry.events.empty()) lines.push_back("  events: " + CallTrace::Summary(entry.events));
  for (const auto& text : entry.said) lines.push_back("  " + text);
  return lines;
}

}  // namespace corvane::workbench
