// The program around the session: its options, a workbook file that cannot
// be opened (nothing starts, the data folder is not touched), scripts from
// standard input.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/workbench/FakeTerminal.h"
#include "tests/workbench/WorkbenchFixture.h"

namespace corvane::workbench::testing {
namespace {

class ProgramTest : public WorkbenchTest {
 protected:
  std::string Data() const { return (folder.path() / "data").string(); }
  std::string WriteFile(const std::string& name, const std::string& text) {
    std::filesystem::create_directories(folder.path());
    const auto path = folder.path() / name;
    std::ofstream(path) << text;
    return path.string();
  }
};

struct RefusedCase {
  std::vector<std::string> arguments;
  const char* error;
};

TEST_F(ProgramTest, RefusedStartsLeaveTheDataFolderUntouched) {
  const std::string bad = WriteFile("bad.workbook", "workbook B.xls\nsheet S\nrecords\nA,B\n1,2,3\nend\n");
  const RefusedCase cases[] = {
      {{"--data", Data(), "--workbook", bad, "--tour"}, ":5: a record has 3 values, the header names 2 fields"},
      {{"--data", Data(), "--workbook", (folder.path() / "missing.workbook").string()},
       "missing.workbook: cannot be read"},
      {{"--data", Data(), "--script", (folder.path() / "missing.script").string()}, "missing.script: cannot be read"},
      {{"--data", Data(), "--colour"}, "unknown argument \"--colour\""},
      {{"--data"}, "--data needs a value"},
      {{"--data", Data(), "--tour", "--script", bad}, "--tour and --script exclude each other"},
  };
  for (const auto& c : cases) {
    const auto result = RunWorkbench(c.arguments);
    EXPECT_EQ(result.status, 2) << c.error;
    EXPECT_NE(result.errors.find(c.error), std::string::npos) << result.errors;
    EXPECT_FALSE(std::filesystem::exists(Data())) << c.error;
  }
  EXPECT_NE(RunWorkbench({"--data", Data(), "--workbook", bad}).errors.find(bad + ":5:"), std::string::npos);
}

TEST_F(ProgramTest, RunsAScriptFromStandardInputAndFailsOnAFailedExpectation) {
  const auto passing = RunWorkbench({"--data", Data()}, "expect active A5\nexpect cell A5 East\n");
  EXPECT_EQ(passing.status, 0) << passing.errors;
  const auto failing = RunWorkbench({"--data", Data()}, "cell B7\n\nexpect active A5\n");
  EXPECT_EQ(failing.status, 1);
  EXPECT_EQ(failing.errors, "<stdin>:3: active cell: expected \"$A$5\", shown \"$B$7\"\n");
  EXPECT_NE(failing.out.find("AddIn.OnDisconnection"), std::string::npos) << "Excel quits at the end";
}

TEST_F(ProgramTest, OpensTheWorkbooksOfAFile) {
  const auto result =
      RunWorkbench({"--data", Data(), "--workbook", CORVANE_SOURCE_DIR "/workbench/examples/orchard.workbook"},
                   "show\nexpect cell A5 Apples\nexpect field Fruit\n");
  EXPECT_EQ(result.status, 0) << result.errors << result.out;
  EXPECT_NE(result.out.find("Workbook Orchard.xls  sheets: [Harvest] Summary Trend (chart)"), std::string::npos)
      << result.out;
}

TEST_F(ProgramTest, WithATerminalAndNothingAskedItRunsTheInteractiveModeUntilQ) {
  std::istringstream in;
  std::ostringstream out, errors;
  FakeTerminal* opened = nullptr;
  const auto open = [&]() -> std::unique_ptr<TerminalBackend> {
    auto terminal = std::make_unique<FakeTerminal>();
    terminal->Then(InputEvent::Of(Key::Enter));  // the About box of the first start
    terminal->Keys("q");
    opened = terminal.get();
    return terminal;
  };
  const int status = RunProgram({"--data", Data()}, {in, out, errors, true, open});
  EXPECT_EQ(status, 0) << errors.str();
  ASSERT_NE(opened, nullptr);
  EXPECT_EQ(out.str().rfind("Excel quit.\n", 0), 0u) << out.str();
  EXPECT_NE(out.str().find("AddIn.OnDisconnection"), std::string::npos) << "Excel's own quit";
}

TEST_F(ProgramTest, ScriptsAndTheTourGoOnWithATerminalAndABuildWithoutOneShowsTheTour) {
  int opened = 0;
  const auto open = [&]() -> std::unique_ptr<TerminalBackend> {
    ++opened;
    return nullptr;
  };
  const std::string note = "This build has no interactive mode; here is the tour instead.\n";
  const struct {
    std::vector<std::string> arguments;
    bool noted;
    const char* shown;
    int opens;
  } cases[] = {
      {{"--data", Data()}, true, "> click About", 1},
      {{"--data", Data(), "--tour"}, false, "> click About", 0},
      {{"--data", Data(), "--script", WriteFile("one.script", "say hello\n")}, false, "> say hello", 0},
  };
  for (const auto& c : cases) {
    std::istringstream in;
    std::ostringstream out, errors;
    opened = 0;
    EXPECT_EQ(RunProgram(c.arguments, {in, out, errors, true, open}), 0) << errors.str();
    EXPECT_EQ(out.str().rfind(note, 0) == 0, c.noted) << c.shown;
    EXPECT_NE(out.str().find(c.shown), std::string::npos) << c.shown;
    EXPECT_EQ(opened, c.opens) << c.shown;
  }
}

TEST_F(ProgramTest, HelpShowsTheUsageAndStartsNothing) {
  const auto result = RunWorkbench({"--help"});
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.out.rfind("usage: corvane-workbench", 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(Data()));
}

}  // namespace
}  // namespace corvane::workbench::testing
