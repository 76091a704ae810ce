// The layout engine on the worked example and its variations, cell by cell
// and area by area.
#include "sim/excel/pivot/PivotLayout.h"

#include <gtest/gtest.h>

#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::sim::excel::pivot {
namespace {

using testing::Addr;
using testing::Rows;
using testing::SalesRecords;
using testing::WorkedExample;
using Lines = std::vector<std::string>;

PivotLayout Lay(const PivotDefinition& d) { return PivotLayout::Compute(SalesRecords(), d); }

PivotDefinition RegionOuter() {
  PivotDefinition d = WorkedExample();
  d.page_fields.clear();
  d.destination = {3, 1};
  d.row_fields = {u"Region", u"Product"};
  return d;
}

TEST(PivotLayout, WorkedExampleCellByCell) {
  PivotLayout l = Lay(WorkedExample());
  EXPECT_EQ(Rows(l, "A1:E8"), (Lines{"Region|(All)|||", "||||", "Sum of Sales|Quarter|||", "Product|Q1|Q2|Grand Total|",
                                     "Apples|170|120|290|", "Pears|70|95|165|", "Grand Total|240|215|455|", "||||"}));
}

TEST(PivotLayout, WorkedExampleAreas) {
  PivotLayout l = Lay(WorkedExample());
  const std::pair<std::string, std::string> areas[] = {
      {Addr(l.table_range1()), "$A$3:$D$7"},
      {Addr(l.table_range2()), "$A$1:$D$7"},
      {Addr(l.page_range()), "$A$1:$B$1"},
      {Addr(l.data_label_range()), "$A$3"},
      {Addr(l.column_range()), "$B$3:$D$4"},
      {Addr(l.row_range()), "$A$4:$A$7"},
      {Addr(l.data_body_range()), "$B$5:$D$7"},
      {Addr(l.origin()), "$A$3"},
      {Addr(l.ColumnGrandTotal(SelectPart::DataAndLabel)), "$D$4:$D$7"},
      {Addr(l.RowGrandTotal(SelectPart::DataAndLabel)), "$A$7:$D$7"},
      {Addr(l.ColumnGrandTotal(SelectPart::Data)), "$D$5:$D$7"},
      {Addr(l.RowGrandTotal(SelectPart::Label)), "$A$7"},
      {Addr(l.Blanks()), "(none)"},
  };
  for (const auto& [got, want] : areas) EXPECT_EQ(got, want);
}

TEST(PivotLayout, AreasAbsentWithoutTheirFields) {
  PivotDefinition d = WorkedExample();
  d.page_fields.clear();
  d.column_fields.clear();
  PivotLayout l = Lay(d);
  EXPECT_EQ(Rows(l, "A1:B5"), (Lines{"Sum of Sales|", "Product|Total", "Apples|290", "Pears|165", "Grand Total|455"}));
  EXPECT_EQ(Addr(l.page_range()), "(none)");
  EXPECT_EQ(Addr(l.column_range()), "(none)");
  EXPECT_EQ(Addr(l.table_range2()), "$A$1:$B$5");
  EXPECT_EQ(Addr(l.ColumnGrandTotal(SelectPart::DataAndLabel)), "(none)");

  d.column_fields = {u"Quarter"};
  d.row_fields.clear();
  l = Lay(d);
  EXPECT_EQ(Rows(l, "A1:D3"), (Lines{"Sum of Sales|Quarter||", "|Q1|Q2|Grand Total", "Total|240|215|455"}));
  EXPECT_EQ(Addr(l.row_range()), "(none)");
  EXPECT_EQ(Addr(l.RowGrandTotal(SelectPart::DataAndLabel)), "(none)");
}

TEST(PivotLayout, OuterRowFieldGetsAutomaticSubtotals) {
  PivotLayout l = Lay(RegionOuter());
  EXPECT_EQ(Rows(l, "A3:E11"),
            (Lines{"Sum of Sales||Quarter||", "Region|Product|Q1|Q2|Grand Total", "East|Apples|100|120|220",
                   "|Pears|40||40", "East Total||140|120|260", "West|Apples|70||70", "|Pears|30|95|125",
                   "West Total||100|95|195", "Grand Total||240|215|455"}));
  EXPECT_EQ(Addr(l.Blanks()), "$A$6,$B$7,$A$9,$B$10,$B$11");
  EXPECT_EQ(Addr(l.Subtotals({FieldRole::Row, 0}, {0}, SelectPart::DataAndLabel)), "$A$7:$E$7,$A$10:$E$10");
  EXPECT_EQ(Addr(l.Subtotals({FieldRole::Row, 1}, {0}, SelectPart::DataAndLabel)), "(none)");
  EXPECT_EQ(Addr(l.origin()), "$A$3:$B$3");
}

TEST(PivotLayout, SumAndCountSubtotals) {
  PivotDefinition d = RegionOuter();
  SubtotalSwitches on{};
  on[1] = on[2] = true;  // Sum, Count
  d.subtotals[u"Region"] = on;
  PivotLayout l = Lay(d);
  EXPECT_EQ(Rows(l, "A5:E13"), (Lines{"East|Apples|100|120|220", "|Pears|40||40", "East Sum||140|120|260",
                                      "East Count||2|1|3", "West|Apples|70||70", "|Pears|30|95|125",
                                      "West Sum||100|95|195", "West Count||2|1|3", "Grand Total||240|215|455"}));
  EXPECT_EQ(Addr(l.Subtotals({FieldRole::Row, 0}, {1}, SelectPart::DataAndLabel)), "$A$7:$E$7,$A$11:$E$11");
  EXPECT_EQ(Addr(l.Subtotals({FieldRole::Row, 0}, {2}, SelectPart::DataAndLabel)), "$A$8:$E$8,$A$12:$E$12");
  EXPECT_EQ(Addr(l.Subtotals({FieldRole::Row, 0}, {0}, SelectPart::DataAndLabel)), "(none)");
}

TEST(PivotLayout, TwoColumnFields) {
  PivotDefinition d = WorkedExample();
  d.page_fields.clear();
  d.column_fields = {u"Region", u"Quarter"};
  PivotLayout l = Lay(d);
  EXPECT_EQ(Rows(l, "A1:H6"),
            (Lines{"Sum of Sales|Region|Quarter|||||", "|East||East Total|West||West Total|Grand Total",
                   "Product|Q1|Q2||Q1|Q2||", "Apples|100|120|220|70||70|290", "Pears|40||40|30|95|125|165",
                   "Grand Total|140|120|260|100|95|195|455"}));
  EXPECT_EQ(Addr(l.column_range()), "$B$1:$H$3");
  EXPECT_EQ(Addr(l.row_range()), "$A$3:$A$6");
  EXPECT_EQ(Addr(l.origin()), "$A$1:$A$2");
  EXPECT_EQ(Addr(l.Blanks()), "$C$2,$F$2,$D$3,$G$3,$H$3");
  EXPECT_EQ(Addr(l.Subtotals({FieldRole::Column, 0}, {0}, SelectPart::DataAndLabel)), "$D$2:$D$6,$G$2:$G$6");
  EXPECT_EQ(Addr(l.ColumnGrandTotal(SelectPart::DataAndLabel)), "$H$2:$H$6");
}

TEST(PivotLayout, SeveralDataFieldsOnRows) {
  PivotDefinition d = WorkedExample();
  d.page_fields.clear();
  d.data_fields = {{u"Sales", Function::Sum, {}, kGeneralFormat}, {u"Sales", Function::Count, {}, u"0"}};
  PivotLayout l = Lay(d);
  EXPECT_EQ(Rows(l, "A1:E8"), (Lines{"||Quarter||", "Product|Data|Q1|Q2|Grand Total", "Apples|Sum of Sales|170|120|290",
                                     "|Count of Sales|2|1|3", "Pears|Sum of Sales|70|95|165", "|Count of Sales|2|1|3",
                                     "Total Sum of Sales||240|215|455", "Total Count of Sales||4|2|6"}));
  EXPECT_EQ(Addr(l.data_label_range()), "$B$2");
  EXPECT_EQ(Addr(l.DataRange({FieldRole::Data, 1})), "$C$4:$E$4,$C$6:$E$6,$C$8:$E$8");
  EXPECT_EQ(Addr(l.RowGrandTotal(SelectPart::DataAndLabel)), "$A$7:$E$7,$A$8:$E$8");
  EXPECT_EQ(l.FieldName(*l.FieldAt({4, 2})), u"Data");
  for (const LayoutCell& cell : l.cells()) {
    if (cell.ref == CellRef{4, 3}) {
      EXPECT_EQ(cell.number_format, std::u16string(u"0"));
    }
    if (cell.ref == CellRef{3, 3}) {
      EXPECT_EQ(cell.number_format, std::u16string(u"General"));
    }
  }
}

TEST(PivotLayout, SeveralDataFieldsOnColumnsWithOuterSubtotals) {
  PivotDefinition d = RegionOuter();
  d.column_fields.clear();
  d.data_on_rows = false;
  d.data_fields = {{u"Sales", Function::Sum, {}, kGeneralFormat}, {u"Sales", Function::Max, {}, kGeneralFormat}};
  PivotLayout l = Lay(d);
  EXPECT_EQ(Rows(l, "A3:D10"),
            (Lines{"||Data|", "Region|Product|Sum of Sales|Max of Sales", "East|Apples|220|120", "|Pears|40|40",
                   "East Total||260|120", "West|Apples|70|70", "|Pears|125|95", "West Total||195|95"}));
  EXPECT_EQ(Rows(l, "A11:D11"), (Lines{"Grand Total||455|120"}));
  EXPECT_EQ(Addr(l.data_label_range()), "$C$3");
}

TEST(PivotLayout, HiddenGrandTotals) {
  PivotDefinition d = WorkedExample();
  d.row_grand = false;
  PivotLayout l = Lay(d);
  EXPECT_EQ(Rows(l, "A4:D7"), (Lines{"Product|Q1|Q2|Grand Total", "Apples|170|120|290", "Pears|70|95|165", "|||"}));
  EXPECT_EQ(Addr(l.RowGrandTotal(SelectPart::DataAndLabel)), "(none)");
  EXPECT_EQ(Addr(l.ColumnGrandTotal(SelectPart::DataAndLabel)), "$D$4:$D$6");
  d.column_grand = false;
  l = Lay(d);
  EXPECT_EQ(Addr(l.table_range1()), "$A$3:$C$6");
  EXPECT_EQ(Addr(l.ColumnGrandTotal(SelectPart::DataAndLabel)), "(none)");
}

TEST(PivotLayout, CurrentPageFiltersTheRecords) {
  PivotDefinition d = WorkedExample();
  d.current_pages[u"Region"] = std::u16string(u"West");
  PivotLayout l = Lay(d);
  EXPECT_EQ(Rows(l, "A1:D7"), (Lines{"Region|West||", "|||", "Sum of Sales|Quarter||", "Product|Q1|Q2|Grand Total",
                                     "Apples|70||70", "Pears|30|95|125", "Grand Total|100|95|195"}));
}

TEST(PivotLayout, SecondTableBesideTheFirst) {
  PivotDefinition d = WorkedExample();
  d.destination = {1, 7};
  PivotLayout l = Lay(d);
  EXPECT_EQ(Addr(l.table_range2()), "$G$1:$J$7");
  EXPECT_EQ(Addr(l.data_body_range()), "$H$5:$J$7");
  EXPECT_EQ(Rows(l, "G5:J5"), (Lines{"Apples|170|120|290"}));
}

TEST(PivotLayout, FieldUnderEachKindOfCell) {
  PivotLayout l = Lay(WorkedExample());
  const std::pair<CellRef, std::optional<FieldRef>> cases[] = {
      {{1, 1}, FieldRef{FieldRole::Page, 0}},
      {{1, 2}, FieldRef{FieldRole::Page, 0}},
      {{2, 1}, std::nullopt},
      {{3, 1}, FieldRef{FieldRole::Data, 0}},
      {{3, 2}, FieldRef{FieldRole::Column, 0}},
      {{3, 3}, std::nullopt},
      {{4, 1}, FieldRef{FieldRole::Row, 0}},
      {{4, 3}, FieldRef{FieldRole::Column, 0}},
      {{4, 4}, std::nullopt},
      {{5, 1}, FieldRef{FieldRole::Row, 0}},
      {{6, 3}, FieldRef{FieldRole::Data, 0}},
      {{7, 1}, std::nullopt},
      {{7, 4}, FieldRef{FieldRole::Data, 0}},
      {{8, 1}, std::nullopt},
  };
  for (const auto& [cell, want] : cases) EXPECT_EQ(l.FieldAt(cell), want) << cell.row << "," << cell.column;

  PivotLayout outer = Lay(RegionOuter());
  EXPECT_EQ(outer.FieldAt({6, 1}), (FieldRef{FieldRole::Row, 0}));  // blank under East
  EXPECT_EQ(outer.FieldAt({7, 2}), (FieldRef{FieldRole::Row, 0}));  // beside "East Total"
  EXPECT_EQ(outer.FieldAt({6, 2}), (FieldRef{FieldRole::Row, 1}));
}

TEST(PivotLayout, DataRangeAndNames) {
  PivotLayout l = Lay(WorkedExample());
  EXPECT_EQ(Addr(l.DataRange({FieldRole::Row, 0})), "$A$5:$A$6");
  EXPECT_EQ(Addr(l.DataRange({FieldRole::Column, 0})), "$B$4:$C$4");
  EXPECT_EQ(Addr(l.DataRange({FieldRole::Page, 0})), "$B$1");
  EXPECT_EQ(Addr(l.DataRange({FieldRole::Data, 0})), "$B$5:$D$7");
  EXPECT_EQ(l.FieldNamed(u"sum of sales"), (FieldRef{FieldRole::Data, 0}));
  EXPECT_EQ(l.FieldNamed(u"QUARTER"), (FieldRef{FieldRole::Column, 0}));
  EXPECT_EQ(l.FieldNamed(u"Sales"), std::nullopt);
  EXPECT_EQ(l.FieldName({FieldRole::Page, 0}), u"Region");
}

TEST(PivotLayout, BadDefinitionsAreRefusedWithAReason) {
  PivotDefinition unknown = WorkedExample();
  unknown.row_fields = {u"Colour"};
  PivotDefinition no_data = WorkedExample();
  no_data.data_fields.clear();
  PivotDefinition off_sheet = WorkedExample();
  off_sheet.destination = {kMaxRows - 2, 1};
  for (const PivotDefinition& d : {unknown, no_data, off_sheet}) EXPECT_THROW(Lay(d), std::invalid_argument);
}

}  // namespace
}  // namespace corvane::sim::excel::pivot
