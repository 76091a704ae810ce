// The Windows presenter: the system's message boxes, a dialog built from its
// description, the shell.
#pragma once

#include "platform/ui/Presenter.h"

namespace corvane::ui {

class SystemPresenter : public Presenter {
 public:
  Button ShowMessage(const MessageBoxRequest& request) override;
  int ShowDialog(const ModalDialog& dialog) override;
  bool OpenWithShell(const ShellRequest& request) override;
};

}  // namespace corvane::ui
