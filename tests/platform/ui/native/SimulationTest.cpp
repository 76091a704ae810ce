#include "platform/ui/portable/Simulation.h"

#include <gtest/gtest.h>

#include "platform/ui/Keyboard.h"
#include "platform/ui/Locale.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"

namespace corvane::ui {
namespace {

TEST(UiSimulationTest, DecimalSeparatorFollowsTheSimulatedMachine) {
  EXPECT_EQ(DecimalSeparator(), u".");
  SetDecimalSeparator(u",");
  EXPECT_EQ(DecimalSeparator(), u",");
  SetDecimalSeparator(u".");
}

TEST(UiSimulationTest, WithoutAnInstalledPresenterABoxIsAFailureNotAHang) {
  ASSERT_EQ(&CurrentPresenter(), &DefaultScriptedPresenter());
  MessageBoxRequest request;
  request.text = u"nobody answers";
  EXPECT_THROW(ShowMessageBox(request), UnscriptedPrompt);
  EXPECT_EQ(DefaultScriptedPresenter().Failures().size(), 1u);
  DefaultScriptedPresenter().Reset();
}

}  // namespace
}  // namespace corvane::ui
