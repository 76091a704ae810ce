#include "platform/ui/ScriptedPresenter.h"

#include <algorithm>

#include "platform/com/Text.h"

namespace corvane::ui {

namespace {

std::string Quoted(const std::u16string& text) { return "\"" + com::Utf16ToUtf8(text) + "\""; }

std::string Describe(const MessageBoxRequest& request) {
  return "message box " + Quoted(request.caption) + " " + Quoted(request.text) + " [" +
         ButtonListText(request.buttons) + "]";
}

const DialogControl* FindControl(const ModalDialog& dialog, const std::u16string& name) {
  auto found = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                            [&](const DialogControl& control) { return control.name == name; });
  return found == dialog.controls.end() ? nullptr : &*found;
}

const DialogControl* ControlOfKey(const ModalDialog& dialog, const std::u16string& key) {
  return key == kPressEnter ? DefaultButton(dialog) : CancelButton(dialog);
}

}  // namespace

void ScriptedPresenter::QueueAnswer(Button answer) { script_.emplace_back(answer); }

void ScriptedPresenter::QueueDialog(DialogScript script) { script_.emplace_back(std::move(script)); }

void ScriptedPresenter::Fail(const std::string& message) {
  failures_.push_back(message);
  if (reporter_) reporter_(message);
  throw UnscriptedPrompt(message);
}

Button ScriptedPresenter::ShowMessage(const MessageBoxRequest& request) {
  if (script_.empty() || !std::holds_alternative<Button>(script_.front())) {
    Fail("unexpected " + Describe(request) + (script_.empty() ? ": no answer queued" : ": a dialog was expected"));
  }
  const Button answer = std::get<Button>(script_.front());
  script_.pop_front();
  if (std::find(request.buttons.begin(), request.buttons.end(), answer) == request.buttons.end()) {
    Fail("queued answer " + std::string(ButtonName(answer)) + " is not a button of " + Describe(request));
  }
  boxes_.push_back({request, answer});
  return answer;
}

int ScriptedPresenter::ShowDialog(const ModalDialog& dialog) {
  if (script_.empty() || !std::holds_alternative<DialogScript>(script_.front())) {
    Fail("unexpected dialog " + Quoted(dialog.caption) +
         (script_.empty() ? ": no answer queued" : ": a message box was expected"));
  }
  const DialogScript script = std::get<DialogScript>(script_.front());
  script_.pop_front();
  std::vector<std::u16string> clicked;
  const int result = PlayDialog(dialog, script, clicked);
  dialogs_.push_back({dialog, std::move(clicked), result});
  return result;
}

int ScriptedPresenter::PlayDialog(const ModalDialog& dialog, const DialogScript& script,
                                  std::vector<std::u16string>& clicked) {
  for (const std::u16string& name : script.clicks) {
    const bool key = name == kPressEnter || name == kPressEscape;
    const DialogControl* control = key ? ControlOfKey(dialog, name) : FindControl(dialog, name);
    if (!control && !key) Fail("dialog " + Quoted(dialog.caption) + " has no control " + Quoted(name));
    clicked.push_back(name);
    if (control && control->onClick) control->onClick();
    const bool closes = control ? control->modalResult != 0 : name == kPressEscape;
    if (!closes) continue;
    if (clicked.size() != script.clicks.size()) {
      Fail("dialog " + Quoted(dialog.caption) + " closed by " + Quoted(name) + " before the script's last click");
    }
    return control ? control->modalResult : kDialogClosed;
  }
  return script.closeResult;
}

bool ScriptedPresenter::OpenWithShell(const ShellRequest& request) {
  shellRequests_.push_back(request);
  return shellSucceeds_;
}

void ScriptedPresenter::Reset() {
  script_.clear();
  boxes_.clear();
  dialogs_.clear();
  shellRequests_.clear();
  failures_.clear();
}

}  // namespace corvane::ui
