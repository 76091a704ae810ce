// What the person at the terminal did: a key (with Shift on arrows) or the
// mouse (a button pressed, dragged or released, or moved, at a screen cell,
// Ctrl held or not), or the terminal resized or gone.
#pragma once

namespace corvane::workbench {

enum class Key {
  None,
  Char,
  Up,
  Down,
  Left,
  Right,
  Tab,
  BackTab,
  Enter,
  Escape,
  Backspace,
  Home,
  PageUp,
  PageDown,
  Help,
  Dump,
  Mouse,
  Resize,
  Closed
};

enum class MouseAction { Press, Drag, Release, Move };

struct InputEvent {
  Key key = Key::None;
  // Key::Char.
  char32_t character = 0;
  bool shift = false;
  // Mouse: Ctrl held down.
  bool ctrl = false;
  MouseAction mouse = MouseAction::Press;
  int row = 0;
  int column = 0;

  static InputEvent Of(Key key, bool shift = false) { return {key, 0, shift}; }
  static InputEvent Char(char32_t character) { return {Key::Char, character}; }
  static InputEvent Mouse(MouseAction action, int row, int column, bool ctrl = false) {
    return {Key::Mouse, 0, false, ctrl, action, row, column};
  }
  bool IsChar(char32_t c) const { return key == Key::Char && character == c; }
};

}  // namespace corvane::workbench
