// Design tree to text, in the layout the reader reads (README.md).
#pragma once

#include <string>

#include "framework/design/DesignTree.h"

namespace corvane::framework {

std::string FormatDesign(const DesignObject& root);

}  // namespace corvane::framework
