#include "platform/ui/ScriptedPresenter.h"

#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ShellRequest.h"

namespace corvane::ui {
namespace {

class ScriptedPresenterTest : public ::testing::Test {
 protected:
  ScriptedPresenter presenter;
  ScopedPresenter installed{presenter};
};

MessageBoxRequest Question(std::u16string text) {
  MessageBoxRequest request;
  request.owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
  request.text = std::move(text);
  request.caption = u"Confirm";
  request.buttons = {Button::Yes, Button::No};
  request.icon = Icon::Question;
  return request;
}

TEST_F(ScriptedPresenterTest, AnswersInQueueOrderAndRecordsEveryBox) {
  presenter.QueueAnswer(Button::No);
  presenter.QueueAnswer(Button::Yes);
  EXPECT_EQ(ShowMessageBox(Question(u"first")), Button::No);
  EXPECT_EQ(ShowMessageBox(Question(u"second\r\nline")), Button::Yes);

  ASSERT_EQ(presenter.Boxes().size(), 2u);
  const RecordedBox& second = presenter.Boxes()[1];
  EXPECT_EQ(second.request.text, u"second\r\nline");
  EXPECT_EQ(second.request.caption, u"Confirm");
  EXPECT_EQ(second.request.owner, Question(u"").owner);
  EXPECT_EQ(second.request.buttons, (std::vector<Button>{Button::Yes, Button::No}));
  EXPECT_EQ(second.request.icon, Icon::Question);
  EXPECT_FALSE(second.request.centredOnScreen);
  EXPECT_EQ(second.answer, Button::Yes);
  EXPECT_EQ(presenter.Pending(), 0u);
  EXPECT_TRUE(presenter.Failures().empty());
}

TEST_F(ScriptedPresenterTest, ScriptMismatchesFailLoudlyInsteadOfWaiting) {
  std::vector<std::string> reported;
  presenter.SetFailureReporter([&](const std::string& message) { reported.push_back(message); });

  // Nothing queued.
  EXPECT_THROW(ShowMessageBox(Question(u"unasked")), UnscriptedPrompt);
  // An answer the box does not offer.
  presenter.QueueAnswer(Button::Ok);
  EXPECT_THROW(ShowMessageBox(Question(u"yes or no")), UnscriptedPrompt);
  // A dialog queued where a box comes, and the other way round.
  presenter.QueueDialog({});
  EXPECT_THROW(ShowMessageBox(Question(u"box")), UnscriptedPrompt);
  presenter.Reset();
  presenter.QueueAnswer(Button::Ok);
  EXPECT_THROW(presenter.ShowDialog(ModalDialog{}), UnscriptedPrompt);

  ASSERT_EQ(presenter.Failures().size(), 1u);  // Reset forgot the first three
  EXPECT_EQ(reported.size(), 4u);
  EXPECT_NE(reported[0].find("unasked"), std::string::npos);
  EXPECT_NE(reported[1].find("OK"), std::string::npos);
  EXPECT_TRUE(presenter.Boxes().empty());
}

ModalDialog AboutLike(std::vector<std::string>& log) {
  ModalDialog dialog;
  dialog.caption = u"About Corvane";
  dialog.controls = {
      {u"lblHomePage", ControlKind::Link, 0, 0, 10, 10, u"home", 0, false, false, [&] { log.push_back("home"); }},
      {u"lblVersion", ControlKind::Label, 0, 20, 10, 10, u"1.0", 0, false, false, {}},
      {u"btnOK", ControlKind::PushButton, 0, 40, 10, 10, u"OK", 1, true, true, [&] { log.push_back("ok"); }},
  };
  return dialog;
}

TEST_F(ScriptedPresenterTest, DialogScriptsClickControlsAndCloseWithTheirResult) {
  struct Case {
    std::vector<std::u16string> clicks;
    int closeResult;
    int expectedResult;
    std::vector<std::string> expectedLog;
  };
  const Case cases[] = {
      {{}, kDialogClosed, kDialogClosed, {}},
      {{u"btnOK"}, kDialogClosed, 1, {"ok"}},
      {{u"lblHomePage", u"lblHomePage", u"btnOK"}, kDialogClosed, 1, {"home", "home", "ok"}},
      {{u"lblHomePage", u"lblVersion"}, 7, 7, {"home"}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> log;
    presenter.Reset();
    presenter.QueueDialog({c.clicks, c.closeResult});
    EXPECT_EQ(presenter.ShowDialog(AboutLike(log)), c.expectedResult);
    EXPECT_EQ(log, c.expectedLog);
    ASSERT_EQ(presenter.Dialogs().size(), 1u);
    EXPECT_EQ(presenter.Dialogs()[0].clicked, c.clicks);
    EXPECT_EQ(presenter.Dialogs()[0].dialog.caption, u"About Corvane");
  }
}

TEST_F(ScriptedPresenterTest, DialogScriptsNamingMissingControlsOrClickingPastTheCloseFail) {
  std::vector<std::string> log;
  presenter.QueueDialog({{u"lblSupport"}});
  EXPECT_THROW(presenter.ShowDialog(AboutLike(log)), UnscriptedPrompt);
  presenter.QueueDialog({{u"btnOK", u"lblHomePage"}});
  EXPECT_THROW(presenter.ShowDialog(AboutLike(log)), UnscriptedPrompt);
  EXPECT_EQ(presenter.Failures().size(), 2u);
  EXPECT_EQ(log, std::vector<std::string>{"ok"});
}

TEST_F(ScriptedPresenterTest, ShellRequestsAreRecordedWithTheOpenVerb) {
  const HWND parent = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x42));
  EXPECT_TRUE(ShellOpen(parent, u"https://example.invalid/?from=About"));
  presenter.SetShellSucceeds(false);
  EXPECT_FALSE(ShellOpen(nullptr, u"mailto:support@example.invalid", 1));

  ASSERT_EQ(presenter.ShellRequests().size(), 2u);
  const ShellRequest& first = presenter.ShellRequests()[0];
  EXPECT_EQ(first.parent, parent);
  EXPECT_EQ(first.verb, u"open");
  EXPECT_EQ(first.target, u"https://example.invalid/?from=About");
  EXPECT_EQ(first.showCommand, kShowRestore);
  EXPECT_EQ(presenter.ShellRequests()[1].showCommand, 1);
}

TEST_F(ScriptedPresenterTest, ScopedPresentersNestAndRestore) {
  ScriptedPresenter inner;
  {
    ScopedPresenter scope(inner);
    EXPECT_EQ(&CurrentPresenter(), &inner);
  }
  EXPECT_EQ(&CurrentPresenter(), &presenter);
}

}  // namespace
}  // namespace corvane::ui
