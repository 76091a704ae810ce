// The one key state the add-in's commands look at.
#pragma once

namespace corvane::ui {

// True while a Ctrl key is down (the high bit of its asynchronous state).
bool IsCtrlDown();

}  // namespace corvane::ui
