#include "platform/ui/MessageBox.h"

#include "platform/ui/MessageBoxStyle.h"
#include "platform/ui/Presenter.h"

namespace corvane::ui {

Button ShowMessageBox(const MessageBoxRequest& request) {
  MessageBoxStyle(request);  // rejects an unmappable button list
  return CurrentPresenter().ShowMessage(request);
}

const char* ButtonName(Button button) {
  static const char* const names[] = {"OK", "Cancel", "Abort", "Retry", "Ignore", "Yes", "No"};
  return names[static_cast<int>(button)];
}

std::string ButtonListText(const std::vector<Button>& buttons) {
  std::string text;
  for (Button button : buttons) {
    if (!text.empty()) text += ", ";
    text += ButtonName(button);
  }
  return text;
}

}  // namespace corvane::ui
