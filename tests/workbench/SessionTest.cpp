// Sessions on one data folder: Corvane registered once, its toolbar and
// start mode found again after a restart and in the next run, as the user
// left them; Excel's own quit shuts the add-in down.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/com/Text.h"
#include "published/Office.h"
#include "sim/core/Instrumentation.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"
#include "tests/workbench/WorkbenchFixture.h"
#include "workbench/AddInRegistration.h"

namespace corvane::workbench::testing {
namespace {

size_t AboutBoxes(const Session& session) {
  const auto& shown = session.boxes().Shown();
  return std::count_if(shown.begin(), shown.end(), [](const ShownBox& box) { return box.dialog; });
}

int32_t Position(const Session& session) {
  const auto bar = session.toolbar();
  return bar ? bar->props().position : -1;
}

bool Noted(const std::vector<std::string>& notes, const std::string& text) {
  return std::any_of(notes.begin(), notes.end(),
                     [&](const std::string& note) { return note.find(text) != std::string::npos; });
}

class SessionTest : public WorkbenchTest {};

TEST_F(SessionTest, RegistersCorvaneOnceAndTheToolbarStaysAsTheUserLeftIt) {
  StartSession();
  EXPECT_TRUE(Noted(session->TakeNotes(), "Registered Corvane"));
  EXPECT_TRUE(IsRegistered(DefaultLibrary()));
  ASSERT_TRUE(session->toolbar());
  EXPECT_EQ(session->toolbar()->Count(), 23);
  EXPECT_EQ(AboutBoxes(*session), 1u) << "the first start shows the About box";

  auto result = RunScript("toolbar top\nrestart\nexpect button 1 enabled\n");
  EXPECT_EQ(result.status, 0) << result.errors;
  EXPECT_EQ(Position(*session), Office::msoBarTop);
  EXPECT_EQ(session->toolbar()->Count(), 23);
  EXPECT_EQ(AboutBoxes(*session), 1u) << "later starts do not show it";
  EXPECT_NE(result.out.find("Office: AddIn.OnBeginShutdown"), std::string::npos) << result.out;

  // The next run of the program on the same data folder.
  session.reset();
  StartSession();
  EXPECT_FALSE(Noted(session->TakeNotes(), "Registered Corvane"));
  EXPECT_EQ(Position(*session), Office::msoBarTop);
  // Hidden by the user, it stays hidden.
  result = RunScript("toolbar hide\nrestart\n");
  EXPECT_EQ(result.status, 0) << result.errors;
  ASSERT_TRUE(session->toolbar());
  EXPECT_FALSE(session->toolbar()->props().visible);
  EXPECT_EQ(AboutBoxes(*session), 0u);
}

TEST_F(SessionTest, QuitRunsTheAddInsShutdown) {
  StartSession();
  session->TakeNotes();
  ASSERT_TRUE(session->Quit());
  const auto notes = session->TakeNotes();
  const auto shutdown = std::find_if(notes.begin(), notes.end(), [](const std::string& note) {
    return note.find("AddIn.OnBeginShutdown") != std::string::npos;
  });
  const auto disconnection = std::find_if(notes.begin(), notes.end(), [](const std::string& note) {
    return note.find("AddIn.OnDisconnection") != std::string::npos;
  });
  ASSERT_NE(shutdown, notes.end());
  ASSERT_NE(disconnection, notes.end());
  EXPECT_LT(shutdown, disconnection);
  EXPECT_FALSE(session->running());
}

TEST_F(SessionTest, TheAddInsCallsIntoExcelAreTraced) {
  StartSession();
  session->calls().Take();
  const auto result = RunScript("click Data\n");
  EXPECT_EQ(result.status, 0) << result.errors;
  const auto calls = session->calls().Take();
  EXPECT_FALSE(calls.empty());
  EXPECT_NE(std::find(calls.begin(), calls.end(), "Range.Select"), calls.end()) << CallTrace::Summary(calls);
}

}  // namespace
}  // namespace corvane::workbench::testing
