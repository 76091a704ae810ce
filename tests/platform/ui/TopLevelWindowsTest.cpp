#include "platform/ui/TopLevelWindows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <future>
#include <thread>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "platform/ui/DialogOwner.h"
#include "platform/ui/TopLevelWindow.h"

namespace corvane::ui {
namespace {

bool Listed(HWND window) {
  const std::vector<HWND> windows = ThreadTopLevelWindows();
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

TEST(TopLevelWindowsTest, FindsThisThreadsWindowByExactClassName) {
  HWND handle = nullptr;
  {
    TopLevelWindow main(u"CorvaneTestMain", u"Main");
    TopLevelWindow other(u"CorvaneTestOther", u"Other");
    handle = main.handle();
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(Listed(main.handle()));
    EXPECT_TRUE(Listed(other.handle()));
    EXPECT_EQ(WindowClassName(main.handle()), u"CorvaneTestMain");
    EXPECT_EQ(FindThreadWindowByClass(u"CorvaneTestMain"), main.handle());
    EXPECT_EQ(FindThreadWindowByClass(u"CorvaneTestOther"), other.handle());
    for (const char16_t* lookalike : {u"corvanetestmain", u"CorvaneTestMai", u"CorvaneTestMainX", u""}) {
      EXPECT_EQ(FindThreadWindowByClass(lookalike), nullptr) << com::Utf16ToUtf8(lookalike);
    }
  }
  EXPECT_EQ(FindThreadWindowByClass(u"CorvaneTestMain"), nullptr);
  EXPECT_FALSE(Listed(handle));
}

TEST(TopLevelWindowsTest, AnotherThreadsWindowsAreNotThisThreads) {
  std::promise<HWND> created;
  std::promise<void> checked;
  HWND seenThere = nullptr;
  std::thread owner([&] {
    TopLevelWindow window(u"CorvaneTestWorker", u"Worker");
    seenThere = FindThreadWindowByClass(u"CorvaneTestWorker");
    created.set_value(window.handle());
    checked.get_future().wait();
  });
  const HWND handle = created.get_future().get();
  EXPECT_EQ(seenThere, handle);
  EXPECT_EQ(FindThreadWindowByClass(u"CorvaneTestWorker"), nullptr);
  EXPECT_FALSE(Listed(handle));
  EXPECT_EQ(WindowClassName(handle), u"CorvaneTestWorker");
  checked.set_value();
  owner.join();
}

TEST(TopLevelWindowsTest, WindowsNeedAClassName) { EXPECT_THROW(TopLevelWindow(u"", u"x"), com::ComError); }

TEST(TopLevelWindowsTest, DialogOwnerIsKeptUntilChanged) {
  TopLevelWindow main(u"CorvaneTestOwner", u"Owner");
  SetDialogOwner(main.handle());
  EXPECT_EQ(DialogOwner(), main.handle());
  SetDialogOwner(nullptr);
  EXPECT_EQ(DialogOwner(), nullptr);
}

}  // namespace
}  // namespace corvane::ui
