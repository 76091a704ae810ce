#include "platform/ui/ShellRequest.h"

#include "platform/ui/Presenter.h"

namespace corvane::ui {

bool ShellOpen(HWND parent, const std::u16string& target, int showCommand) {
  return CurrentPresenter().OpenWithShell({parent, u"open", target, showCommand});
}

}  // namespace corvane::ui
