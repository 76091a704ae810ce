// Streams a design text into a module: the module's properties, its
// components with theirs, the items of a component or item that holds
// some. The first fault throws DesignError naming the line and the place;
// the caller (the module's constructor) lets it out, which frees whatever
// the design had created.
#pragma once

#include <string_view>

#include "framework/design/DesignHandlers.h"
#include "framework/design/DesignRoot.h"

namespace corvane::framework {

void ReadDesign(const DesignRoot& root, std::string_view text, const DesignHandlers& handlers);

}  // namespace corvane::framework
