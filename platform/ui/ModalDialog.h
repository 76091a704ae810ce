// A modal dialog described as data (the About box is one), so that the
// presenter can build it with the system's dialogs or play it from a script.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/com/com.h"
#include "platform/ui/Bitmap.h"

namespace corvane::ui {

enum class ControlKind { Label, Link, Picture, PushButton };

struct DialogControl {
  std::u16string name;
  ControlKind kind = ControlKind::Label;
  // Client pixels.
  int left = 0, top = 0, width = 0, height = 0;
  std::u16string text;
  // Non-zero: clicking closes the dialog with this result.
  int modalResult = 0;
  // Enter presses the default button, Escape the cancel button.
  bool isDefault = false;
  bool isCancel = false;
  // Runs on a click; the dialog stays open unless modalResult is set.
  std::function<void()> onClick;
  // What a Picture control shows, drawn from its top-left corner and
  // clipped to the control.
  Bitmap picture{};
};

struct ModalDialog {
  HWND owner = nullptr;
  std::u16string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  bool centredOnScreen = true;
  std::vector<DialogControl> controls;
};

// Result of a dialog closed by the system menu or Alt+F4 (as IDCANCEL).
inline constexpr int kDialogClosed = 2;

// The button Enter presses and the one Escape presses: the first marked so,
// or null.
const DialogControl* DefaultButton(const ModalDialog& dialog);
const DialogControl* CancelButton(const ModalDialog& dialog);

}  // namespace corvane::ui
