// The tour's output: each command's effect on the screen that follows it
// (the selection, the toolbar's states, what a cell shows, the boxes), not
// the whole text.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "tests/workbench/WorkbenchFixture.h"

namespace corvane::workbench::testing {
namespace {

struct StepCase {
  const char* command;  // as echoed, without "> "
  int occurrence;       // 1 for the first time the command runs
  std::vector<std::string> shown;
  std::vector<std::string> absent;
};

class TourTest : public WorkbenchTest {
 protected:
  static void SetUpTestSuite() {
    TemporaryFolder data;
    const auto result = RunWorkbench({"--data", (data.path() / "data").string(), "--tour"});
    status_ = result.status;
    errors_ = result.errors;
    output_ = result.out;
  }

  // From the command's echo to the next narration: the command, the
  // commands after it and the screen they show.
  static std::string Step(const std::string& command, int occurrence) {
    size_t at = 0;
    for (int seen = 0; seen < occurrence; ++seen) {
      at = output_.find("\n> " + command + "\n", seen == 0 ? 0 : at + 1);
      if (at == std::string::npos) return {};
    }
    const size_t end = output_.find("\n> say ", at + 1);
    return output_.substr(at, end == std::string::npos ? std::string::npos : end - at);
  }

  static int status_;
  static std::string errors_;
  static std::string output_;
};

int TourTest::status_ = -1;
std::string TourTest::errors_;
std::string TourTest::output_;

TEST_F(TourTest, RunsWithoutAFailedLineAndClicksEveryButton) {
  EXPECT_EQ(status_, 0) << errors_;
  EXPECT_EQ(errors_, "");
  EXPECT_EQ(output_.rfind("  Registered Corvane", 0), 0u) << "a fresh data folder gets the add-in registered first";
  std::set<int> clicked;
  std::istringstream lines(output_);
  for (std::string line; std::getline(lines, line);) {
    int position = 0;
    if (std::sscanf(line.c_str(), "  clicked %d ", &position) == 1) clicked.insert(position);
  }
  EXPECT_EQ(clicked.size(), 23u);
  EXPECT_EQ(*clicked.begin(), 1);
  EXPECT_EQ(*clicked.rbegin(), 23);
  // Excel's own quit ends the tour.
  EXPECT_NE(output_.find("Office: AddIn.OnBeginShutdown CVFM.eaCVFM\n  Office: AddIn.OnDisconnection CVFM.eaCVFM"),
            std::string::npos);
}

TEST_F(TourTest, EachCommandShowsItsEffect) {
  const StepCase cases[] = {
      {"show",
       1,
       {"Dialog \"About Corvane\" answered OK", "[1 Table]", "(13 Number format)", "[#17 GT columns] [#18 GT rows]",
        "Field under the active cell: Region (row field of SalesByQuarter)",
        "Workbook Sales.xls  sheets: [Sales] Regions Notes Chart1 (chart)  other workbooks: Targets.xls",
        "    5 r>East     r Apples   r Sum of U d      191"},
       {}},
      {"click Table", 1, {"Selection $A$3:$H$30 (1 area)", "    3 o>"}, {}},
      {"click Pages",
       1,
       {"Selection $A$1:$B$1 (1 area)", "Year (page field of SalesByQuarter)", "    1 p>Year     p*(All)"},
       {}},
      {"click Header", 1, {"Selection $A$3:$H$4 (1 area)"}, {}},
      {"click Origin", 1, {"Selection $A$3:$C$3 (1 area)"}, {}},
      {"click Blanks", 1, {"Selection $A$6,$B$6,$A$7,$A$8,$B$8,$B$9,$C$9"}, {}},
      {"click Columns", 1, {"Selection $D$3:$H$4 (1 area)", "Quarter (column field of SalesByQuarter)"}, {}},
      {"ctrl-click Columns", 1, {"Selection $A$4:$C$30,$D$3:$H$4 (2 areas)"}, {}},
      {"click Data", 1, {"Selection $D$5:$H$30 (1 area)", "[13 Number format] [14 Decimal+]"}, {"(13 Number format)"}},
      {"click \"Column GT\"", 1, {"Selection $H$4:$H$30 (1 area)"}, {}},
      {"click \"Row GT\"", 1, {"Selection $A$29:$H$29,$A$30:$H$30 (2 areas)"}, {}},
      {"click Subtotals", 1, {"Active cell $A$9 shows \"East Sum Sum of Units\"", "(12 areas)"}, {}},
      {"click \"Next subtotal\"",
       1,
       {"Selection $A$9:$H$9,$A$10:$H$10,$A$17:$H$17,$A$18:$H$18,$A$25:$H$25,$A$26:$H$26"},
       {}},
      {"click \"Number format\"", 1, {"Active cell $D$5 shows \"191.00\" (format \"0.00\"", "Dialog 42 OK"}, {}},
      {"click Decimal+", 1, {"shows \"191.000\" (format \"0.000\""}, {}},
      {"click Decimal-", 1, {"shows \"191.00\" (format \"0.00\""}, {}},
      {"click Currency", 1, {"shows \" $ 191.00 \"", "style Currency)"}, {}},
      {"click \"GT columns\"", 1, {"[17 GT columns] [#18 GT rows]"}, {"c Q4       g Grand To"}},
      {"click \"GT rows\"", 1, {"[17 GT columns] [18 GT rows]"}, {"Total Sum of Units"}},
      {"click \"Fit columns\"",
       1,
       {"Column widths (characters): A 26.00", "Fitted by AutoFit: columns A B C D E F G\n"},
       {}},
      {"click \"Fit rows\"", 1, {"Fitted by AutoFit: columns A B C D E F G; rows 1-28"}, {}},
      {"click Update", 1, {"AppEvents.SheetPivotTableUpdate"}, {}},
      {"click \"Clear format\"", 1, {"Message box \"Confirm\" [Yes, No] answered No", "style Currency)"}, {}},
      {"click \"Clear format\"",
       2,
       {"Message box \"Confirm\" [Yes, No] answered Yes", "style Normal)"},
       {"style Currency)"}},
      {"click About", 1, {"Dialog \"About Corvane\" answered OK", "Version:"}, {}},
      {"locale de-DE", 1, {"shows \" $ 191,00 \"", "numbers 1.234,5", "Sum of Revenue d  238,75"}, {}},
  };
  for (const auto& c : cases) {
    const std::string step = Step(c.command, c.occurrence);
    ASSERT_FALSE(step.empty()) << "no step \"" << c.command << "\" #" << c.occurrence;
    for (const auto& text : c.shown)
      EXPECT_NE(step.find(text), std::string::npos) << c.command << ": " << text << "\n" << step;
    for (const auto& text : c.absent) EXPECT_EQ(step.find(text), std::string::npos) << c.command << ": " << text;
  }
}

}  // namespace
}  // namespace corvane::workbench::testing
