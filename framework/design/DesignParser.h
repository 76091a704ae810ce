// Design text to tree. Syntax only: which properties and classes exist and
// what their values mean is the reader's business. Faults throw DesignError
// naming the design, the line and the object being read.
#pragma once

#include <string>
#include <string_view>

#include "framework/design/DesignTree.h"

namespace corvane::framework {

DesignObject ParseDesign(std::string_view text, const std::string& designName);

}  // namespace corvane::framework
