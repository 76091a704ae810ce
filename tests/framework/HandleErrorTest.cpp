// The module's error reporter: OnError with Handled, the modal message box
// with its exact text, and an exception inside OnError.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/com/ComError.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

class HandleErrorTest : public ::testing::Test {
 protected:
  void SetUp() override { module.SetAddInName(u"Corvane"); }

  std::vector<std::u16string> BoxTexts() const {
    std::vector<std::u16string> texts;
    for (const auto& box : presenter.Boxes()) texts.push_back(box.request.text);
    return texts;
  }

  TTestModule module;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
};

TEST_F(HandleErrorTest, AnUnhandledErrorShowsTheMessageWithOneOkButton) {
  presenter.QueueAnswer(ui::Button::Ok);
  module.HandleError(com::ComError(E_FAIL, u"Field \"100%s of %d\" is odd."));
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  const auto& request = presenter.Boxes()[0].request;
  // Host text goes in as it is, never as a format.
  EXPECT_EQ(request.text, u"Corvane error: the add-in has fired an exception.\r\nField \"100%s of %d\" is odd.");
  EXPECT_EQ(request.buttons, (std::vector<ui::Button>{ui::Button::Ok}));
  EXPECT_EQ(presenter.Pending(), 0u);
}

TEST_F(HandleErrorTest, MessagesOfEveryKindOfException) {
  struct Case {
    std::exception_ptr error;
    std::u16string message;
  };
  const Case cases[] = {
      {std::make_exception_ptr(std::runtime_error("plain C++ error")), u"plain C++ error"},
      {std::make_exception_ptr(com::ComError(E_FAIL, u"host said no")), u"host said no"},
      {std::make_exception_ptr(42), u"unknown exception"},
  };
  for (const auto& c : cases) {
    presenter.QueueAnswer(ui::Button::Ok);
    module.HandleError(c.error);
  }
  std::vector<std::u16string> expected;
  for (const auto& c : cases) expected.push_back(u"Corvane error: the add-in has fired an exception.\r\n" + c.message);
  EXPECT_EQ(BoxTexts(), expected);
}

TEST_F(HandleErrorTest, OnErrorThatSetsHandledSuppressesTheBox) {
  int calls = 0;
  module.OnError = [&](TObject* Sender, const std::exception& E, bool& Handled) {
    ++calls;
    EXPECT_EQ(Sender, &module);
    EXPECT_FALSE(Handled);  // false on entry
    EXPECT_STREQ(E.what(), "boom");
    Handled = true;
  };
  module.HandleError(std::runtime_error("boom"));
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(HandleErrorTest, OnErrorThatLeavesHandledFalseStillShowsTheBox) {
  module.OnError = [](TObject*, const std::exception&, bool&) {};
  presenter.QueueAnswer(ui::Button::Ok);
  module.HandleError(std::runtime_error("boom"));
  EXPECT_EQ(BoxTexts(), (std::vector<std::u16string>{u"Corvane error: the add-in has fired an exception.\r\nboom"}));
}

TEST_F(HandleErrorTest, AnExceptionInsideOnErrorIsReportedOnceWithoutReentering) {
  int calls = 0;
  module.OnError = [&](TObject*, const std::exception&, bool&) {
    ++calls;
    throw std::runtime_error("handler failed");
  };
  presenter.QueueAnswer(ui::Button::Ok);
  presenter.QueueAnswer(ui::Button::Ok);
  module.HandleError(std::runtime_error("first"));
  EXPECT_EQ(calls, 1);
  // The handler's own failure, then the error it did not handle.
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::u16string>{u"Corvane error: the add-in has fired an exception.\r\nhandler failed",
                                         u"Corvane error: the add-in has fired an exception.\r\nfirst"}));
}

TEST_F(HandleErrorTest, AnErrorReportedFromInsideOnErrorGoesStraightToTheBox) {
  int calls = 0;
  module.OnError = [&](TObject*, const std::exception&, bool& Handled) {
    ++calls;
    module.HandleError(std::runtime_error("nested"));
    Handled = true;
  };
  presenter.QueueAnswer(ui::Button::Ok);
  module.HandleError(std::runtime_error("outer"));
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(BoxTexts(), (std::vector<std::u16string>{u"Corvane error: the add-in has fired an exception.\r\nnested"}));
  // Once out, OnError is called again for the next error.
  module.HandleError(std::runtime_error("later"));
  EXPECT_EQ(calls, 2);
}

TEST_F(HandleErrorTest, RaiseEventReportsTheHandlersExceptionAndReturns) {
  std::vector<std::string> reported;
  module.OnError = [&](TObject*, const std::exception& E, bool& Handled) {
    reported.emplace_back(E.what());
    Handled = true;
  };
  TNotifyEvent failing = [](TObject*) { throw std::runtime_error("initialize failed"); };
  module.RaiseEvent(failing);
  module.RaiseEvent(TNotifyEvent{});  // unassigned: nothing
  EXPECT_EQ(reported, (std::vector<std::string>{"initialize failed"}));
}

}  // namespace
}  // namespace corvane::framework::testing
