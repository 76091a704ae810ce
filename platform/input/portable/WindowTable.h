// The portable windows and window classes of the process. A window belongs
// to the thread that created it; class names compare without case.
#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>

#include "platform/input/HiddenWindow.h"

namespace corvane::input {

class WindowTable {
 public:
  struct Window {
    std::thread::id thread;
    std::u16string className;
    std::u16string text;
    std::shared_ptr<const HiddenWindow::Handler> handler;
  };

  static WindowTable& Instance();

  // True when the class exists afterwards.
  bool RegisterClass(std::u16string_view className);
  bool IsClassRegistered(std::u16string_view className) const;

  // Null when the class is not registered.
  HWND Create(std::u16string_view className, std::u16string_view text);
  void SetHandler(HWND window, HiddenWindow::Handler handler);
  // A copy, so that handlers run without the table locked.
  std::unique_ptr<Window> Find(HWND window) const;
  void Remove(HWND window);

 private:
  mutable std::mutex lock_;
  std::set<std::u16string> classes_;  // upper-cased
  std::map<HWND, Window> windows_;
  uintptr_t nextHandle_ = 0x20000;
};

}  // namespace corvane::input
