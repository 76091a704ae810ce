// HandleShortcuts switching the module's shortcut hook: one hook while the
// switch is on, none after it goes off or the module goes, installed at the
// end of the start-up when on and none is there yet.
#include <gtest/gtest.h>

#include "framework/hosting/ShortcutHook.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

class ShortcutSwitchTest : public ::testing::Test {
 protected:
  class Hook final : public ShortcutHook {
   public:
    explicit Hook(ShortcutSwitchTest& test) : test_(test) { ++test_.live; }
    ~Hook() override { --test_.live; }

   private:
    ShortcutSwitchTest& test_;
  };

  ShortcutSwitchTest() : previous(SetShortcutHookFactory(Counting())) {}
  ~ShortcutSwitchTest() override { SetShortcutHookFactory(std::move(previous)); }

  ShortcutHookFactory Counting() {
    return [this](TkvxCOMAddInModule& module) -> std::unique_ptr<ShortcutHook> {
      EXPECT_EQ(&module, expectedModule);
      ++made;
      return std::make_unique<Hook>(*this);
    };
  }
  void UseFactory() { SetShortcutHookFactory(Counting()); }

  int made = 0;
  int live = 0;
  const TkvxCOMAddInModule* expectedModule = nullptr;
  ShortcutHookFactory previous;
};

TEST_F(ShortcutSwitchTest, SwitchingAtRunTimeKeepsOneHookWhileOnAndNoneWhenOff) {
  {
    TTestModule module;
    expectedModule = &module;
    EXPECT_FALSE(module.ShortcutHookInstalled());
    struct Step {
      bool value;
      int made;
      int live;
    };
    // Setting the value it has changes nothing; every change first removes.
    const Step steps[] = {{true, 1, 1}, {true, 1, 1}, {false, 1, 0}, {false, 1, 0}, {true, 2, 1}};
    for (const Step& step : steps) {
      module.SetHandleShortcuts(step.value);
      EXPECT_EQ(module.HandleShortcuts(), step.value);
      EXPECT_EQ(made, step.made);
      EXPECT_EQ(live, step.live);
      EXPECT_EQ(module.ShortcutHookInstalled(), step.live == 1);
    }
  }
  EXPECT_EQ(live, 0);  // freed with the module
}

TEST_F(ShortcutSwitchTest, TheStartUpInstallsTheHookWhenOnAndNoneIsThereYet) {
  TTestModule module;
  expectedModule = &module;
  // Switched on while no hook could be made: the start-up makes it.
  SetShortcutHookFactory(nullptr);
  module.SetHandleShortcuts(true);
  EXPECT_FALSE(module.ShortcutHookInstalled());
  UseFactory();
  module.StartupSequence();
  EXPECT_TRUE(module.ShortcutHookInstalled());
  EXPECT_EQ(made, 1);

  TTestModule installed;
  expectedModule = &installed;
  installed.SetHandleShortcuts(true);
  installed.StartupSequence();
  EXPECT_EQ(made, 2);  // the one it had stays

  TTestModule off;
  expectedModule = &off;
  off.StartupSequence();
  EXPECT_FALSE(off.ShortcutHookInstalled());
  EXPECT_EQ(made, 2);
}

}  // namespace
}  // namespace corvane::framework::testing
