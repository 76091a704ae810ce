#include "addin/Messages.h"

#include "platform/ui/DialogOwner.h"
#include "platform/ui/MessageBox.h"

namespace corvane::addin {

std::u16string NotNumberMessage(std::u16string_view fieldName) {
  return u"Field \"" + std::u16string(fieldName) + u"\" is not number.";
}

void ShowPlainMessage(std::u16string_view text) {
  ui::MessageBoxRequest request;
  request.owner = ui::DialogOwner();
  request.text = std::u16string(text);
  request.caption = kMessageCaption;
  ui::ShowMessageBox(request);
}

bool ConfirmClearFormat() {
  ui::MessageBoxRequest request;
  request.owner = ui::DialogOwner();
  request.text = kClearFormatQuestion;
  request.caption = kConfirmCaption;
  request.buttons = {ui::Button::Yes, ui::Button::No};
  request.icon = ui::Icon::Question;
  return ui::ShowMessageBox(request) == ui::Button::Yes;
}

}  // namespace corvane::addin
