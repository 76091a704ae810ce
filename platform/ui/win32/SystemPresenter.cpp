#include "platform/ui/win32/SystemPresenter.h"

#include <shellapi.h>

#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "platform/ui/MessageBoxStyle.h"
#include "platform/ui/win32/DialogWindow.h"

namespace corvane::ui {

static_assert(kStyleCancelTryContinue == MB_CANCELTRYCONTINUE && kStyleTaskModal == MB_TASKMODAL &&
              kStyleIconInformation == MB_ICONINFORMATION && kStyleIconQuestion == MB_ICONQUESTION);

Button SystemPresenter::ShowMessage(const MessageBoxRequest& request) {
  // A task-modal box with no owner is centred on the screen and disables the
  // thread's windows instead of one owner.
  HWND owner = request.centredOnScreen ? nullptr : request.owner;
  const int result = MessageBoxW(owner, com::ole(request.text), com::ole(request.caption), MessageBoxStyle(request));
  if (result == 0) throw com::ComError(HRESULT_FROM_WIN32(GetLastError()), u"The message box could not be shown");
  const std::optional<Button> button = ButtonOfResult(result);
  if (!button) throw com::ComError(E_UNEXPECTED, u"The message box returned an unknown button");
  return *button;
}

int SystemPresenter::ShowDialog(const ModalDialog& dialog) { return RunModalDialog(dialog); }

bool SystemPresenter::OpenWithShell(const ShellRequest& request) {
  const HINSTANCE result = ShellExecuteW(request.parent, com::ole(request.verb), com::ole(request.target), nullptr,
                                         nullptr, request.showCommand);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

Presenter& DefaultPresenter() {
  static SystemPresenter presenter;
  return presenter;
}

}  // namespace corvane::ui
