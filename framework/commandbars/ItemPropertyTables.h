// The pieces the item tables are made of, shared by the files that build
// them (ButtonPropertyTable.cpp, ItemPropertyTables.cpp).
#pragma once

#include "framework/design/DesignProperties.h"

namespace corvane::framework {

// What every item stores, in order, before its own properties.
PropertyTable ItemCommonProperties();
// "PropertyChanged", always written, last.
PropertyInfo ItemRevisionProperty();
PropertyTable ButtonPropertyTable();

}  // namespace corvane::framework
