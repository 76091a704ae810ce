// The window that owns the add-in's dialogs and message boxes: the host's
// main window once the add-in has found it, else none.
#pragma once

#include "platform/com/com.h"

namespace corvane::ui {

HWND DialogOwner();
void SetDialogOwner(HWND owner);

}  // namespace corvane::ui
