// A module's keyboard shortcuts while they are switched on: a keyboard hook
// on the calling (user-interface) thread and the module's hidden window.
// A key press is composed into its shortcut text (Ctrl, Shift, Alt in that
// order, then the key's name, upper-cased), looked up in a map rebuilt from
// the module's buttons, and on a match swallowed and sent to the window,
// which clicks the button before the hook returns.
//
// One hook and one window per process: switching on for a module takes
// them over from any module that had them.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/commandbars/ShortcutMap.h"
#include "framework/commandbars/TkvxNativeWindow.h"
#include "platform/com/com.h"
#include "platform/input/KeyboardHook.h"

namespace corvane::framework {

class TkvxBarModule;

class ShortcutKeys {
 public:
  // The window gets WindowText as its text. ComError when the window class
  // or the hook cannot be had.
  ShortcutKeys(TkvxBarModule& Module, std::u16string_view WindowText);
  ~ShortcutKeys();
  ShortcutKeys(const ShortcutKeys&) = delete;
  ShortcutKeys& operator=(const ShortcutKeys&) = delete;

  // The process's shortcuts, or null.
  static ShortcutKeys* Current();
  HWND WindowHandle() const;

  // The text of a key press with the modifiers held now; nothing for the
  // modifiers themselves, repeats, releases and keys without a name.
  static std::optional<std::u16string> ShortcutTextOf(WPARAM VirtualKey, LPARAM KeyData);

 private:
  LRESULT OnKey(int Code, WPARAM VirtualKey, LPARAM KeyData);
  // True when the key matched and went to the window.
  bool Dispatch(WPARAM VirtualKey, LPARAM KeyData);
  // Gives up the hook and the window to the module switching on after.
  void HandOver();

  TkvxBarModule& module_;
  ShortcutMap map_;
  std::unique_ptr<TkvxNativeWindow> window_;
  std::unique_ptr<input::KeyboardHook> hook_;
};

}  // namespace corvane::framework
