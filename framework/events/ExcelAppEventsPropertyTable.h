// The stored properties of TkvxExcelAppEvents for the design text: its 29
// event handlers, in their declared order; and the class as a design places
// it on a module.
#pragma once

#include "framework/design/DesignClasses.h"
#include "framework/design/DesignProperties.h"

namespace corvane::framework {

const PropertyTable& ExcelAppEventsPropertyTable();
DesignClass ExcelAppEventsDesignClass();

}  // namespace corvane::framework
