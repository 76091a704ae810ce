#include "platform/input/Messages.h"

#include <thread>
#include <utility>

#include "platform/input/WindowSupport.h"
#include "platform/input/portable/WindowTable.h"

namespace corvane::input {

namespace {
// Windows of other threads would need a queue the portable backend does not
// have; they are treated as unreachable.
std::unique_ptr<WindowTable::Window> ReachableWindow(HWND window) {
  auto found = WindowTable::Instance().Find(window);
  if (!found || found->thread != std::this_thread::get_id()) return nullptr;
  return found;
}
}  // namespace

bool IsWindowAlive(HWND window) { return window && WindowTable::Instance().Find(window) != nullptr; }

LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto target = ReachableWindow(window);
  if (target && target->handler) window_support::CallHandler(*target->handler, window, message, wParam, lParam);
  return 0;  // the default handling's result for every message the system sends here
}

bool SendMessageWithCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SendCompletion completion) {
  if (!ReachableWindow(window)) return false;
  const LRESULT result = SendWindowMessage(window, message, wParam, lParam);
  if (!completion) return true;
  try {
    completion(window, message, result);
  } catch (...) {
    // As on Windows, the completion runs as a system callback.
  }
  return true;
}

int PumpMessages(DWORD) { return 0; }

}  // namespace corvane::input
