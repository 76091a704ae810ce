// The terminal the interactive mode runs on: its size, drawing a canvas,
// and the next thing the person did (blocking). The curses backend is the
// real one; tests feed events of their own.
#pragma once

#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/InputEvent.h"

namespace corvane::workbench {

class TerminalBackend {
 public:
  virtual ~TerminalBackend() = default;
  // Rows and columns.
  virtual ScreenPoint Size() = 0;
  virtual void Draw(const Canvas& canvas) = 0;
  // Key::Closed once the terminal is gone.
  virtual InputEvent Next() = 0;
};

}  // namespace corvane::workbench
