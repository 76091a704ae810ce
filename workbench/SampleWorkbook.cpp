#include "workbench/SampleWorkbook.h"

#include <cstdio>
#include <sstream>

#include "workbench/WorkbookReader.h"

namespace corvane::workbench {
namespace {

constexpr const char* kRegions[] = {"East", "North", "West"};
constexpr const char* kProducts[] = {"Apples", "Pears"};
constexpr double kPrices[] = {1.25, 1.55};

// Units vary by year, region, product and quarter in a fixed pattern, so
// that every total differs and the sample reads the same on every run.
std::string SalesRecords() {
  std::string text = "Region,Product,Quarter,Year,Units,Revenue\n";
  for (int year = 2003; year <= 2004; ++year) {
    for (int region = 0; region < 3; ++region) {
      for (int product = 0; product < 2; ++product) {
        for (int quarter = 1; quarter <= 4; ++quarter) {
          const int units = 80 + 37 * region + 23 * product + 11 * quarter + 9 * (year - 2003) + (region * quarter) % 7;
          char line[128];
          std::snprintf(line, sizeof line, "%s,%s,Q%d,%d,%d,%.2f\n", kRegions[region], kProducts[product], quarter,
                        year, units, units * kPrices[product]);
          text += line;
        }
      }
    }
  }
  return text;
}

constexpr char kSalesTables[] = R"(sheet Sales
sheet Regions
sheet Notes
chart Chart1

# Page Year, rows Region and Product, columns Quarter, two data fields (the
# "Data" field innermost on the rows) and Region's Sum and Count subtotals.
table SalesByQuarter on Sales at A1
page Year
row Region Product
column Quarter
data Units sum format "#,##0"
data Revenue sum format "#,##0.00"
subtotals Region sum count

# A smaller table beside it.
table UnitsByProduct on Sales at K3
row Product
column Year
data Units count

# One on another sheet, without its grand total row.
table RevenueByRegion on Regions at B2
row Region
column Year
data Revenue average format "0.0"
grand rows off

select Sales A5
)";

constexpr char kTargets[] = R"(
workbook Targets.xls
sheet Targets
records
Region,Share
East,0.31
North,0.33
West,0.36
end
table ShareByRegion on Targets at A3
row Region
data Share sum format "0.0%"
select Targets A5
)";

}  // namespace

std::string SampleWorkbookText() {
  return "# The embedded sample.\nworkbook Sales.xls\nrecords\n" + SalesRecords() + "end\n" + kSalesTables + kTargets;
}

std::vector<WorkbookPlan> SampleWorkbooks() {
  std::istringstream in(SampleWorkbookText());
  return WorkbookReader("<sample>").Read(in);
}

}  // namespace corvane::workbench
