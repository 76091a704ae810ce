// What the interactive screen remembers between keys: where the focus is,
// the toolbar button focused or under the mouse, the latched Ctrl key, the
// panes shown, the sheet's scroll position and the last note for the
// status line.
#pragma once

#include <optional>
#include <string>

#include "sim/excel/model/CellRect.h"

namespace corvane::workbench {

enum class Focus { Sheet, Toolbar };

struct ViewState {
  Focus focus = Focus::Sheet;
  // Index among the toolbar's buttons.
  int focusedButton = 0;
  std::optional<int> hoveredButton;
  // For terminals that do not report Ctrl with a click or a key.
  bool ctrlLatched = false;
  bool showCalls = false;
  bool showHelp = false;
  // The top-left cell of the sheet on the screen.
  sim::excel::CellRef origin;
  // The corner Shift+arrows move; the active cell stays the other one.
  std::optional<sim::excel::CellRef> extendCorner;
  // A mouse drag on the sheet: where it started, and whether it adds an area.
  std::optional<sim::excel::CellRef> dragStart;
  bool dragAdds = false;
  std::string note;
};

}  // namespace corvane::workbench
