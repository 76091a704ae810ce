// The module's hidden window that clicks a button on a shortcut: the hook
// sends it WM_KEYDOWN with the index of the matching entry of the shortcut
// map. A shortcut entry clicks an enabled bound button; an Alt accelerator
// entry only when, besides, the button and its bar are visible and the bar
// is enabled and not a popup menu.
#pragma once

#include <string_view>

#include "platform/com/com.h"
#include "platform/input/HiddenWindow.h"

namespace corvane::framework {

class ShortcutMap;
class TkvxBarModule;

class TkvxNativeWindow {
 public:
  // The window class is named after this class. ComError (E_OUTOFMEMORY,
  // "Error creating window class") when the class cannot be registered.
  TkvxNativeWindow(TkvxBarModule& Module, const ShortcutMap& Map, std::u16string_view Text);

  HWND Handle() const { return window_.handle(); }

 private:
  void Handle(UINT Message, WPARAM WParam);
  // A click's exception goes to HandleError; any other one is dropped.
  void OnShortcut(size_t Index);

  TkvxBarModule& module_;
  const ShortcutMap& map_;
  input::HiddenWindow window_;
};

}  // namespace corvane::framework
