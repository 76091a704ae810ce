// The user of a sweep: every box is answered with its first button (Yes to
// the one question), every dialog closed, and each is written down as a
// line "<caption>: <text>", so a run can be held against what it may show.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/com/Text.h"
#include "platform/ui/Presenter.h"

namespace corvane::sweep {

class SweepPresenter final : public ui::Presenter {
 public:
  ui::Button ShowMessage(const ui::MessageBoxRequest& request) override {
    shown_.push_back(com::Utf16ToUtf8(request.caption + u": " + request.text));
    return request.buttons.empty() ? ui::Button::Ok : request.buttons.front();
  }
  int ShowDialog(const ui::ModalDialog& dialog) override {
    shown_.push_back(com::Utf16ToUtf8(u"dialog " + dialog.caption));
    return ui::kDialogClosed;
  }
  bool OpenWithShell(const ui::ShellRequest&) override { return true; }

  // What was shown since the last Take, in order.
  std::vector<std::string> Take() { return std::exchange(shown_, {}); }

 private:
  std::vector<std::string> shown_;
};

}  // namespace corvane::sweep
