// A hidden top-level window that hands its messages to its owner: tool
// window, popup, position and size 0, no parent and no menu. Its class is
// registered once per process (for this module, with the default window
// procedure) and found again after that. Once a handler is set, every
// message goes to it first and then on to the default handling, whose
// result the sender gets.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/com/com.h"

namespace corvane::input {

class HiddenWindow {
 public:
  using Handler = std::function<void(HWND window, UINT message, WPARAM wParam, LPARAM lParam)>;

  // ComError (E_OUTOFMEMORY, "Error creating window class") when the class
  // can neither be found nor registered. When the window itself cannot be
  // created, handle() is null and the object does nothing.
  HiddenWindow(std::u16string_view className, std::u16string_view text);
  ~HiddenWindow();
  HiddenWindow(const HiddenWindow&) = delete;
  HiddenWindow& operator=(const HiddenWindow&) = delete;

  HWND handle() const;
  // Replaces the window procedure by the handler (or a new handler for the
  // old one). Nothing happens without a window.
  void SetHandler(Handler handler);
  // Destroys the window (the handler sees WM_DESTROY and WM_NCDESTROY);
  // the object then has no window.
  void Destroy();

  static bool IsClassRegistered(std::u16string_view className);

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace corvane::input
