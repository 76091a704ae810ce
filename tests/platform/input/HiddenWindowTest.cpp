// The hidden window: class registration, messages through the owner's
// handler, send-with-callback ordering and destruction.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/ComError.h"
#include "platform/input/HiddenWindow.h"
#include "platform/input/Messages.h"
#include "platform/input/WindowMessages.h"

namespace corvane::input {
namespace {

constexpr char16_t kClass[] = u"CorvaneHiddenWindowTest";

struct Event {
  std::string what;
  UINT message;
  WPARAM wParam;
  bool operator==(const Event&) const = default;
};

TEST(HiddenWindowTest, ClassIsRegisteredOnceAndServesEveryWindow) {
  HiddenWindow first(kClass, u"first");
  ASSERT_NE(first.handle(), nullptr);
  EXPECT_TRUE(HiddenWindow::IsClassRegistered(kClass));
  // A second registration would fail; the class must be found again.
  HiddenWindow second(kClass, u"second");
  ASSERT_NE(second.handle(), nullptr);
  EXPECT_NE(first.handle(), second.handle());
  EXPECT_TRUE(IsWindowAlive(first.handle()));
  EXPECT_TRUE(IsWindowAlive(second.handle()));
}

TEST(HiddenWindowTest, BadClassNameIsAClearError) {
  const std::u16string names[] = {u"", std::u16string(300, u'c')};
  for (const std::u16string& name : names) {
    try {
      HiddenWindow window(name, u"text");
      ADD_FAILURE() << "no error for a class name of " << name.size();
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), E_OUTOFMEMORY);
      EXPECT_EQ(error.description(), u"Error creating window class");
    }
    EXPECT_FALSE(HiddenWindow::IsClassRegistered(name));
  }
}

TEST(HiddenWindowTest, SendWithCallbackRunsHandlerThenCompletionBeforeReturning) {
  HiddenWindow window(kClass, u"{guid}");
  std::vector<Event> events;
  window.SetHandler([&events](HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_KEYDOWN || message == WM_USER) events.push_back({"handler", message, wParam});
  });
  HWND completedFor = nullptr;
  ASSERT_TRUE(SendMessageWithCallback(window.handle(), WM_KEYDOWN, 7, 0, [&](HWND target, UINT message, LRESULT) {
    completedFor = target;
    events.push_back({"completion", message, 0});
  }));
  EXPECT_EQ(events, (std::vector<Event>{{"handler", WM_KEYDOWN, 7}, {"completion", WM_KEYDOWN, 0}}));
  EXPECT_EQ(completedFor, window.handle());

  // A plain send reaches the handler too, and a replaced handler takes over.
  events.clear();
  SendWindowMessage(window.handle(), WM_USER, 1, 0);
  window.SetHandler([&events](HWND, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_USER) events.push_back({"replaced", message, wParam});
  });
  SendWindowMessage(window.handle(), WM_USER, 2, 0);
  EXPECT_EQ(events, (std::vector<Event>{{"handler", WM_USER, 1}, {"replaced", WM_USER, 2}}));
}

TEST(HiddenWindowTest, ThrowingHandlerDoesNotStopTheMessage) {
  HiddenWindow window(kClass, u"text");
  window.SetHandler([](HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_USER) throw com::ComError(E_FAIL, u"handler failed");
  });
  bool completed = false;
  EXPECT_TRUE(
      SendMessageWithCallback(window.handle(), WM_USER, 0, 0, [&completed](HWND, UINT, LRESULT) { completed = true; }));
  EXPECT_TRUE(completed);
}

TEST(HiddenWindowTest, DestroyedWindowIsGoneAndTakesNoMessages) {
  HiddenWindow window(kClass, u"text");
  const HWND handle = window.handle();
  std::vector<UINT> seen;
  window.SetHandler([&seen](HWND, UINT message, WPARAM, LPARAM) {
    if (message == WM_DESTROY || message == WM_NCDESTROY || message == WM_USER) seen.push_back(message);
  });
  window.Destroy();
  EXPECT_EQ(window.handle(), nullptr);
  EXPECT_FALSE(IsWindowAlive(handle));
  EXPECT_EQ(seen, (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));

  bool completed = false;
  EXPECT_FALSE(SendMessageWithCallback(handle, WM_USER, 0, 0, [&completed](HWND, UINT, LRESULT) { completed = true; }));
  EXPECT_FALSE(completed);
  window.Destroy();  // again: nothing
  EXPECT_EQ(seen.size(), 2u);
}

TEST(HiddenWindowTest, WindowGoesWithItsOwner) {
  HWND handle = nullptr;
  {
    HiddenWindow window(kClass, u"text");
    handle = window.handle();
    EXPECT_TRUE(IsWindowAlive(handle));
  }
  EXPECT_FALSE(IsWindowAlive(handle));
}

}  // namespace
}  // namespace corvane::input
