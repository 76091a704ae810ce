// The interactive screen's keys and mouse (HelpPane lists them): moves the
// active cell and the selection, the focus between the sheet and the
// toolbar, clicks buttons, switches sheets and workbooks, opens the COM
// Add-ins dialog, restarts and quits Excel, shows and hides the panes.
#pragma once

#include "workbench/interactive/BoxAsker.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/InputEvent.h"
#include "workbench/interactive/UserActions.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::workbench {

class Session;

enum class Outcome { Continue, Quit };

class Controller {
 public:
  Controller(Session& session, ViewState& state, UserActions& actions, BoxAsker& asker);

  // `hits` is what the screen showed when the event came.
  Outcome Handle(const InputEvent& event, const HitMap& hits);

 private:
  Outcome Command(const InputEvent& event);
  void SheetKey(const InputEvent& event);
  void ToolbarKey(const InputEvent& event);
  void Mouse(const InputEvent& event, const HitMap& hits);
  void PressCell(sim::excel::CellRef cell, bool ctrl);
  void DragTo(sim::excel::CellRef cell);
  void AddInsDialog();
  int ButtonCount() const;
  bool WithCtrl(bool reported) const { return reported || state_.ctrlLatched; }

  Session& session_;
  ViewState& state_;
  UserActions& actions_;
  BoxAsker& asker_;
};

}  // namespace corvane::workbench
