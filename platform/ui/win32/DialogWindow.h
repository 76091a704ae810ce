// Runs a dialog description as a real modal Windows dialog.
#pragma once

#include "platform/ui/ModalDialog.h"

namespace corvane::ui {

// The dialog's modal result. An exception from a control's click handler
// closes the dialog and is rethrown here, outside the window procedure.
int RunModalDialog(const ModalDialog& dialog);

}  // namespace corvane::ui
