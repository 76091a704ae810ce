// One axis of a pivot table (its rows or its columns) as the list of lines
// the classic layout shows: items, subtotals after each outer group, grand
// totals last.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "sim/excel/pivot/PivotDefinition.h"

namespace corvane::sim::excel::pivot {

// A field on an axis: a source field, or the "Data" pseudo-field (source -1).
struct AxisLevel {
  int source = -1;
  std::u16string name;
};

enum class LineKind { Item, Subtotal, Grand, Total };  // Total: the one line of an empty axis

struct AxisLine {
  LineKind kind = LineKind::Item;
  std::vector<Value> items;  // the item per level (the caption on the Data level), outer first
  size_t shown_from = 0;     // item lines show their labels from this level on
  size_t level = 0;          // subtotals: the level of the subtotalled field
  size_t switch_index = 0;   // subtotals: 0 automatic, else the function's switch
  int data = -1;             // the data field the line carries, -1 none
  std::u16string label;      // subtotal and grand lines
};

struct AxisInput {
  const PivotSource* source;
  const std::vector<size_t>* records;  // after the page filter
  std::vector<AxisLevel> levels;
  std::vector<SubtotalSwitches> switches;  // per level
  std::vector<std::u16string> captions;    // of the data fields
  bool grand = true;
};

std::vector<AxisLine> BuildAxis(const AxisInput& input);

// Items sort ascending: numbers first, then text without regard to case.
bool ItemLess(const Value& a, const Value& b);
std::u16string ItemText(const Value& value);

}  // namespace corvane::sim::excel::pivot
