// Sending messages to windows, and the calling thread's message pump.
#pragma once

#include <functional>

#include "platform/com/com.h"

namespace corvane::input {

using SendCompletion = std::function<void(HWND window, UINT message, LRESULT result)>;

bool IsWindowAlive(HWND window);
// The window procedure's result; 0 for a window that does not exist.
LRESULT SendWindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// SendMessageCallback: to a window of the calling thread the handler runs at
// once and the completion right after it, before this returns. False (and no
// completion) when the message cannot be sent. The portable backend serves
// windows of the calling thread only.
bool SendMessageWithCallback(HWND window, UINT message, WPARAM wParam, LPARAM lParam, SendCompletion completion);
// Dispatches what the calling thread's queue holds, waiting up to idleMs for
// more after the last; the number of messages dispatched. Portable: nothing
// is ever queued.
int PumpMessages(DWORD idleMs = 0);

}  // namespace corvane::input
