// The host of the most recent start-up in the process: its kind and its main
// window. Both are process-wide and written only from the host's user-
// interface thread; the main window outlives a connection, so that a later
// start-up that finds no main window falls back on the one found before.
#pragma once

#include <optional>

#include "framework/commandbars/OfficeHostApp.h"
#include "platform/com/com.h"

namespace corvane::framework {

// Empty before any start-up and after one whose host was not recognised.
std::optional<TkvxOfficeHostApp> CurrentHostKind();
void SetCurrentHostKind(std::optional<TkvxOfficeHostApp> Kind);
// The current host has a main window class ("XLMAIN" for Excel).
bool CurrentHostHasMainWindow();

// Null until one was found.
HWND HostMainWindow();
// Looks for the host's main window among the current thread's top-level
// windows (exact class name); the first match becomes the host main window.
// Returns the host main window: the previous one when nothing matched and
// it still exists, else null.
HWND SearchHostMainWindow(TkvxOfficeHostApp Kind);
// Forgets the main window (tests start from a clean process state).
void ResetHostMainWindow();

}  // namespace corvane::framework
