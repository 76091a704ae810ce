// A table placed on a sheet: the cells it writes, how a change lays it out
// again, and what each PivotSelect text names.
#include "sim/excel/pivot/PivotTableModel.h"

#include <gtest/gtest.h>

#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::sim::excel::pivot {
namespace {

using testing::Addr;
using testing::SalesRecords;
using testing::WorkedExample;

std::shared_ptr<SheetModel> Report() {
  return std::make_shared<SheetModel>(u"Report", SheetKind::Worksheet, std::weak_ptr<WorkbookModel>());
}

std::string SheetText(const SheetModel& sheet, CellRef at) {
  const CellValue& v = sheet.cell(at).value;
  return std::holds_alternative<std::monostate>(v) ? "" : com::Utf16ToUtf8(ItemText(v));
}

TEST(PivotTableModel, WritesItsCellsAndFormatsIntoTheSheet) {
  auto sheet = Report();
  PivotDefinition d = WorkedExample();
  d.data_fields[0].number_format = u"#,##0";
  auto table = PivotTableModel::Place(sheet, SalesRecords(), d);
  EXPECT_EQ(SheetText(*sheet, {1, 2}), "(All)");
  EXPECT_EQ(SheetText(*sheet, {7, 4}), "455");
  EXPECT_EQ(sheet->cell({5, 2}).number_format, u"#,##0");
  EXPECT_EQ(sheet->cell({5, 1}).number_format, u"General");
  EXPECT_EQ(sheet->PivotAt({2, 3}), table);  // inside TableRange2, on the blank row
  EXPECT_EQ(sheet->PivotAt({8, 1}), nullptr);
}

TEST(PivotTableModel, ChangesLayOutAgainAndClearTheOldCells) {
  auto sheet = Report();
  auto table = PivotTableModel::Place(sheet, SalesRecords(), WorkedExample());
  table->Change([](PivotDefinition& d) { d.column_grand = false; });
  EXPECT_EQ(SheetText(*sheet, {4, 4}), "");  // the grand total column is gone
  EXPECT_EQ(Addr(table->footprint()), "$A$1:$C$7");
  table->Change([](PivotDefinition& d) { d.data_fields[0].number_format = u"0.0"; });
  EXPECT_EQ(sheet->cell({7, 3}).number_format, u"0.0");
  EXPECT_EQ(table->layouts(), 3);

  // A change that cannot be laid out leaves the table as it was.
  EXPECT_THROW(table->Change([](PivotDefinition& d) { d.row_fields = {u"Colour"}; }), std::invalid_argument);
  EXPECT_EQ(SheetText(*sheet, {5, 1}), "Apples");
  EXPECT_EQ(table->layouts(), 3);

  PivotSource more = SalesRecords();
  more.records.push_back({std::u16string(u"East"), std::u16string(u"Plums"), std::u16string(u"Q2"), 5.0});
  table->ReplaceSource(more);
  EXPECT_EQ(SheetText(*sheet, {7, 1}), "Plums");
  EXPECT_EQ(SheetText(*sheet, {8, 3}), "220");
}

TEST(PivotTableModel, ALayoutKeepsTheCellsFormatting) {
  auto sheet = Report();
  auto table = PivotTableModel::Place(sheet, SalesRecords(), WorkedExample());
  sheet->SetNumberFormat(Areas(CellRect{1, 1, 1, 2}), u"@");  // the page field row
  sheet->SetNumberFormat(Areas(CellRect::Cell(4, 4)), u"0.00");
  table->Change([](PivotDefinition& d) { d.column_grand = false; });
  EXPECT_EQ(sheet->cell({1, 2}).number_format, u"@");
  EXPECT_EQ(SheetText(*sheet, {1, 2}), "(All)");
  // Outside the new footprint the value goes, the format stays, as in Excel.
  EXPECT_EQ(SheetText(*sheet, {4, 4}), "");
  EXPECT_EQ(sheet->cell({4, 4}).number_format, u"0.00");
}

TEST(PivotTableModel, TwoTablesOnOneSheet) {
  auto sheet = Report();
  auto first = PivotTableModel::Place(sheet, SalesRecords(), WorkedExample());
  PivotDefinition d = WorkedExample();
  d.name = u"PivotTable2";
  d.destination = {1, 7};
  d.page_fields.clear();
  auto second = PivotTableModel::Place(sheet, SalesRecords(), d);
  EXPECT_EQ(sheet->PivotAt({3, 8}), second);
  EXPECT_EQ(sheet->PivotAt({3, 2}), first);
  EXPECT_EQ(Addr(second->Select(u"", 3)), "$G$1");
  EXPECT_EQ(Addr(second->Select(u"Column Grand Total", 0)), "$J$2:$J$5");
  EXPECT_THROW(PivotTableModel::Place(sheet, SalesRecords(), d), std::invalid_argument);  // name taken
}

struct SelectCase {
  const char16_t* text;
  int mode;
  const char* want;
};

void ExpectSelections(const PivotTableModel& table, std::initializer_list<SelectCase> cases) {
  for (const SelectCase& c : cases) {
    EXPECT_EQ(Addr(table.Select(c.text, c.mode)), c.want) << com::Utf16ToUtf8(c.text) << " mode " << c.mode;
  }
}

TEST(PivotTableModel, SelectionsOnTheWorkedExample) {
  auto table = PivotTableModel::Place(Report(), SalesRecords(), WorkedExample());
  ExpectSelections(*table, {
                               {u"", 3, "$A$3"},
                               {u"", 4, "(none)"},
                               {u"", 0, "(none)"},
                               {u"Column Grand Total", 0, "$D$4:$D$7"},
                               {u"'Row Grand Total'", 0, "$A$7:$D$7"},
                               {u"row grand total", 2, "$B$7:$D$7"},
                               {u"Column Grand Total", 5, "(none)"},
                               {u"Product[All;Total]", 0, "(none)"},  // innermost: no subtotals
                               {u"Quarter[All;Total]", 0, "(none)"},
                               {u"Nothing", 0, "(none)"},
                           });
}

TEST(PivotTableModel, SubtotalSelectionsWithRegionOuter) {
  PivotDefinition d = WorkedExample();
  d.page_fields.clear();
  d.destination = {3, 1};
  d.row_fields = {u"Region", u"Product"};
  auto table = PivotTableModel::Place(Report(), SalesRecords(), d);
  const std::u16string all = u"Region[All;Sum;Average;Count;'Count Nums';Min;Max;Product;StDev;StDevP;Var;VarP;Total]";
  ExpectSelections(*table, {
                               {u"", 4, "$A$6,$B$7,$A$9,$B$10,$B$11"},
                               {u"Region[All;Total]", 0, "$A$7:$E$7,$A$10:$E$10"},
                               {u"region[all;total]", 1, "$A$7:$B$7,$A$10:$B$10"},
                               {u"Region[All;Sum]", 0, "(none)"},
                               {u"Region[All;Bogus]", 0, "(none)"},
                               {u"Region[Total]", 0, "(none)"},
                               {u"Region", 0, "(none)"},
                               {all.c_str(), 0, "$A$7:$E$7,$A$10:$E$10"},
                           });
  table->Change([](PivotDefinition& def) {
    SubtotalSwitches on{};
    on[1] = on[2] = true;
    def.subtotals[u"Region"] = on;
  });
  ExpectSelections(*table, {
                               {u"Region[All;Sum]", 0, "$A$7:$E$7,$A$11:$E$11"},
                               {u"Region[All;Count]", 0, "$A$8:$E$8,$A$12:$E$12"},
                               {u"Region[All;Total]", 0, "(none)"},
                               {all.c_str(), 0, "$A$7:$E$7,$A$8:$E$8,$A$11:$E$11,$A$12:$E$12"},
                           });
  table->Change([](PivotDefinition& def) { def.row_grand = def.column_grand = false; });
  ExpectSelections(*table, {{u"Row Grand Total", 0, "(none)"}, {u"Column Grand Total", 0, "(none)"}});
}

}  // namespace
}  // namespace corvane::sim::excel::pivot
