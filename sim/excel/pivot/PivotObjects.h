// The COM faces of the pivot model: PivotTables, PivotTable and PivotField.
#pragma once

#include "sim/excel/pivot/PivotFieldObject.h"
#include "sim/excel/pivot/PivotTableObject.h"
#include "sim/excel/pivot/PivotTablesObject.h"
