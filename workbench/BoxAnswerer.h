// Someone who answers the add-in's boxes when no answer was queued for them:
// the person at the terminal in the interactive mode.
#pragma once

#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"

namespace corvane::workbench {

class BoxAnswerer {
 public:
  virtual ~BoxAnswerer() = default;
  // One of the request's buttons.
  virtual ui::Button AnswerMessage(const ui::MessageBoxRequest& request) = 0;
  // The push button that closed the dialog; null when it was closed
  // otherwise.
  virtual const ui::DialogControl* AnswerDialog(const ui::ModalDialog& dialog) = 0;
};

}  // namespace corvane::workbench
