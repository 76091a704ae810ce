#include "workbench/interactive/CallPane.h"

#include <string>
#include <vector>

namespace corvane::workbench {

void CallPane::Paint(const ActionLog& log, int top, int height, Canvas& canvas) {
  canvas.Clear(top, 0, height, canvas.columns(), Style::Pane);
  canvas.Put(top, 1, "Calls into Excel and host events, per action (l hides this)", Style::Pane, kBold);
  std::vector<std::string> lines;
  for (const auto& entry : log.entries()) {
    for (auto& line : ActionLog::Lines(entry)) lines.push_back(std::move(line));
  }
  const int room = height - 1;
  const size_t first = lines.size() > static_cast<size_t>(room) ? lines.size() - room : 0;
  for (size_t i = first; i < lines.size(); ++i) {
    canvas.Put(top + 1 + static_cast<int>(i - first), 1, lines[i], Style::Pane);
  }
}

}  // namespace corvane::workbench
