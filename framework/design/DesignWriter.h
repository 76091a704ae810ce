// A module's design as text: each object's properties that differ from
// their defaults, in the order of its class's table, the items of an object
// that holds some with their kinds, and the handler names the design had
// assigned.
#pragma once

#include <string>

#include "framework/design/DesignRoot.h"

namespace corvane::framework {

std::string WriteDesign(const DesignRoot& root);

}  // namespace corvane::framework
