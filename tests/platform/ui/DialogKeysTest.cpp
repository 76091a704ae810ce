#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/ModalDialog.h"
#include "platform/ui/ScriptedPresenter.h"

namespace corvane::ui {
namespace {

DialogControl Button(std::u16string name, int result, bool isDefault, bool isCancel, std::vector<std::u16string>& log) {
  DialogControl control;
  control.name = name;
  control.kind = ControlKind::PushButton;
  control.modalResult = result;
  control.isDefault = isDefault;
  control.isCancel = isCancel;
  control.onClick = [&log, name] { log.push_back(name); };
  return control;
}

TEST(DialogKeys, EnterAndEscapePressTheDefaultAndCancelButtons) {
  struct Case {
    const char* what;
    bool withButtons;
    std::vector<std::u16string> keys;
    int result;
    std::vector<std::u16string> pressed;
  };
  const Case cases[] = {
      {"Enter", true, {kPressEnter}, 6, {u"yes"}},
      {"Escape", true, {kPressEscape}, 7, {u"no"}},
      {"Escape without a cancel button", false, {kPressEscape}, kDialogClosed, {}},
      {"Enter without a default button stays open", false, {kPressEnter}, 5, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<std::u16string> log;
    ModalDialog dialog;
    dialog.caption = u"Keys";
    if (c.withButtons) {
      dialog.controls.push_back(Button(u"yes", 6, true, false, log));
      dialog.controls.push_back(Button(u"no", 7, false, true, log));
    }
    ScriptedPresenter presenter;
    presenter.QueueDialog({c.keys, 5});
    EXPECT_EQ(presenter.ShowDialog(dialog), c.result);
    EXPECT_EQ(log, c.pressed);
    EXPECT_EQ(presenter.Dialogs().at(0).clicked, c.keys);
  }
}

TEST(DialogKeys, FirstMarkedButtonsAnswerTheKeysAndAKeyThatClosesMustComeLast) {
  std::vector<std::u16string> log;
  ModalDialog dialog;
  dialog.controls = {Button(u"a", 1, false, false, log), Button(u"b", 2, true, true, log),
                     Button(u"c", 3, true, true, log)};
  EXPECT_EQ(DefaultButton(dialog), &dialog.controls[1]);
  EXPECT_EQ(CancelButton(dialog), &dialog.controls[1]);
  EXPECT_EQ(DefaultButton(ModalDialog{}), nullptr);

  ScriptedPresenter presenter;
  presenter.QueueDialog({{kPressEscape, u"a"}});
  EXPECT_THROW(presenter.ShowDialog(dialog), UnscriptedPrompt);
}

}  // namespace
}  // namespace corvane::ui
