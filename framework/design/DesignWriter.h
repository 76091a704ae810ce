// A module's design as text: each object's properties that differ from
// their defaults, in the order of its class's table, a bar's items with
// their kinds, and the handler names the design had assigned.
#pragma once

#include <string>

namespace corvane::framework {

class TkvxCOMAddInModule;

std::string WriteDesign(TkvxCOMAddInModule& module);

}  // namespace corvane::framework
