// A request to the shell to carry out a verb on a document or address.
#pragma once

#include <string>

#include "platform/com/com.h"

namespace corvane::ui {

// SW_RESTORE, the show mode the About box's links use.
inline constexpr int kShowRestore = 9;

struct ShellRequest {
  HWND parent = nullptr;
  std::u16string verb;
  std::u16string target;
  int showCommand = kShowRestore;
};

// Hands the shell the "open" verb on target through the current presenter.
// True when the shell reports success; callers may ignore it.
bool ShellOpen(HWND parent, const std::u16string& target, int showCommand = kShowRestore);

}  // namespace corvane::ui
