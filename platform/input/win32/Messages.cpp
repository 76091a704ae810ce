#include "platform/input/Messages.h"

#include <memory>
#include <utility>

namespace corvane::input {

namespace {
void CALLBACK Completed(HWND window, UINT message, ULONG_PTR data, LRESULT result) {
  const std::unique_ptr<SendCompletion> completion(reinterpret_cast<SendCompletion*>(data));
  if (!*completion) return;
  try {
    (*completion)(window, message, result);
  } catch (...) {
    // A system callback: nothing may leave it.
  }
}

bool DispatchQueued() {
  MSG message;
  if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}
}  // namespace

bool IsWindowAlive(HWND window) { return window && IsWindow(window); }

LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(window, message, wParam, lParam);
}

bool SendMessageWithCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SendCompletion completion) {
  // Owned by the completion callback once the message is on its way.
  auto owned = std::make_unique<SendCompletion>(std::move(completion));
  if (!SendMessageCallbackW(window, message, wParam, lParam, &Completed, reinterpret_cast<ULONG_PTR>(owned.get()))) {
    return false;
  }
  owned.release();
  return true;
}

int PumpMessages(DWORD idleMs) {
  int dispatched = 0;
  for (;;) {
    while (DispatchQueued()) ++dispatched;
    if (idleMs == 0) return dispatched;
    if (MsgWaitForMultipleObjects(0, nullptr, FALSE, idleMs, QS_ALLINPUT) == WAIT_TIMEOUT) return dispatched;
  }
}

}  // namespace corvane::input
