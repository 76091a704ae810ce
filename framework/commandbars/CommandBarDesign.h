// The command bar classes as a design places them: TkvxCommandBar's
// stored properties, the item tables by kind code, and the bar class for
// the design catalogue.
#pragma once

#include <cstdint>

#include "framework/design/DesignClasses.h"
#include "framework/design/DesignProperties.h"

namespace corvane::framework {

const PropertyTable& CommandBarPropertyTable();
// The properties of an item of that kind code; null for a kind without an
// item class.
const PropertyTable* ItemPropertyTable(int32_t kind);
DesignClass CommandBarDesignClass();

}  // namespace corvane::framework
