// The keys and mouse actions of the interactive mode, drawn over the
// screen (F1 or ?) until a key is pressed.
#pragma once

#include <string>
#include <vector>

#include "workbench/interactive/Canvas.h"

namespace corvane::workbench {

class HelpPane {
 public:
  static const std::vector<std::string>& Lines();
  static void Paint(Canvas& canvas);
};

}  // namespace corvane::workbench
