#include "workbench/Tour.h"

namespace corvane::workbench {

std::string TourScript() {
  return R"(# The tour of Corvane's toolbar on the sample workbooks: each of the 23
# buttons once, the screen after each.
say "Sales.xls is open with the table SalesByQuarter on sheet Sales; the active cell A5 is on its Region field."
show

say "1 Table selects the whole table without its page fields."
click Table
show

say "2 Pages selects the page fields."
cell A5
click Pages
show

say "3 Header selects the origin and the column area together."
cell A5
click Header
show

say "4 Origin selects the block above the row field names."
cell A5
click Origin
show

say "5 Blanks selects the empty cells among the items."
cell A5
click Blanks
show

say "6 Columns selects the column area."
cell A5
click Columns
show

say "7 Rows selects the row area; with Ctrl held the next area is added to it."
cell A5
click Rows
ctrl-click Columns
show

say "8 Data selects the data body."
cell A5
click Data
show

say "9 Column GT selects the grand total column."
cell A5
click "Column GT"
show

say "10 Row GT selects the grand total rows."
cell A5
click "Row GT"
show

say "11 Subtotals selects the subtotal lines of the field under the active cell (Region: Sum and Count)."
cell A5
click Subtotals
show

say "12 Next subtotal selects the lines of one subtotal function of that field, the next one each click."
click "Next subtotal"
show

say "13 Number format asks Excel's number format dialog (answered 0.00) for the data field under the active cell."
cell D5
format "0.00"
click "Number format"
show

say "14 Decimal+ adds a decimal place to the field's format."
click Decimal+
show

say "15 Decimal- takes one away again."
click Decimal-
show

say "16 Currency gives the field the Currency style."
click Currency
show

say "17 GT columns switches the grand total column off."
click "GT columns"
show

say "18 GT rows switches the grand total rows off."
click "GT rows"
show

say "19 Fit columns fits the table's columns to their contents."
click "Fit columns"
show

say "20 Fit rows fits the table's rows."
click "Fit rows"
show

say "21 Update refreshes the table (Excel reports the update)."
click Update
show

say "22 Clear format asks first; No keeps the formats."
answer No
click "Clear format"
show

say "Yes clears them: the data field loses its Currency style."
answer Yes
click "Clear format"
show

say "23 About shows the About box."
click About
show

say "With German regional settings numbers show 1.234,50."
locale de-DE
show
)";
}

}  // namespace corvane::workbench
