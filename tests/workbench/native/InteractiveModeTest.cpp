// Native only: the interactive mode is the native build's (curses), and on
// Windows the add-in's boxes are the system's, not the terminal's.
// The interactive mode on a terminal of the test's own, with Corvane
// loaded in the simulated Excel: keys and the mouse move and extend the
// selection and click buttons, boxes and Excel's number format dialog are
// answered at the terminal, the panes, the sheet tabs, the COM Add-ins
// dialog, restarting and quitting.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "tests/workbench/FakeTerminal.h"
#include "tests/workbench/WorkbenchFixture.h"
#include "workbench/interactive/InteractiveMode.h"
#include "workbench/interactive/SheetPane.h"

namespace corvane::workbench::testing {
namespace {

// Where the sheet shows a cell: its column letters in the header row, its
// row number at the left.
std::optional<ScreenPoint> CellPoint(const Canvas& canvas, const std::string& letters, int row) {
  int header = -1;
  int line = -1;
  for (int r = 0; r < canvas.rows(); ++r) {
    if (canvas.At(r, 0).style != Style::Header) continue;
    std::string label;
    for (int c = 0; c < SheetPane::kRowLabelWidth; ++c) label += canvas.At(r, c).glyph;
    label.erase(0, label.find_first_not_of(' '));
    label.erase(label.find_last_not_of(' ') + 1);
    if (label.empty() && header < 0) header = r;
    if (label == std::to_string(row)) line = r;
  }
  if (header < 0 || line < 0) return std::nullopt;
  for (int c = SheetPane::kRowLabelWidth; c + static_cast<int>(letters.size()) < canvas.columns(); ++c) {
    std::string text;
    for (size_t i = 0; i <= letters.size() + 1 && c + static_cast<int>(i) < canvas.columns(); ++i) {
      text += canvas.At(header, c + static_cast<int>(i)).glyph;
    }
    if (text == " " + letters + " ") return ScreenPoint{line, c + 1};
  }
  return std::nullopt;
}

class InteractiveModeTest : public WorkbenchTest {
 protected:
  void Run() {
    session = std::make_unique<Session>(SessionConfig{folder.path() / "data", DefaultLibrary(), SampleWorkbooks()});
    InteractiveMode mode(*session, terminal);
    session->Start();
    mode.Run();
  }
  // The screen as it stands when the terminal is asked for this action.
  void Snapshot() {
    terminal.Then([this](const Canvas& canvas) {
      screens.push_back(canvas.Text());
      return InputEvent::Of(Key::Resize);
    });
  }
  void OnCell(const std::string& letters, int row, MouseAction action, bool ctrl = false) {
    terminal.Then([letters, row, action, ctrl](const Canvas& canvas) {
      const auto point = CellPoint(canvas, letters, row);
      return point ? InputEvent::Mouse(action, point->row, point->column, ctrl) : InputEvent::Of(Key::None);
    });
  }
  void Press(Key key, bool shift = false) { terminal.Then(InputEvent::Of(key, shift)); }
  void ExpectScreens(const std::vector<std::vector<std::string>>& shown) {
    ASSERT_EQ(screens.size(), shown.size());
    for (size_t i = 0; i < shown.size(); ++i) {
      for (const auto& text : shown[i])
        EXPECT_NE(screens[i].find(text), std::string::npos) << text << "\n" << screens[i];
    }
  }

