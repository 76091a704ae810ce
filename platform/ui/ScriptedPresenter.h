// A presenter that plays answers queued by a test and records everything it
// was shown. A box or dialog for which no fitting answer is queued is a test
// failure, never a wait: it is recorded, reported and thrown.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "platform/ui/Presenter.h"

namespace corvane::ui {

// Thrown for a box or dialog the script did not expect.
class UnscriptedPrompt : public std::logic_error {
 public:
  explicit UnscriptedPrompt(const std::string& message) : std::logic_error(message) {}
};

// How a scripted dialog is played: the named controls are clicked in order;
// a click on a control with a modal result closes the dialog with it,
// otherwise the dialog closes with closeResult after the last click.
// Two entries press a key instead: Enter presses the default button, Escape
// the cancel button; Escape in a dialog without one closes it as its close
// box does (kDialogClosed), Enter in one without a default does nothing.
inline constexpr char16_t kPressEnter[] = u"{Enter}";
inline constexpr char16_t kPressEscape[] = u"{Escape}";

struct DialogScript {
  std::vector<std::u16string> clicks;
  int closeResult = kDialogClosed;
};

struct RecordedBox {
  MessageBoxRequest request;
  Button answer;
};

struct RecordedDialog {
  ModalDialog dialog;
  std::vector<std::u16string> clicked;
  int result;
};

class ScriptedPresenter : public Presenter {
 public:
  void QueueAnswer(Button answer);
  void QueueDialog(DialogScript script);
  // What OpenWithShell reports (true at first).
  void SetShellSucceeds(bool succeeds) { shellSucceeds_ = succeeds; }
  // Called with each failure's text before it is thrown, so a test framework
  // can record it even where the caller swallows the exception.
  void SetFailureReporter(std::function<void(const std::string&)> reporter) { reporter_ = std::move(reporter); }

  Button ShowMessage(const MessageBoxRequest& request) override;
  int ShowDialog(const ModalDialog& dialog) override;
  bool OpenWithShell(const ShellRequest& request) override;

  const std::vector<RecordedBox>& Boxes() const { return boxes_; }
  const std::vector<RecordedDialog>& Dialogs() const { return dialogs_; }
  const std::vector<ShellRequest>& ShellRequests() const { return shellRequests_; }
  const std::vector<std::string>& Failures() const { return failures_; }
  // Answers queued and not yet used.
  std::size_t Pending() const { return script_.size(); }
  // Forgets the script and everything recorded.
  void Reset();

 private:
  using Step = std::variant<Button, DialogScript>;
  [[noreturn]] void Fail(const std::string& message);
  int PlayDialog(const ModalDialog& dialog, const DialogScript& script, std::vector<std::u16string>& clicked);

  std::deque<Step> script_;
  std::vector<RecordedBox> boxes_;
  std::vector<RecordedDialog> dialogs_;
  std::vector<ShellRequest> shellRequests_;
  std::vector<std::string> failures_;
  std::function<void(const std::string&)> reporter_;
  bool shellSucceeds_ = true;
};

}  // namespace corvane::ui
