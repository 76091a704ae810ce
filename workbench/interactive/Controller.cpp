#include "workbench/interactive/Controller.h"

#include <algorithm>

#include "sim/excel/model/AppModel.h"
#include "sim/office/addins/AddInEntry.h"
#include "sim/office/model/Bar.h"
#include "workbench/Session.h"
#include "workbench/interactive/SelectionEditor.h"

namespace corvane::workbench {
namespace {

using sim::excel::CellRef;

struct Step {
  int rows = 0;
  int columns = 0;
};

std::optional<Step> ArrowStep(Key key) {
  switch (key) {
    case Key::Up:
      return Step{-1, 0};
    case Key::Down:
    case Key::Enter:
      return Step{1, 0};
    case Key::Left:
      return Step{0, -1};
    case Key::Right:
      return Step{0, 1};
    default:
      return std::nullopt;
  }
}

// The corner of the last area away from the active cell.
CellRef FarCorner(const sim::excel::Selection& selection) {
  const auto& area = selection.areas.rects().back();
  const CellRef active = selection.active_cell;
  return {active.row == area.top ? area.bottom : area.top, active.column == area.left ? area.right : area.left};
}

}  // namespace

Controller::Controller(Session& session, ViewState& state, UserActions& actions, BoxAsker& asker)
    : session_(session), state_(state), actions_(actions), asker_(asker) {}

Outcome Controller::Handle(const InputEvent& event, const HitMap& hits) {
  if (!session_.running()) return event.IsChar('q') ? Outcome::Quit : Outcome::Continue;
  if (state_.showHelp && event.key != Key::Mouse && event.key != Key::Resize) {
    state_.showHelp = false;
    return Outcome::Continue;
  }
  if (event.key == Key::Mouse) {
    Mouse(event, hits);
    return Outcome::Continue;
  }
  if (event.key == Key::Char) return Command(event);
  if (event.key == Key::Help) {
    state_.showHelp = true;
  } else if (event.key == Key::Tab || event.key == Key::BackTab) {
    state_.focus = state_.focus == Focus::Sheet && ButtonCount() > 0 ? Focus::Toolbar : Focus::Sheet;
    state_.hoveredButton.reset();
  } else if (event.key == Key::Escape) {
    state_.focus = Focus::Sheet;
  } else if (state_.focus == Focus::Toolbar) {
    ToolbarKey(event);
  } else {
    SheetKey(event);
  }
  return Outcome::Continue;
}

Outcome Controller::Command(const InputEvent& event) {
  switch (event.character) {
    case 'q':
      return actions_.Quit() ? Outcome::Quit : Outcome::Continue;
    case '?':
      state_.showHelp = true;
      break;
    case 'c':
      state_.ctrlLatched = !state_.ctrlLatched;
      state_.note = state_.ctrlLatched ? "Ctrl is held: clicks and arrows add areas, buttons get Ctrl+click."
                                       : "Ctrl is released.";
      break;
    case 'l':
      state_.showCalls = !state_.showCalls;
      break;
    case 'a':
      AddInsDialog();
      break;
    case 'R':
      actions_.Restart();
      break;
    case '[':
      actions_.NextSheet(-1);
      break;
    case ']':
      actions_.NextSheet(1);
      break;
    case 'w':
      actions_.NextWorkbook();
      break;
    case ' ':
      if (state_.focus == Focus::Toolbar) ToolbarKey(InputEvent::Of(Key::Enter));
      break;
    default:
      break;
  }
  return Outcome::Continue;
}

void Controller::SheetKey(const InputEvent& event) {
  const auto step = ArrowStep(event.key);
  const auto selection = session_.app().selection();
  if (!step || !selection) return;
  if (event.shift && event.key != Key::Enter) {
    CellRef corner = state_.extendCorner.value_or(FarCorner(*selection));
    const auto extended = SelectionEditor::Extend(*selection, corner, step->rows, step->columns);
    actions_.Select(extended);
    state_.extendCorner = corner;
    return;
  }
  state_.extendCorner.reset();
  const CellRef next = SelectionEditor::Moved(selection->active_cell, step->rows, step->columns);
  actions_.Select(state_.ctrlLatched ? SelectionEditor::AddCell(*selection, next) : SelectionEditor::Single(next));
}

void Controller::ToolbarKey(const InputEvent& event) {
  const int count = ButtonCount();
  if (count == 0) {
    state_.focus = Focus::Sheet;
    return;
  }
  int& focused = state_.focusedButton;
  switch (event.key) {
    case Key::Left:
    case Key::Up:
      focused = (focused + count - 1) % count;
      break;
    case Key::Right:
    case Key::Down:
      focused = (focused + 1) % count;
      break;
    case Key::Home:
      focused = 0;
      break;
    case Key::Enter:
      actions_.ClickButton(focused, state_.ctrlLatched);
      break;
    default:
      break;
  }
  state_.focusedButton = std::min(state_.focusedButton, std::max(ButtonCount() - 1, 0));
}

void Controller::Mouse(const InputEvent& event, const HitMap& hits) {
  const Target target = hits.At(event.row, event.column);
  if (event.mouse == MouseAction::Move || event.mouse == MouseAction::Drag || event.mouse == MouseAction::Release) {
    state_.hoveredButton = target.kind == TargetKind::Button && event.mouse == MouseAction::Move
                               ? std::optional(target.index)
                               : std::nullopt;
    if (state_.dragStart && target.kind == TargetKind::Cell && event.mouse != MouseAction::Move) DragTo(target.cell);
    if (event.mouse == MouseAction::Release) state_.dragStart.reset();
    return;
  }
  state_.showHelp = false;
  switch (target.kind) {
    case TargetKind::Cell:
      PressCell(target.cell, WithCtrl(event.ctrl));
      break;
    case TargetKind::Button:
      state_.focusedButton = target.index;
      actions_.ClickButton(target.index, WithCtrl(event.ctrl));
      break;
    case TargetKind::Tab:
      actions_.ActivateSheet(target.index);
      break;
    default:
      break;
  }
}

void Controller::PressCell(CellRef cell, bool ctrl) {
  const auto selection = session_.app().selection();
  if (!selection) return;
  state_.focus = Focus::Sheet;
  state_.extendCorner.reset();
  state_.dragStart = cell;
  actions_.Select(ctrl ? SelectionEditor::AddCell(*selection, cell) : SelectionEditor::Single(cell));
}

void Controller::DragTo(CellRef cell) {
  const auto selection = session_.app().selection();
  if (!selection) return;
  const auto spanned = SelectionEditor::Span(*selection, *state_.dragStart, cell);
  if (spanned.areas.rects() == selection->areas.rects() && spanned.active_cell == selection->active_cell) return;
  actions_.Select(spanned);
}

void Controller::AddInsDialog() {
  const auto entry = session_.addIn();
  if (!entry) {
    state_.note = "Corvane is not in the COM Add-ins list.";
    return;
  }
  const bool connected = entry->connected;
  ModalBox box("COM Add-ins",
               {"Add-ins available:", std::string(connected ? "[x]" : "[ ]") + " Corvane (CVFM.eaCVFM), " +
                                          (connected ? "loaded" : "not loaded")},
               {connected ? "Unload" : "Load", "Cancel"});
  box.set_cancel(1);
  if (asker_.Ask(box) != 0) return;
  if (connected) {
    actions_.Unload();
  } else {
    actions_.Load();
  }
}

int Controller::ButtonCount() const {
  const auto bar = session_.toolbar();
  return bar && bar->props().visible ? static_cast<int>(bar->Controls().size()) : 0;
}

}  // namespace corvane::workbench
