#include "workbench/CallTrace.h"

#include <algorithm>
#include <utility>

#include "platform/com/Text.h"
#include "sim/core/Instrumentation.h"

namespace corvane::workbench {

CallTrace::CallTrace() {
  sim::Instrumentation::Instance().SetCallObserver(
      [this](uint64_t, std::u16string_view type, std::u16string_view member, bool write) {
        calls_.push_back(com::Utf16ToUtf8(type) + "." + com::Utf16ToUtf8(member) + (write ? "=" : ""));
      });
}

CallTrace::~CallTrace() { sim::Instrumentation::Instance().SetCallObserver({}); }

std::vector<std::string> CallTrace::Take() {
  std::vector<std::string> taken;
  taken.swap(calls_);
  return taken;
}

std::string CallTrace::Summary(const std::vector<std::string>& calls) {
  if (calls.size() > kListedInOrder) return Totals(calls);
  std::string text;
  for (size_t i = 0; i < calls.size();) {
    size_t same = i;
    while (same < calls.size() && calls[same] == calls[i]) ++same;
    if (!text.empty()) text += ", ";
    text += calls[i];
    if (same - i > 1) text += " x" + std::to_string(same - i);
    i = same;
  }
  return text;
}

// How often each member was called, in the order of their first calls.
std::string CallTrace::Totals(const std::vector<std::string>& calls) {
  std::vector<std::pair<std::string, size_t>> totals;
  for (const auto& call : calls) {
    const auto found =
        std::find_if(totals.begin(), totals.end(), [&](const auto& total) { return total.first == call; });
    if (found == totals.end()) {
      totals.emplace_back(call, 1);
    } else {
      ++found->second;
    }
  }
  std::string text = "by member:";
  for (const auto& [call, count] : totals) text += " " + call + (count > 1 ? " x" + std::to_string(count) : "") + ",";
  text.pop_back();
  return text;
}

}  // namespace corvane::workbench
