// The answerer against the system's own dialogs and message boxes: each is
// closed as its Enter key (or, lacking a default button, its Escape key)
// would close it, counted when its caption is the expected one and listed
// otherwise. Only a backend with real dialogs has anything to answer.
#include "platform/ui/DialogAnswerer.h"

#include <gtest/gtest.h>

#include "platform/ui/Presenter.h"

namespace corvane::ui {
namespace {

constexpr char16_t kExpected[] = u"Answer me";

DialogControl ButtonOf(std::u16string text, int result, bool isDefault, bool isCancel) {
  DialogControl button;
  button.name = text;
  button.kind = ControlKind::PushButton;
  button.left = 10;
  button.top = 10;
  button.width = 80;
  button.height = 24;
  button.text = std::move(text);
  button.modalResult = result;
  button.isDefault = isDefault;
  button.isCancel = isCancel;
  return button;
}

ModalDialog DialogOf(std::u16string caption, std::vector<DialogControl> buttons) {
  ModalDialog dialog;
  dialog.caption = std::move(caption);
  dialog.clientWidth = 200;
  dialog.clientHeight = 80;
  dialog.controls = std::move(buttons);
  return dialog;
}

class DialogAnswererTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!DialogAnswerer::AnswersRealDialogs()) {
      GTEST_SKIP() << "this backend's dialogs all go to the program's scripted presenter";
    }
  }
};

TEST_F(DialogAnswererTest, DialogsAreClosedByTheirDefaultOrCancelButtonAndCountedByCaption) {
  struct Case {
    const char* what;
    ModalDialog dialog;
    int result;
    size_t answered;
    size_t unexpected;
  };
  const Case cases[] = {
      {"default button", DialogOf(kExpected, {ButtonOf(u"Other", 7, false, false), ButtonOf(u"OK", 1, true, false)}), 1,
       1, 0},
      {"cancel button only",
       DialogOf(kExpected, {ButtonOf(u"Other", 7, false, false), ButtonOf(u"Close", 2, false, true)}), 2, 2, 0},
      {"another caption", DialogOf(u"Something else", {ButtonOf(u"OK", 1, true, false)}), 1, 2, 1},
  };
  DialogAnswerer answerer(kExpected);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(DefaultPresenter().ShowDialog(c.dialog), c.result);
    EXPECT_EQ(answerer.Answered(), c.answered);
    EXPECT_EQ(answerer.Unexpected().size(), c.unexpected);
  }
  ASSERT_EQ(answerer.Unexpected().size(), 1u);
  EXPECT_EQ(answerer.Unexpected()[0], u"Something else");  // no labels to tell
}

TEST_F(DialogAnswererTest, AMessageBoxGetsItsOkAndWaitingEndsOnTime) {
  DialogAnswerer answerer(kExpected);
  EXPECT_FALSE(answerer.WaitUntilAnswered(1, std::chrono::milliseconds(50)));
  MessageBoxRequest request;
  request.text = u"Press OK";
  request.caption = kExpected;
  EXPECT_EQ(DefaultPresenter().ShowMessage(request), Button::Ok);
  EXPECT_TRUE(answerer.WaitUntilAnswered(1, std::chrono::milliseconds(50)));
  EXPECT_TRUE(answerer.Unexpected().empty());
  // Another box is answered too, and told by its caption and text.
  request.caption = u"Other";
  EXPECT_EQ(DefaultPresenter().ShowMessage(request), Button::Ok);
  EXPECT_EQ(answerer.Answered(), 1u);
  EXPECT_EQ(answerer.Unexpected(), std::vector<std::u16string>{u"Other: Press OK"});
}

}  // namespace
}  // namespace corvane::ui
