#include "workbench/BoxRecorder.h"

#include <algorithm>

#include "platform/com/Text.h"

namespace corvane::workbench {

ui::Button BoxRecorder::ShowMessage(const ui::MessageBoxRequest& request) {
  ui::Button answer = request.buttons.front();
  if (!answers_.empty()) {
    const auto offered = std::find(request.buttons.begin(), request.buttons.end(), answers_.front());
    if (offered != request.buttons.end()) answer = *offered;
    answers_.pop_front();
  } else if (answerer_) {
    answer = answerer_->AnswerMessage(request);
  }
  shown_.push_back({request.caption, request.text, request.buttons, com::Utf8ToUtf16(ui::ButtonName(answer)), false});
  return answer;
}

std::u16string BoxRecorder::DialogText(const ui::ModalDialog& dialog) {
  std::u16string text;
  for (const auto& control : dialog.controls) {
    if (control.kind == ui::ControlKind::Label || control.kind == ui::ControlKind::Link) {
      if (!text.empty()) text += u'\n';
      text += control.text;
    }
  }
  return text;
}

int BoxRecorder::ShowDialog(const ui::ModalDialog& dialog) {
  ShownBox box{dialog.caption, DialogText(dialog), {}, {}, true};
  const ui::DialogControl* button = answerer_ ? answerer_->AnswerDialog(dialog) : ui::DefaultButton(dialog);
  box.answer = button ? button->text : u"(closed)";
  shown_.push_back(std::move(box));
  return button && button->modalResult ? button->modalResult : ui::kDialogClosed;
}

bool BoxRecorder::OpenWithShell(const ui::ShellRequest& request) {
  shown_.push_back({u"Shell", request.verb + u" " + request.target, {}, u"opened", false});
  return true;
}

}  // namespace corvane::workbench
