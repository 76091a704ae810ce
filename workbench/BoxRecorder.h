// The workbench's presenter: every message box and dialog the add-in shows
// is recorded for the screen, and answered with the answer the script
// queued ("answer Yes"), else by the answerer when there is one (the person
// at the terminal), else as Enter would (the box's first button, the
// dialog's default button).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/ui/Presenter.h"
#include "workbench/BoxAnswerer.h"

namespace corvane::workbench {

struct ShownBox {
  std::u16string caption;
  // The message, or the dialog's texts one per line.
  std::u16string text;
  std::vector<ui::Button> buttons;
  // "Yes", "OK", or the dialog's button that closed it.
  std::u16string answer;
  bool dialog = false;
};

class BoxRecorder : public ui::Presenter {
 public:
  void QueueAnswer(ui::Button answer) { answers_.push_back(answer); }
  size_t PendingAnswers() const { return answers_.size(); }
  // Null: nobody is asked. The caller keeps ownership.
  void set_answerer(BoxAnswerer* answerer) { answerer_ = answerer; }

  ui::Button ShowMessage(const ui::MessageBoxRequest& request) override;
  int ShowDialog(const ui::ModalDialog& dialog) override;
  bool OpenWithShell(const ui::ShellRequest& request) override;

  // A dialog's labels and links, one per line.
  static std::u16string DialogText(const ui::ModalDialog& dialog);

  // Everything shown since the start.
  const std::vector<ShownBox>& Shown() const { return shown_; }

 private:
  BoxAnswerer* answerer_ = nullptr;
  std::deque<ui::Button> answers_;
  std::vector<ShownBox> shown_;
};

}  // namespace corvane::workbench
