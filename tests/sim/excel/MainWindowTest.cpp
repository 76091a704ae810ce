// A started Excel has its main window, of class "XLMAIN", among the
// top-level windows of the thread that started it, as add-ins look for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "platform/ui/TopLevelWindows.h"
#include "sim/excel/objects/ExcelStart.h"

namespace corvane::sim::excel {
namespace {

bool OnThisThread(HWND window) {
  const auto windows = ui::ThreadTopLevelWindows();
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

TEST(MainWindowTest, EveryRunHasItsOwnXlmainWindowOnTheStartingThreadUntilItIsClosed) {
  ExcelRun first = StartExcel();
  ExcelRun second = StartExcel();
  const HWND window = first.session->main_window();
  ASSERT_NE(window, nullptr);
  EXPECT_NE(second.session->main_window(), window);
  EXPECT_EQ(ui::WindowClassName(window), u"XLMAIN");
  EXPECT_TRUE(OnThisThread(window));
  EXPECT_TRUE(OnThisThread(second.session->main_window()));

  bool seenElsewhere = true;
  std::thread([&] { seenElsewhere = ui::FindThreadWindowByClass(u"XLMAIN") != nullptr; }).join();
  EXPECT_FALSE(seenElsewhere);

  second.session->close_main_window();
  EXPECT_EQ(second.session->main_window(), nullptr);
  EXPECT_EQ(ui::FindThreadWindowByClass(u"XLMAIN"), window);
  first.session->close_main_window();
  EXPECT_EQ(ui::FindThreadWindowByClass(u"XLMAIN"), nullptr);
  EXPECT_FALSE(OnThisThread(window));
}

}  // namespace
}  // namespace corvane::sim::excel
