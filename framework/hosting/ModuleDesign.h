// A module's design as the design reader and writer see it: the module's
// own property table, the classes a design may place on it (registered
// here, from above the layers that define them), and its design written
// out as text.
#pragma once

#include <string>

#include "framework/design/DesignProperties.h"
#include "framework/design/DesignRoot.h"

namespace corvane::framework {

class TkvxCOMAddInModule;

// The stored properties of TkvxCOMAddInModule, in the order they are written.
const PropertyTable& ModulePropertyTable();
// The module as a design root; the framework's design classes are
// registered by the first call.
DesignRoot ModuleDesignRoot(TkvxCOMAddInModule& Module);
std::string WriteDesign(TkvxCOMAddInModule& Module);

}  // namespace corvane::framework
