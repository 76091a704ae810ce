// The tour: a script that uses each of the toolbar's 23 buttons on the
// sample workbooks and shows the screen after each.
#pragma once

#include <string>

namespace corvane::workbench {

std::string TourScript();

}  // namespace corvane::workbench
