// The workbench's presenter: every message box and dialog the add-in shows
// is recorded for the screen, and answered with the answer the script
// queued ("answer Yes"), else by the answerer when there is one (the person
// at the terminal), else as Enter would (the box's first button, the
// dialog's default button). Boxes the system shows itself (the add-in
// library's own, on Windows) come from the dialog watcher's thread and are
// recorded and answered the same way.
#pragma once

#include <deque>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/DialogAnswerer.h"
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
  void QueueAnswer(ui::Button answer);
  size_t PendingAnswers() const;
  // Null: nobody is asked. The caller keeps ownership.
  void set_answerer(BoxAnswerer* answerer) { answerer_ = answerer; }

  ui::Button ShowMessage(const ui::MessageBoxRequest& request) override;
  int ShowDialog(const ui::ModalDialog& dialog) override;
  bool OpenWithShell(const ui::ShellRequest& request) override;
  // A system box: the button to press (the queued answer when offered,
  // else the default button, else the first). Any thread.
  std::optional<size_t> AnswerSystemBox(const ui::SeenDialog& seen);

  // A dialog's labels and links, one per line.
  static std::u16string DialogText(const ui::ModalDialog& dialog);

  // Everything shown since the start.
  std::vector<ShownBox> Shown() const;
  // How many were shown, and those from the `from`th on: what a screen or
  // check that marks its place reads, at the cost of the new boxes only.
  size_t ShownCount() const;
  std::vector<ShownBox> ShownSince(size_t from) const;

 private:
  std::optional<ui::Button> TakeAnswer();
  void Record(ShownBox box);

  mutable std::mutex mutex_;
  BoxAnswerer* answerer_ = nullptr;
  std::deque<ui::Button> answers_;
  std::vector<ShownBox> shown_;
};

}  // namespace corvane::workbench
