// The worked example's records and helpers that read a layout by address.
#pragma once

#include <string>
#include <vector>

#include "platform/com/Text.h"
#include "sim/excel/model/Address.h"
#include "sim/excel/pivot/PivotLayout.h"

namespace corvane::sim::excel::pivot::testing {

inline PivotSource SalesRecords() {
  auto rec = [](const char16_t* region, const char16_t* product, const char16_t* quarter, double sales) {
    return std::vector<Value>{std::u16string(region), std::u16string(product), std::u16string(quarter), sales};
  };
  return {{u"Region", u"Product", u"Quarter", u"Sales"},
          {rec(u"East", u"Apples", u"Q1", 100), rec(u"East", u"Apples", u"Q2", 120), rec(u"East", u"Pears", u"Q1", 40),
           rec(u"West", u"Apples", u"Q1", 70), rec(u"West", u"Pears", u"Q2", 95), rec(u"West", u"Pears", u"Q1", 30)}};
}

// "PivotTable1": page Region, row Product, column Quarter, Sum of Sales, at A1.
inline PivotDefinition WorkedExample() {
  PivotDefinition d;
  d.name = u"PivotTable1";
  d.destination = {1, 1};
  d.page_fields = {u"Region"};
  d.row_fields = {u"Product"};
  d.column_fields = {u"Quarter"};
  d.data_fields = {{u"Sales", Function::Sum, {}, kGeneralFormat}};
  return d;
}

// The text of a cell as a test compares it; "" for an empty cell.
inline std::string CellText(const PivotLayout& layout, const char* address) {
  auto rects = ParseAddress(com::Utf8ToUtf16(address));
  CellRef at = rects->front().first();
  for (const LayoutCell& cell : layout.cells()) {
    if (cell.ref == at)
      return std::holds_alternative<std::monostate>(cell.value) ? "" : com::Utf16ToUtf8(ItemText(cell.value));
  }
  return "";
}

// Rows of cell texts, "|" between columns, over a rectangle given by address.
inline std::vector<std::string> Rows(const PivotLayout& layout, const char* address) {
  CellRect r = ParseAddress(com::Utf8ToUtf16(address))->front();
  std::vector<std::string> out;
  for (int32_t row = r.top; row <= r.bottom; ++row) {
    std::string line;
    for (int32_t column = r.left; column <= r.right; ++column) {
      std::string a = com::Utf16ToUtf8(AddressOf(CellRect::Cell(row, column), {false, false}));
      line += (column == r.left ? "" : "|") + CellText(layout, a.c_str());
    }
    out.push_back(line);
  }
  return out;
}

inline std::string Addr(const std::vector<CellRect>& rects) {
  return rects.empty() ? "(none)" : com::Utf16ToUtf8(AddressOf(rects));
}
inline std::string Addr(const std::optional<CellRect>& rect) { return rect ? Addr(std::vector{*rect}) : "(none)"; }
inline std::string Addr(const CellRect& rect) { return Addr(std::vector{rect}); }

}  // namespace corvane::sim::excel::pivot::testing
