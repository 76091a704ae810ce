// Streams a design text into a module: the module's properties, its
// components with theirs, a bar's items. The first fault throws DesignError
// naming the line and the place; the caller (the module's constructor)
// lets it out, which frees whatever the design had created.
#pragma once

#include <string_view>

#include "framework/design/DesignHandlers.h"

namespace corvane::framework {

class TkvxCOMAddInModule;

void ReadDesign(TkvxCOMAddInModule& module, std::string_view text, const DesignHandlers& handlers);

}  // namespace corvane::framework