  FakeTerminal terminal;
  std::vector<std::string> screens;
};

TEST_F(InteractiveModeTest, KeysMoveAndExtendTheSelectionAndClickTheFocusedButton) {
  Press(Key::Enter);  // the About box of Corvane's first start
  Snapshot();
  Press(Key::Down);
  Snapshot();
  Press(Key::Right, true);
  Press(Key::Right, true);
  Press(Key::Down, true);
  Snapshot();
  Press(Key::Left, true);
  Snapshot();
  Press(Key::Up);
  terminal.Keys("c");
  Press(Key::Right);
  terminal.Keys("c");
  Snapshot();
  Press(Key::Left);
  Press(Key::Tab);
  Snapshot();
  for (int i = 0; i < 7; ++i) Press(Key::Right);
  Snapshot();
  Press(Key::Enter);
  Press(Key::Escape);
  Snapshot();
  terminal.Keys("q");
  Run();
  ExpectScreens({
      {"Active cell $A$5 shows \"East\"", "Field under the active cell: Region (row field of SalesByQuarter)",
       "[Table]", "(Number format)", "[#GT columns]", "| [Fit columns]", "Sales.xls: [Sales]  Regions"},
      {"Selection $A$6 (1 area)"},
      {"Selection $A$6:$C$7 (1 area)", "Active cell $A$6"},
      {"Selection $A$6:$B$7 (1 area)"},
      {"Selection $A$5,$B$5 (2 areas)", "Active cell $B$5"},
      {"Button 1 Table (enabled): Select all cells of the selected pivot table"},
      {"Button 8 Data (enabled): Select data fields area of the selected pivot table"},
      {"Selection $D$5:$H$30 (1 area)", "[Number format]", "clicked 8"},
  });
  EXPECT_FALSE(session->running()) << "q quits Excel";
  EXPECT_EQ(session->boxes().Shown().front().answer, u"OK");
}

TEST_F(InteractiveModeTest, TheMouseSelectsDragsAddsAreasAndClicksButtonsAndTabs) {
  Press(Key::Enter);
  OnCell("C", 7, MouseAction::Press);
  Snapshot();
  OnCell("D", 8, MouseAction::Drag);
  OnCell("D", 9, MouseAction::Drag);
  OnCell("D", 9, MouseAction::Release);
  Snapshot();
  OnCell("A", 12, MouseAction::Press, true);
  OnCell("A", 12, MouseAction::Release, true);
  Snapshot();
  OnCell("A", 5, MouseAction::Press);
  terminal.MouseOn("[Data]", MouseAction::Move);
  Snapshot();
  terminal.MouseOn("[Data]");
  Snapshot();
  terminal.MouseOn("[Columns]", MouseAction::Press, true);
  Snapshot();
  terminal.MouseOn(" Regions ");
  Snapshot();
  terminal.Keys("q");
  Run();
  ExpectScreens({
      {"Selection $C$7 (1 area)"},
      {"Selection $C$7:$D$9 (1 area)", "Active cell $C$7"},
      {"Selection $C$7:$D$9,$A$12 (2 areas)", "Active cell $A$12"},
      {"Button 8 Data (enabled): Select data fields area"},
      {"Selection $D$5:$H$30 (1 area)"},
      {"Selection $D$3:$H$30 (1 area)", "Active cell $D$3"},
      {"[Regions]", "Field under the active cell: "},
  });
}

TEST_F(InteractiveModeTest, BoxesAndTheNumberFormatDialogAreAnsweredAtTheTerminal) {
  Press(Key::Enter);
  OnCell("D", 5, MouseAction::Press);
  terminal.MouseOn("[Number format]");
  Snapshot();
  for (int i = 0; i < 7; ++i) Press(Key::Backspace);
  terminal.Keys("0.0");
  Press(Key::Enter);
  Snapshot();
  terminal.MouseOn("[Number format]");
  terminal.Keys("00");
  Press(Key::Escape);
  Snapshot();
  terminal.MouseOn("[Clear format]");
  Snapshot();
  terminal.Keys("n");
  terminal.MouseOn("[Clear format]");
  terminal.MouseOn("[ No ]", MouseAction::Move);
  terminal.MouseOn("< Yes >");
  Snapshot();
  terminal.Keys("q");
  Run();
  ExpectScreens({
      {" Format Cells", "#,##0", "< OK >", "[ Cancel ]"},
      {"Active cell $D$5 shows \"191.0\" (format \"0.0\""},
      {"Active cell $D$5 shows \"191.0\" (format \"0.0\""},
      {" Confirm", "< Yes >", "[ No ]"},
      {"clicked 22 \"Clear format of the selected pivot table\": ", " 1 boxes"},
  });
  std::vector<std::u16string> answers;
  for (const auto& box : session->boxes().Shown()) answers.push_back(box.caption + u": " + box.answer);
  EXPECT_EQ(answers, (std::vector<std::u16string>{u"About Corvane: OK", u"Confirm: No", u"Confirm: Yes"}));
}

TEST_F(InteractiveModeTest, PanesHelpTabsAddInsRestartResizeAndTheScreenDump) {
  Press(Key::Enter);
  terminal.Keys("l");
  terminal.MouseOn("[Table]");
  Snapshot();
  terminal.Keys("?");
  Snapshot();
  terminal.Keys("x]");
  Snapshot();
  terminal.Keys("a");
  Snapshot();
  Press(Key::Enter);
  Snapshot();
  terminal.Keys("a");
  Press(Key::Enter);
  terminal.Keys("R");
  Snapshot();
  terminal.Resize(24, 70);
  Snapshot();
  Press(Key::Dump);
  terminal.Keys("q");
  Run();
  ExpectScreens({
      {"Calls into Excel and host events, per action", "click 1: ", "calls into Excel", "Selection $A$3:$H$30"},
      {"Corvane workbench: help", "Shift+arrows"},
      {"[Regions]"},
      {" COM Add-ins", "[x] Corvane (CVFM.eaCVFM), loaded", "< Unload >"},
      {"Corvane not connected", "Corvane AutoFormat XL is not there"},
      {"Excel restarted.", "Corvane connected", "[Table]"},
      {"Corvane workbench"},
  });
  EXPECT_EQ(std::count(screens.back().begin(), screens.back().end(), '\n'), 24);
  EXPECT_EQ(screens[2].find("Corvane workbench: help"), std::string::npos) << "a key closes the help";
  std::ifstream dump(InteractiveMode::DumpFile(*session));
  std::stringstream text;
  text << dump.rdbuf();
  EXPECT_NE(text.str().find("Active cell"), std::string::npos) << text.str();
  EXPECT_EQ(text.str(), screens.back());
}

}  // namespace
}  // namespace corvane::workbench::testing
