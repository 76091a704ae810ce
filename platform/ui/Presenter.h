// The seam between the system and whatever shows its modal user interface:
// the Win32 backend's system presenter, a scripted presenter in tests, a
// terminal presenter in the workbench.
#pragma once

#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "platform/ui/ShellRequest.h"

namespace corvane::ui {

class Presenter {
 public:
  virtual ~Presenter() = default;
  // The request's button list is already known to be valid.
  virtual Button ShowMessage(const MessageBoxRequest& request) = 0;
  // Returns the dialog's modal result.
  virtual int ShowDialog(const ModalDialog& dialog) = 0;
  virtual bool OpenWithShell(const ShellRequest& request) = 0;
};

// The presenter in use: the one last installed, else the backend's default
// (Win32: the system's boxes and shell; portable: a scripted presenter with
// nothing queued, so any box is reported as unexpected).
Presenter& CurrentPresenter();
// Null restores the default. The caller keeps ownership.
void SetPresenter(Presenter* presenter);
Presenter& DefaultPresenter();

// Installs a presenter for the scope and puts the previous one back.
class ScopedPresenter {
 public:
  explicit ScopedPresenter(Presenter& presenter);
  ~ScopedPresenter();
  ScopedPresenter(const ScopedPresenter&) = delete;
  ScopedPresenter& operator=(const ScopedPresenter&) = delete;

 private:
  Presenter* previous_;
};

}  // namespace corvane::ui
