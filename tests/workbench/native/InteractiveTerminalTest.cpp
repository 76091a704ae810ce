// The workbench program in a pseudo-terminal of the test's own, as a person
// would use it: keys and xterm mouse reports go in, F12 has the program
// write its screen's text, which the test reads back.
#include <gtest/gtest.h>

#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

#include "tests/workbench/WorkbenchFixture.h"

namespace corvane::workbench::testing {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kPatience = std::chrono::seconds(60);
constexpr int kRows = 40;
constexpr int kColumns = 120;
// xterm's keys in the keypad mode curses switches on (its terminfo entry).
constexpr const char* kDown = "\033OB";
constexpr const char* kRight = "\033OC";
constexpr const char* kShiftDown = "\033[1;2B";
constexpr const char* kShiftRight = "\033[1;2C";
constexpr const char* kF12 = "\033[24~";
constexpr const char* kDragReportsOn = "\033[?1002h";

class PtyWorkbench {
 public:
  explicit PtyWorkbench(const std::filesystem::path& data) : dump_(data / "screen.txt") {
    winsize size{kRows, kColumns, 0, 0};
    pid_ = forkpty(&master_, nullptr, nullptr, &size);
    if (pid_ == 0) {
      setenv("TERM", "xterm", 1);
      execl(CORVANE_WORKBENCH_PROGRAM, "corvane-workbench", "--data", data.c_str(), static_cast<char*>(nullptr));
      _exit(127);
    }
  }
  ~PtyWorkbench() {
    if (pid_ > 0 && !status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    if (master_ >= 0) close(master_);
  }
  PtyWorkbench(const PtyWorkbench&) = delete;
  PtyWorkbench& operator=(const PtyWorkbench&) = delete;

  bool started() const { return pid_ > 0; }

  void Send(const std::string& bytes) {
    ASSERT_EQ(write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    Drain(std::chrono::milliseconds(50));
  }

  // Asks for the screen (F12) once the terminal is set up for keys (the
  // program then switches drag reports on), and waits for it;
  // empty when it never comes. One request each: a second one still queued
  // would answer the next call with the screen before its keys.
  std::string Screen() {
    std::error_code ignored;
    std::filesystem::remove(dump_, ignored);
    const auto end = Clock::now() + kPatience;
    while (output_.find(kDragReportsOn) == std::string::npos && Clock::now() < end) {
      Drain(std::chrono::milliseconds(50));
    }
    Send(kF12);
    while (Clock::now() < end) {
      if (std::filesystem::exists(dump_)) {
        std::ifstream in(dump_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
      }
      Drain(std::chrono::milliseconds(50));
    }
    return {};
  }

  // An xterm (SGR) mouse press and release, Ctrl held when asked.
  void Click(int row, int column, bool ctrl = false) {
    const std::string button = ctrl ? "16" : "0";
    const std::string at = ";" + std::to_string(column + 1) + ";" + std::to_string(row + 1);
    // In one write: curses then reads both reports at once, as it does when
    // a person clicks while the screen is drawn.
    Send("\033[<" + button + at + "M\033[<" + button + at + "m");
  }

  std::optional<int> Wait() {
    const auto end = Clock::now() + kPatience;
    while (Clock::now() < end) {
      int status = 0;
      if (waitpid(pid_, &status, WNOHANG) == pid_) {
        Drain(std::chrono::milliseconds(10));
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        return status_;
      }
      Drain(std::chrono::milliseconds(50));
    }
    return std::nullopt;
  }

  const std::string& output() const { return output_; }

 private:
  // Reads what the program wrote, so that it never blocks on a full terminal.
  void Drain(std::chrono::milliseconds wait) {
    pollfd poller{master_, POLLIN, 0};
    while (poll(&poller, 1, static_cast<int>(wait.count())) > 0 && (poller.revents & POLLIN)) {
      char buffer[4096];
      const ssize_t got = read(master_, buffer, sizeof buffer);
      if (got <= 0) return;
      output_.append(buffer, static_cast<size_t>(got));
      wait = std::chrono::milliseconds(0);
    }
  }

  std::filesystem::path dump_;
  int master_ = -1;
  pid_t pid_ = -1;
  std::optional<int> status_;
  std::string output_;
};

// The row and column of the first place a screen shows the text.
std::optional<std::pair<int, int>> Find(const std::string& screen, const std::string& text) {
  std::istringstream lines(screen);
  int row = 0;
  for (std::string line; std::getline(lines, line); ++row) {
    const size_t at = line.find(text);
    if (at != std::string::npos) return std::pair{row, static_cast<int>(at)};
  }
  return std::nullopt;
}

class InteractiveTerminalTest : public WorkbenchTest {};

TEST_F(InteractiveTerminalTest, APersonMovesClicksAnswersAndQuits) {
  PtyWorkbench workbench(folder.path() / "data");
  ASSERT_TRUE(workbench.started());
  const struct {
    const char* what;
    std::vector<std::string> shown;
    std::vector<std::string> absent;
  } steps[] = {
      {"the About box of the first start", {" About Corvane", "< OK >"}, {}},
      {"Enter answers it",
       {"Active cell $A$5 shows \"East\"", "[Table]", "(Number format)", "[#GT columns]"},
       {"< OK >"}},
      {"Down moves into the table's rows", {"Selection $A$6 (1 area)"}, {}},
      {"a click on Data", {"Selection $D$5:$H$30 (1 area)", "[Number format]"}, {"(Number format)"}},
      {"Tab, 9 Rights and Enter click GT columns",
       {"[GT columns]", "Button 17 GT columns (enabled)"},
       {"[#GT columns]"}},
      {"Tab, Down, Shift+Down, Shift+Right", {"Selection $D$6:$E$7 (1 area)", "Active cell $D$6"}, {}},
      {"a click on Clear format asks", {" Confirm", "< Yes >", "[ No ]"}, {}},
      {"n answers No", {"Selection $D$6:$E$7 (1 area)"}, {" Confirm"}},
      {"a click on a cell", {"Selection $A$5 (1 area)"}, {}},
      {"a Ctrl+click on the one below", {"Selection $A$5,$A$6 (2 areas)", "Active cell $A$6"}, {}},
  };
  std::vector<std::string> screens;
  screens.push_back(workbench.Screen());
  workbench.Send("\r");
  screens.push_back(workbench.Screen());
  workbench.Send(kDown);
  screens.push_back(workbench.Screen());
  const auto data = Find(screens.back(), "[Data]");
  ASSERT_TRUE(data) << screens.back();
  workbench.Click(data->first, data->second + 1);
  screens.push_back(workbench.Screen());
  workbench.Send("\t");
  for (int i = 0; i < 9; ++i) workbench.Send(kRight);  // from Data, which its click focused
  workbench.Send("\r");
  screens.push_back(workbench.Screen());
  // Tab back to the sheet (a lone Escape could meet the next key's sequence
  // in the terminal's buffer and read as another key).
  workbench.Send("\t");
  workbench.Send(kDown);
  workbench.Send(kShiftDown);
  workbench.Send(kShiftRight);
  screens.push_back(workbench.Screen());
  const auto clear = Find(screens.back(), "[Clear format]");
  ASSERT_TRUE(clear) << screens.back();
  workbench.Click(clear->first, clear->second + 1);
  screens.push_back(workbench.Screen());
  workbench.Send("n");
  screens.push_back(workbench.Screen());
  const auto east = Find(screens.back(), "East");
  ASSERT_TRUE(east) << screens.back();
  workbench.Click(east->first, east->second);
  screens.push_back(workbench.Screen());
  workbench.Click(east->first + 1, east->second, true);
  screens.push_back(workbench.Screen());
  workbench.Send("q");
  const auto status = workbench.Wait();

  ASSERT_EQ(screens.size(), std::size(steps));
  for (size_t i = 0; i < screens.size(); ++i) {
    for (const auto& text : steps[i].shown) {
      EXPECT_NE(screens[i].find(text), std::string::npos) << steps[i].what << ": " << text << "\n" << screens[i];
    }
    for (const auto& text : steps[i].absent) {
      EXPECT_EQ(screens[i].find(text), std::string::npos) << steps[i].what << ": " << text << "\n" << screens[i];
    }
  }
  ASSERT_TRUE(status) << "q did not end the workbench";
  EXPECT_EQ(*status, 0);
  EXPECT_NE(workbench.output().find("Excel quit."), std::string::npos);
}

}  // namespace
}  // namespace corvane::workbench::testing
