// What a pivot table is made of: the source records and where each field
// goes. Plain data; PivotLayout turns it into cells and areas.
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/CellData.h"
#include "sim/excel/model/CellRect.h"

namespace corvane::sim::excel::pivot {

using Value = CellValue;

// Data field functions, in the order of the subtotal switches 2..12.
enum class Function { Sum, Count, Average, Max, Min, Product, CountNums, StDev, StDevP, Var, VarP };

// Excel's twelve subtotal switches: [0] automatic, then one per Function.
inline constexpr size_t kSubtotalSwitches = 12;
using SubtotalSwitches = std::array<bool, kSubtotalSwitches>;
inline constexpr SubtotalSwitches kAutomaticSubtotal{true};

struct PivotSource {
  std::vector<std::u16string> fields;
  std::vector<std::vector<Value>> records;  // one value per field
};

struct DataFieldDef {
  std::u16string source;
  Function function = Function::Sum;
  std::u16string caption;  // empty: "Sum of <source>" and the like
  std::u16string number_format = kGeneralFormat;
};

// The name Excel gives the pseudo-field that holds several data fields.
inline constexpr char16_t kDataFieldName[] = u"Data";

struct PivotDefinition {
  std::u16string name;
  CellRef destination;                        // top-left cell of TableRange2
  std::vector<std::u16string> row_fields;     // outer first
  std::vector<std::u16string> column_fields;  // outer first
  std::vector<std::u16string> page_fields;    // top first
  std::vector<DataFieldDef> data_fields;
  // Where the "Data" pseudo-field goes when there are several data fields:
  // which axis, and its position among that axis's fields (clamped).
  bool data_on_rows = true;
  size_t data_position = static_cast<size_t>(-1);
  std::map<std::u16string, SubtotalSwitches> subtotals;  // absent: automatic
  std::map<std::u16string, Value> current_pages;         // absent: "(All)"
  bool row_grand = true;                                 // the grand total row at the bottom
  bool column_grand = true;                              // the grand total column at the right
};

}  // namespace corvane::sim::excel::pivot
