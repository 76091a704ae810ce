// What the person at the terminal does to Excel, done the way the scripts
// do it (the script interpreter's commands where there is one), each
// recorded in the action log with the calls and events it caused; a
// refusal becomes the status line's note.
#pragma once

#include <sstream>
#include <string>

#include "sim/excel/model/WindowModel.h"
#include "workbench/ScriptRunner.h"
#include "workbench/interactive/ActionLog.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::workbench {

class Session;

class UserActions {
 public:
  UserActions(Session& session, ActionLog& log, ViewState& state);

  void Select(const sim::excel::Selection& selection);
  // By the button's index on the toolbar (0-based).
  void ClickButton(int index, bool ctrl);
  void ActivateSheet(int index);
  // The sheet `step` tabs away, round the workbook.
  void NextSheet(int step);
  void NextWorkbook();
  void Restart();
  void Unload();
  void Load();
  // Excel's own quit; false (and a note) when a workbook refused to close.
  bool Quit();
  // Records what happened outside an action (Excel's start).
  void Record(const std::string& action);

 private:
  // A script line; false when it failed.
  bool Run(const std::string& line);

  Session& session_;
  ActionLog& log_;
  ViewState& state_;
  std::ostringstream out_;
  std::ostringstream errors_;
  ScriptRunner runner_;
  int lines_ = 0;
};

}  // namespace corvane::workbench
