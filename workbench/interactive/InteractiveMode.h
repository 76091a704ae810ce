// The workbench with a person at the terminal: paints the screen, hands
// each key and mouse action to the controller and puts the add-in's boxes
// and Excel's number format dialog in front of the person, until the
// person quits Excel (q) or the terminal goes. F12 writes the screen's
// text to screen.txt in the data folder.
#pragma once

#include <filesystem>

#include "workbench/interactive/ActionLog.h"
#include "workbench/interactive/Controller.h"
#include "workbench/interactive/ModalLoop.h"
#include "workbench/interactive/TerminalBackend.h"
#include "workbench/interactive/UserActions.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::workbench {

class Session;

class InteractiveMode {
 public:
  // Answers the session's boxes from now on; the session may start after.
  InteractiveMode(Session& session, TerminalBackend& terminal);
  // Leaves the boxes to the session's presenter again.
  ~InteractiveMode();
  InteractiveMode(const InteractiveMode&) = delete;
  InteractiveMode& operator=(const InteractiveMode&) = delete;

  // Until Excel quits or the terminal is gone; Excel has quit at the end
  // unless a workbook refused to close when the terminal went.
  void Run();
  static std::filesystem::path DumpFile(const Session& session);

 private:
  void Paint(Canvas& canvas, HitMap& hits);
  void Dump(const Canvas& canvas);

  Session& session_;
  TerminalBackend& terminal_;
  ViewState state_;
  ActionLog log_;
  UserActions actions_;
  ModalLoop modal_;
  Controller controller_;
};

}  // namespace corvane::workbench
