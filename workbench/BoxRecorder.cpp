#include "workbench/BoxRecorder.h"

#include <algorithm>
#include <cstddef>

#include "platform/com/Text.h"

namespace corvane::workbench {

void BoxRecorder::QueueAnswer(ui::Button answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  answers_.push_back(answer);
}

size_t BoxRecorder::PendingAnswers() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return answers_.size();
}

std::vector<ShownBox> BoxRecorder::Shown() const { return ShownSince(0); }

size_t BoxRecorder::ShownCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return shown_.size();
}

std::vector<ShownBox> BoxRecorder::ShownSince(size_t from) const {
  std::lock_guard<std::mutex> lock(mutex_);
  if (from >= shown_.size()) return {};
  return {shown_.begin() + static_cast<std::ptrdiff_t>(from), shown_.end()};
}

std::optional<ui::Button> BoxRecorder::TakeAnswer() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (answers_.empty()) return std::nullopt;
  const ui::Button answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void BoxRecorder::Record(ShownBox box) {
  std::lock_guard<std::mutex> lock(mutex_);
  shown_.push_back(std::move(box));
}

// A queued answer the box does not offer is used up all the same, as the
// script's next line would otherwise answer the wrong box.
ui::Button BoxRecorder::ShowMessage(const ui::MessageBoxRequest& request) {
  ui::Button answer = request.buttons.front();
  if (const auto queued = TakeAnswer()) {
    const auto offered = std::find(request.buttons.begin(), request.buttons.end(), *queued);
    if (offered != request.buttons.end()) answer = *offered;
  } else if (answerer_) {
    answer = answerer_->AnswerMessage(request);
  }
  Record({request.caption, request.text, request.buttons, com::Utf8ToUtf16(ui::ButtonName(answer)), false});
  return answer;
}

std::optional<size_t> BoxRecorder::AnswerSystemBox(const ui::SeenDialog& seen) {
  const auto& buttons = seen.buttons;
  auto chosen = std::find_if(buttons.begin(), buttons.end(), [](const auto& button) { return button.isDefault; });
  if (chosen == buttons.end()) chosen = buttons.begin();
  if (const auto queued = TakeAnswer()) {
    const auto offered =
        std::find_if(buttons.begin(), buttons.end(), [&](const auto& button) { return button.standard == queued; });
    if (offered != buttons.end()) chosen = offered;
  }
  ShownBox box{seen.caption, {}, {}, chosen == buttons.end() ? u"(closed)" : chosen->text, true};
  for (const auto& text : seen.texts) box.text += (box.text.empty() ? u"" : u"\n") + text;
  for (const auto& button : buttons) {
    if (button.standard) box.buttons.push_back(*button.standard);
  }
  // A message box: all its buttons are standard ones.
  box.dialog = buttons.empty() || box.buttons.size() != buttons.size();
  Record(std::move(box));
  if (chosen == buttons.end()) return std::nullopt;
  return static_cast<size_t>(chosen - buttons.begin());
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
  Record(std::move(box));
  return button && button->modalResult ? button->modalResult : ui::kDialogClosed;
}

bool BoxRecorder::OpenWithShell(const ui::ShellRequest& request) {
  Record({u"Shell", request.verb + u" " + request.target, {}, u"opened", false});
  return true;
}

}  // namespace corvane::workbench
