// The script interpreter: what it refuses (naming the line, failing the
// run, going on with the next line) and the expectations it checks.
#include <gtest/gtest.h>

#include "tests/workbench/WorkbenchFixture.h"

namespace corvane::workbench::testing {
namespace {

struct ErrorCase {
  const char* script;
  const char* error;
};

class ScriptRunnerTest : public WorkbenchTest {
 protected:
  void SetUp() override { StartSession(); }
  // Back to sheet Sales of Sales.xls with A5 selected, as the session starts.
  void BackToStart() {
    auto& app = session->app();
    const auto sales = app.workbooks().front()->FindSheet(u"Sales");
    app.ActivateSheet(sales);
    app.Select(sales, sim::excel::Areas(sim::excel::CellRect::Cell(5, 1)));
  }
};

TEST_F(ScriptRunnerTest, BadLinesAreNamedByTheirNumberAndFailTheRun) {
  const ErrorCase cases[] = {
      {"show\nfrobnicate now\n", "test:2: unknown command \"frobnicate\""},
      {"# a comment\n\ncell Z0\n", "test:3: \"Z0\" is no cell address"},
      {"cell A1:B2\n", "test:1: \"A1:B2\" is not one cell"},
      {"cell\n", "test:1: expected: cell CELL"},
      {"select A1 active C3\n", "test:1: the active cell lies outside the selection"},
      {"select A1 C3\n", "test:1: expected: select ADDRESS [active CELL]"},
      {"click \"No such button\"\n", "test:1: no button \"No such button\" on the toolbar"},
      {"click 24\n", "test:1: no button \"24\" on the toolbar"},
      {"cell Q40\nclick Data\n", "test:2: the button \"Data\" is disabled"},
      {"answer Maybe\n", "test:1: no button \"Maybe\""},
      {"sheet Nowhere\n", "test:1: no sheet \"Nowhere\" in Sales.xls"},
      {"sheet Chart1\ncell A1\n", "test:2: a chart sheet has no cells to select"},
      {"workbook Missing.xls\n", "test:1: no workbook \"Missing.xls\" is open"},
      {"locale xx-YY\n", "test:1: unknown locale \"xx-YY\""},
      {"expect cell A5 \"East\n", "test:1: a quote is not closed"},
      {"show\n\r\rclick 8\n", "test:2: a carriage return inside the line"},
      {"expect nonsense\n", "test:1: unknown expectation \"nonsense\""},
      {"expect selection B2\n", "test:1: selection: expected \"$B$2\", shown \"$A$5\""},
      {"expect active B2\n", "test:1: active cell: expected \"$B$2\", shown \"$A$5\""},
      {"expect cell A5 \"West\"\n", "test:1: cell A5: expected \"West\", shown \"East\""},
      {"expect field Product\n", "test:1: field under the active cell: expected \"Product\", shown \"Region\""},
      {"expect button 1 disabled\n", "test:1: button \"1\": expected \"disabled\", shown \"enabled\""},
      {"expect message \"never shown\"\n", "test:1: no box since the last message check shows \"never shown\""},
      {"expect toolbar absent\n", "test:1: toolbar: expected \"absent\", shown \"present\""},
      {"drag 1 99\n", "test:1: \"99\" is no position on the bar"},
  };
  for (const auto& c : cases) {
    BackToStart();
    const auto result = RunScript(c.script);
    EXPECT_EQ(result.status, 1) << c.script;
    EXPECT_NE(result.errors.find(c.error), std::string::npos) << c.script << "\ngot: " << result.errors;
  }
}

TEST_F(ScriptRunnerTest, GoesOnAfterAFailedLineAndCountsEveryFailure) {
  const auto result = RunScript("expect active B2\ncell B2\nexpect active B2\nbogus\nexpect active C3\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.errors,
            "test:1: active cell: expected \"$B$2\", shown \"$A$5\"\n"
            "test:4: unknown command \"bogus\"\n"
            "test:5: active cell: expected \"$C$3\", shown \"$B$2\"\n");
}

TEST_F(ScriptRunnerTest, ExpectationsThatHoldPass) {
  const auto result = RunScript(
      "expect selection $A$5\n"
      "expect active a5\n"
      "expect field Region\n"
      "expect toolbar present\n"
      "expect cell A5 East\n"
      "expect button About enabled\n"
      "expect button \"about corvane\" enabled\n"
      "expect button 8 enabled\n"
      "expect button 17 pressed\n"
      "select A1:B2,D4 active B2\n"
      "expect selection A1:B2,$D$4\n"
      "expect active B2\n"
      "cell Q40\n"
      "expect field none\n"
      "expect button Data disabled\n");
  EXPECT_EQ(result.status, 0) << result.errors;
  EXPECT_EQ(result.errors, "");
}

TEST_F(ScriptRunnerTest, AnswersGoToTheNextBoxAndMessagesAreChecked) {
  const auto result = RunScript(
      "answer No\nclick \"Clear format\"\nexpect message \"Do you really want to clear format\"\n"
      "click About\nexpect message \"About Corvane\"\nexpect message \"Corvane\"\n");
  EXPECT_EQ(result.status, 1);
  // The last check sees nothing new.
  EXPECT_EQ(result.errors, "test:6: no box since the last message check shows \"Corvane\" (0 shown)\n");
  const auto& shown = session->boxes().Shown();
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[shown.size() - 2].answer, u"No");
  EXPECT_EQ(shown.back().caption, u"About Corvane");
}

TEST_F(ScriptRunnerTest, UnloadAndLoadGoThroughTheComAddInsDialog) {
  const auto result =
      RunScript("unload\nexpect toolbar absent\nclick 1\nload\nexpect toolbar present\nexpect button About enabled\n");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.errors, "test:3: the toolbar \"Corvane AutoFormat XL\" is not there\n");
  EXPECT_NE(result.out.find("Office: AddIn.OnDisconnection"), std::string::npos) << result.out;
}

}  // namespace
}  // namespace corvane::workbench::testing
