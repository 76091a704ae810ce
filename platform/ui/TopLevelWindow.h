// A top-level window of a given class, owned for its lifetime by the thread
// that creates it: a real hidden window on Windows, a simulated one in the
// portable build. The simulated host and the tests make their main windows
// with it.
#pragma once

#include <string>

#include "platform/com/com.h"

namespace corvane::ui {

class TopLevelWindow {
 public:
  // ComError when the window cannot be created.
  TopLevelWindow(std::u16string className, std::u16string title);
  ~TopLevelWindow();
  TopLevelWindow(const TopLevelWindow&) = delete;
  TopLevelWindow& operator=(const TopLevelWindow&) = delete;

  HWND handle() const { return handle_; }

 private:
  std::u16string className_;
  HWND handle_ = nullptr;
};

}  // namespace corvane::ui
