// PivotField's properties over a placed table: which fields answer which,
// and Excel's errors where they do not.
#include "sim/excel/pivot/PivotFieldAccess.h"

#include <gtest/gtest.h>

#include "sim/core/HostError.h"
#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::sim::excel::pivot {
namespace {

using testing::SalesRecords;
using testing::WorkedExample;

struct Placed {
  std::shared_ptr<SheetModel> sheet =
      std::make_shared<SheetModel>(u"Report", SheetKind::Worksheet, std::weak_ptr<WorkbookModel>());
  std::shared_ptr<PivotTableModel> table;
  explicit Placed(PivotDefinition d) : table(PivotTableModel::Place(sheet, SalesRecords(), std::move(d))) {}
  PivotFieldAccess At(int32_t row, int32_t column) const { return *PivotFieldAccess::Under(table, {row, column}); }
};

TEST(PivotFieldAccess, FieldsUnderCellsAndTheirRanges) {
  Placed p(WorkedExample());
  const std::tuple<CellRef, const char16_t*, const char*> cases[] = {
      {{1, 2}, u"Region", "$B$1"},
      {{5, 1}, u"Product", "$A$5:$A$6"},
      {{4, 3}, u"Quarter", "$B$4:$C$4"},
      {{6, 3}, u"Sum of Sales", "$B$5:$D$7"},
  };
  for (const auto& [cell, name, range] : cases) {
    PivotFieldAccess f = p.At(cell.row, cell.column);
    EXPECT_EQ(f.Name(), name);
    EXPECT_EQ(com::Utf16ToUtf8(f.DataRange().Address()), range);
  }
  EXPECT_FALSE(PivotFieldAccess::Under(p.table, {7, 1}));  // "Grand Total"
  EXPECT_EQ(PivotTableUnder(*p.sheet, {2, 4}), p.table);
  EXPECT_EQ(PivotTableUnder(*p.sheet, {1, 5}), nullptr);
}

TEST(PivotFieldAccess, NumberFormatOnlyOnDataFields) {
  Placed p(WorkedExample());
  PivotFieldAccess data = p.At(5, 2);
  EXPECT_EQ(data.NumberFormat(), u"General");
  data.SetNumberFormat(u"#,##0.00");
  EXPECT_EQ(data.NumberFormat(), u"#,##0.00");
  EXPECT_EQ(p.sheet->cell({7, 4}).number_format, u"#,##0.00");
  for (PivotFieldAccess f : {p.At(5, 1), p.At(1, 1), p.At(3, 2)}) {
    EXPECT_THROW(f.NumberFormat(), HostError);
    EXPECT_THROW(f.SetNumberFormat(u"0"), HostError);
  }
  try {
    p.At(5, 1).NumberFormat();
  } catch (const HostError& e) {
    EXPECT_EQ(e.code(), kExcelError);
    EXPECT_EQ(e.description(), u"Unable to get the NumberFormat property of the PivotField class");
  }
}

TEST(PivotFieldAccess, SubtotalSwitchesAndTheirProbe) {
  PivotDefinition d = WorkedExample();
  d.row_fields = {u"Region", u"Product"};
  d.page_fields.clear();
  Placed p(d);
  PivotFieldAccess region = p.At(5, 1);
  EXPECT_EQ(region.Subtotals(), kAutomaticSubtotal);
  EXPECT_TRUE(region.Subtotal(1));
  region.SetSubtotal(2, true);  // Sum: the automatic one goes off
  region.SetSubtotal(3, true);  // Count
  SubtotalSwitches want{};
  want[1] = want[2] = true;
  EXPECT_EQ(region.Subtotals(), want);
  EXPECT_EQ(testing::CellText(p.table->layout(), "A5"), "East Sum");
  region.SetSubtotal(1, true);
  EXPECT_EQ(region.Subtotals(), kAutomaticSubtotal);
  EXPECT_EQ(region.SubtotalName(), u"Region Total");
  EXPECT_NO_THROW(p.At(3, 2).SubtotalName());  // Quarter, the column field
  for (int bad : {0, 13}) EXPECT_THROW(region.Subtotal(bad), HostError);
  PivotFieldAccess data = p.At(4, 3);
  EXPECT_THROW(data.SubtotalName(), HostError);
  EXPECT_THROW(data.Subtotals(), HostError);
  EXPECT_THROW(data.SetSubtotals(kAutomaticSubtotal), HostError);
}

TEST(PivotFieldAccess, GoneTableOrFieldFails) {
  auto p = std::make_unique<Placed>(WorkedExample());
  PivotFieldAccess quarter = p->At(3, 2);
  p->table->Change([](PivotDefinition& d) { d.column_fields.clear(); });
  EXPECT_THROW(quarter.Name(), HostError);
  PivotFieldAccess product = p->At(5, 1);
  p.reset();
  EXPECT_THROW(product.Name(), InvokeError);
}

}  // namespace
}  // namespace corvane::sim::excel::pivot
