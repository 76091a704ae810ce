#include "platform/ui/MessageBoxStyle.h"

#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"

namespace corvane::ui {
namespace {

using B = Button;

TEST(MessageBoxStyleTest, ButtonListsMapOntoTheSystemButtonSets) {
  struct Case {
    std::vector<Button> buttons;
    Icon icon;
    bool centred;
    UINT style;
  };
  const Case cases[] = {
      {{B::Ok}, Icon::None, false, 0x0},
      {{B::Ok}, Icon::Error, false, 0x10},
      {{B::Ok, B::Cancel}, Icon::Warning, false, 0x31},
      {{B::Abort, B::Retry, B::Ignore}, Icon::None, false, 0x2},
      {{B::Yes, B::No, B::Cancel}, Icon::None, false, 0x3},
      {{B::Yes, B::No}, Icon::Question, false, 0x24},
      {{B::Retry, B::Cancel}, Icon::None, true, 0x2005},
      // The running-host prompt: Cancel, Try Again, Continue; information icon.
      {{B::Cancel, B::Retry, B::Ignore}, Icon::Information, true, 0x2046},
  };
  for (const Case& c : cases) {
    MessageBoxRequest request;
    request.buttons = c.buttons;
    request.icon = c.icon;
    request.centredOnScreen = c.centred;
    EXPECT_EQ(MessageBoxStyle(request), c.style) << ButtonListText(c.buttons);
  }
}

TEST(MessageBoxStyleTest, UnmappableButtonListsAreRejectedBeforeAnythingIsShown) {
  const std::vector<std::vector<Button>> lists = {
      {},
      {B::Ignore},
      {B::Cancel, B::Ok},
      {B::No, B::Yes},
      {B::Ok, B::Ok},
      {B::Retry, B::Ignore, B::Cancel},
      {B::Yes, B::No, B::Cancel, B::Ok},
  };
  ScriptedPresenter presenter;
  ScopedPresenter installed(presenter);
  presenter.QueueAnswer(B::Ok);
  for (const std::vector<Button>& buttons : lists) {
    EXPECT_FALSE(ButtonSetStyle(buttons).has_value()) << ButtonListText(buttons);
    MessageBoxRequest request;
    request.buttons = buttons;
    try {
      ShowMessageBox(request);
      ADD_FAILURE() << "accepted [" << ButtonListText(buttons) << "]";
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), E_INVALIDARG);
      EXPECT_NE(std::string(error.what()).find(ButtonListText(buttons)), std::string::npos);
    }
  }
  EXPECT_TRUE(presenter.Boxes().empty());
  EXPECT_EQ(presenter.Pending(), 1u);
}

TEST(MessageBoxStyleTest, ResultsMapBackToButtonsWithTryAgainAsRetryAndContinueAsIgnore) {
  struct Case {
    int result;
    std::optional<Button> button;
  };
  const Case cases[] = {
      {1, B::Ok},        {2, B::Cancel},    {3, B::Abort},      {4, B::Retry},      {5, B::Ignore},
      {6, B::Yes},       {7, B::No},        {10, B::Retry},     {11, B::Ignore},    {0, std::nullopt},
      {8, std::nullopt}, {9, std::nullopt}, {12, std::nullopt}, {-1, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ButtonOfResult(c.result), c.button) << c.result;
}

}  // namespace
}  // namespace corvane::ui
