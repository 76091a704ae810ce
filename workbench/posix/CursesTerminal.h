// The interactive mode's terminal through curses: the only place that
// talks to it. Colours for the pivot areas and the buttons, the mouse with
// presses, drags, releases and Ctrl, Shift on the arrows, resizing.
#pragma once

#include "workbench/interactive/TerminalBackend.h"

namespace corvane::workbench {

class CursesTerminal : public TerminalBackend {
 public:
  // std::runtime_error when the terminal cannot be used.
  CursesTerminal();
  // Gives the terminal back as it was.
  ~CursesTerminal() override;
  CursesTerminal(const CursesTerminal&) = delete;
  CursesTerminal& operator=(const CursesTerminal&) = delete;

  ScreenPoint Size() override;
  void Draw(const Canvas& canvas) override;
  InputEvent Next() override;

 private:
  InputEvent MouseEvent();
  static InputEvent KeyEvent(int key);

  bool buttonDown_ = false;
  bool releasePending_ = false;
  ScreenPoint lastPress_;
};

}  // namespace corvane::workbench
