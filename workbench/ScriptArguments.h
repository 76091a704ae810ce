// Reading a script command's arguments; ScriptError for a bad one.
#pragma once

#include <string>
#include <vector>

#include "sim/excel/model/Areas.h"

namespace corvane::workbench {

using Words = std::vector<std::string>;

// The command takes exactly `count` words after its name.
void RequireArguments(const Words& words, size_t count, const char* usage);
// At least `count` words after its name.
void RequireAtLeast(const Words& words, size_t count, const char* usage);
sim::excel::Areas AreasArgument(const std::string& text);
sim::excel::CellRef CellArgument(const std::string& text);
// "$A$1:$B$2" for any spelling of the same areas.
std::string Normalized(const sim::excel::Areas& areas);

}  // namespace corvane::workbench
