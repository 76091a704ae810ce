// Modal message boxes: what the add-in asks and the button the user pressed.
// Every box goes through the current presenter (Presenter.h), so tests and
// the workbench decide how it is shown.
#pragma once

#include <string>
#include <vector>

#include "platform/com/com.h"

namespace corvane::ui {

enum class Button { Ok, Cancel, Abort, Retry, Ignore, Yes, No };
enum class Icon { None, Information, Warning, Error, Question };

struct MessageBoxRequest {
  HWND owner = nullptr;
  std::u16string text;
  std::u16string caption;
  // In the order the box shows them.
  std::vector<Button> buttons{Button::Ok};
  Icon icon = Icon::None;
  // Centred on the screen rather than on the owner.
  bool centredOnScreen = false;
};

// Shows the box modally and returns the button pressed. A button list no
// Windows message box offers is rejected (ComError E_INVALIDARG) before
// anything is shown, in both builds alike.
Button ShowMessageBox(const MessageBoxRequest& request);

// "OK", "Cancel", ... for messages and test output.
const char* ButtonName(Button button);
std::string ButtonListText(const std::vector<Button>& buttons);

}  // namespace corvane::ui
