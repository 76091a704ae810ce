#include "workbench/interactive/HelpPane.h"

#include <algorithm>

namespace corvane::workbench {

const std::vector<std::string>& HelpPane::Lines() {
  static const std::vector<std::string> lines{"Keys",
                                              "  arrows          move the active cell; on the toolbar, the focus",
                                              "  Shift+arrows    extend the selection",
                                              "  c               Ctrl held on/off: clicks and arrows add areas,",
                                              "                  buttons get a Ctrl+click",
                                              "  Tab, Shift+Tab  focus to the toolbar and back (Escape: the sheet)",
                                              "  Enter, Space    on the toolbar: click the focused button",
                                              "  [  ]  w         previous / next sheet; next workbook",
                                              "  a               COM Add-ins dialog (unload or load Corvane)",
                                              "  R               restart Excel",
                                              "  l               host-call pane: calls and events per action",
                                              "  F12             write the screen's text to screen.txt (data folder)",
                                              "  F1, ?           this help;  q  quit Excel",
                                              "Mouse",
                                              "  click a cell, drag a range, Ctrl+click adds an area;",
                                              "  click a button or a sheet tab",
                                              "Boxes",
                                              "  Left/Right or Tab choose, Enter presses, a first letter presses",
                                              "  its button, Escape cancels",
                                              "",
                                              "Press any key to go back."};
  return lines;
}

void HelpPane::Paint(Canvas& canvas) {
  const auto& lines = Lines();
  int width = 0;
  for (const auto& line : lines) width = std::max(width, static_cast<int>(line.size()));
  width = std::min(width + 4, canvas.columns());
  const int height = std::min(static_cast<int>(lines.size()) + 2, canvas.rows());
  const int top = std::max((canvas.rows() - height) / 2, 0);
  const int left = std::max((canvas.columns() - width) / 2, 0);
  canvas.Clear(top, left, height, width, Style::Box);
  canvas.Put(top, left + 2, "Corvane workbench: help", Style::Box, kBold);
  for (size_t i = 0; i < lines.size() && static_cast<int>(i) + 1 < height; ++i) {
    canvas.Put(top + 1 + static_cast<int>(i), left + 2, lines[i].substr(0, std::max(width - 3, 0)), Style::Box);
  }
}

}  // namespace corvane::workbench
