// The thread's keyboard hook chain, driven by the synthetic keyboard.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/input/KeyData.h"
#include "platform/input/KeyboardHook.h"
#include "platform/input/SyntheticKeyboard.h"
#include "platform/input/VirtualKeys.h"
#include "platform/input/WindowMessages.h"

namespace corvane::input {
namespace {

// A hook that logs its name and the keys it saw, and swallows one key.
struct NamedHook {
  NamedHook(std::string name, std::vector<std::string>& log, WPARAM swallow = 0)
      : hook([this, name, &log, swallow](int code, WPARAM key, LPARAM data) -> LRESULT {
          if (code == HC_ACTION && !KeyData::Unpack(data).released) log.push_back(name + ":" + char(key));
          if (code == HC_ACTION && key == swallow) return 1;
          return hook.CallNext(code, key, data);
        }) {}
  KeyboardHook hook;
};

std::vector<WPARAM> DeliveredDowns(const SyntheticKeyboard& keyboard) {
  std::vector<WPARAM> keys;
  for (const DeliveredKey& key : keyboard.Delivered()) {
    if (key.message == WM_KEYDOWN) keys.push_back(key.virtualKey);
  }
  return keys;
}

TEST(KeyboardHookTest, ChainRunsNewestFirstAndAHookCanSwallow) {
  SyntheticKeyboard keyboard;
  std::vector<std::string> log;
  NamedHook first("first", log, 'A');
  NamedHook second("second", log, 'B');
  EXPECT_NE(first.hook.handle(), nullptr);
  EXPECT_NE(first.hook.handle(), second.hook.handle());

  keyboard.Tap('A');  // through second, swallowed by first
  keyboard.Tap('B');  // swallowed by second: first never sees it
  keyboard.Tap('C');  // through both, to the host
  EXPECT_EQ(log, (std::vector<std::string>{"second:A", "first:A", "second:B", "second:C", "first:C"}));
  EXPECT_EQ(DeliveredDowns(keyboard), std::vector<WPARAM>{'C'});
}

TEST(KeyboardHookTest, RemovedHookNoLongerSeesKeys) {
  SyntheticKeyboard keyboard;
  std::vector<std::string> log;
  NamedHook kept("kept", log);
  auto removed = std::make_unique<NamedHook>("removed", log, 'A');
  keyboard.Tap('A');
  removed.reset();
  keyboard.Tap('A');
  EXPECT_EQ(log, (std::vector<std::string>{"removed:A", "kept:A"}));
  EXPECT_EQ(DeliveredDowns(keyboard), std::vector<WPARAM>{'A'});
}

TEST(KeyboardHookTest, ThrowingProcedurePassesTheKeyOn) {
  SyntheticKeyboard keyboard;
  std::vector<std::string> log;
  NamedHook below("below", log);
  KeyboardHook throwing([](int, WPARAM, LPARAM) -> LRESULT { throw std::runtime_error("hook failed"); });
  keyboard.Tap('Q');
  EXPECT_EQ(log, std::vector<std::string>{"below:Q"});
  EXPECT_EQ(DeliveredDowns(keyboard), std::vector<WPARAM>{'Q'});
}

TEST(KeyboardHookTest, WithoutHooksEveryKeyReachesTheHost) {
  SyntheticKeyboard keyboard;
  std::vector<DeliveredKey> heard;
  keyboard.OnDelivered([&heard](const DeliveredKey& key) { heard.push_back(key); });
  keyboard.Tap('Z');
  ASSERT_EQ(keyboard.Delivered().size(), 2u);
  EXPECT_EQ(keyboard.Delivered()[0].message, static_cast<UINT>(WM_KEYDOWN));
  EXPECT_EQ(keyboard.Delivered()[1].message, static_cast<UINT>(WM_KEYUP));
  EXPECT_EQ(heard, keyboard.Delivered());
  keyboard.ClearDelivered();
  EXPECT_TRUE(keyboard.Delivered().empty());
}

}  // namespace
}  // namespace corvane::input
