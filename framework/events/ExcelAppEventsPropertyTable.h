// The stored properties of TkvxExcelAppEvents for the design text: its 29
// event handlers, in their declared order.
#pragma once

#include "framework/design/DesignProperties.h"

namespace corvane::framework {

const PropertyTable& ExcelAppEventsPropertyTable();

}  // namespace corvane::framework
