// The interactive mode's parts that need no terminal and no Excel: how keys
// and the mouse change a selection, how a modal box takes keys and clicks,
// scrolling the sheet, the hit map, the canvas and the host-call lines.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/com/Text.h"
#include "sim/excel/model/Address.h"
#include "workbench/interactive/ActionLog.h"
#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/ModalBox.h"
#include "workbench/interactive/SelectionEditor.h"
#include "workbench/interactive/SheetPane.h"

namespace corvane::workbench::testing {
namespace {

using sim::excel::CellRef;
using sim::excel::Selection;

sim::excel::Areas AreasOf(const char* address) {
  return sim::excel::Areas(*sim::excel::ParseAddress(com::Utf8ToUtf16(address)));
}

CellRef CellOf(const char* address) { return AreasOf(address).first_cell(); }

std::string AddressOf(const Selection& selection) { return com::Utf16ToUtf8(selection.areas.Address()); }

std::string ActiveOf(const Selection& selection) {
  return com::Utf16ToUtf8(
      sim::excel::AddressOf(sim::excel::CellRect::Cell(selection.active_cell.row, selection.active_cell.column)));
}

TEST(SelectionEditorTest, ArrowsShiftCtrlAndDragsChangeTheSelectionAsExcelDoes) {
  enum class Op { Move, Extend, Add, Span };
  const struct {
    const char* areas;
    const char* active;
    Op op;
    int rows, columns;   // Move, Extend
    const char* corner;  // Extend: the far corner before; Add, Span: the cell; Span: from
    const char* to;      // Span
    const char* expected;
    const char* expectedActive;
  } cases[] = {
      {"B2", "B2", Op::Move, 1, 0, nullptr, nullptr, "$B$3", "$B$3"},
      {"B2:D4", "C3", Op::Move, 0, -1, nullptr, nullptr, "$B$3", "$B$3"},
      {"A1", "A1", Op::Move, -1, -1, nullptr, nullptr, "$A$1", "$A$1"},
      {"A65536", "A65536", Op::Move, 1, 0, nullptr, nullptr, "$A$65536", "$A$65536"},
      {"IV1", "IV1", Op::Move, 0, 1, nullptr, nullptr, "$IV$1", "$IV$1"},
      {"B2", "B2", Op::Extend, 0, 1, "B2", nullptr, "$B$2:$C$2", "$B$2"},
      {"B2:C2", "B2", Op::Extend, 1, 0, "C2", nullptr, "$B$2:$C$3", "$B$2"},
      {"B2:C3", "B2", Op::Extend, 0, -2, "C3", nullptr, "$A$2:$B$3", "$B$2"},
      {"A1,C3", "C3", Op::Extend, 1, 1, "C3", nullptr, "$A$1,$C$3:$D$4", "$C$3"},
      {"B2", "B2", Op::Add, 0, 0, "D4", nullptr, "$B$2,$D$4", "$D$4"},
      {"B2:C3", "B2", Op::Add, 0, 0, "E5", nullptr, "$B$2:$C$3,$E$5", "$E$5"},
      {"B2", "B2", Op::Span, 0, 0, "B2", "D4", "$B$2:$D$4", "$B$2"},
      {"B2", "B2", Op::Span, 0, 0, "B2", "A1", "$A$1:$B$2", "$B$2"},
      {"A1,C3", "C3", Op::Span, 0, 0, "C3", "E6", "$A$1,$C$3:$E$6", "$C$3"},
  };
  for (const auto& c : cases) {
    const Selection selection{AreasOf(c.areas), CellOf(c.active)};
    Selection result;
    switch (c.op) {
      case Op::Move:
        result = SelectionEditor::Single(SelectionEditor::Moved(selection.active_cell, c.rows, c.columns));
        break;
      case Op::Extend: {
        CellRef corner = CellOf(c.corner);
        result = SelectionEditor::Extend(selection, corner, c.rows, c.columns);
        EXPECT_TRUE(result.areas.Contains(corner)) << c.areas;
        break;
      }
      case Op::Add:
        result = SelectionEditor::AddCell(selection, CellOf(c.corner));
        break;
      case Op::Span:
        result = SelectionEditor::Span(selection, CellOf(c.corner), CellOf(c.to));
        break;
    }
    EXPECT_EQ(AddressOf(result), c.expected) << c.areas << " " << static_cast<int>(c.op);
    EXPECT_EQ(ActiveOf(result), c.expectedActive) << c.areas << " " << static_cast<int>(c.op);
  }
}

TEST(ModalBoxTest, KeysAndClicksPressItsButtons) {
  const auto Press = [](ModalBox& box, const std::vector<InputEvent>& events, const HitMap& hits) {
    std::optional<int> pressed;
    for (const auto& event : events) {
      if (pressed) break;
      pressed = box.Handle(event, hits);
    }
    return pressed;
  };
  HitMap hits;
  hits.Add(10, 20, 6, {TargetKind::BoxButton, {}, 0});
  hits.Add(10, 28, 6, {TargetKind::BoxButton, {}, 1});
  hits.Add(2, 0, 5, {TargetKind::Cell, {1, 1}, 0});
  const struct {
    const char* what;
    std::vector<InputEvent> events;
    bool withCancel;
    std::optional<int> pressed;
  } cases[] = {
      {"Enter presses the first", {InputEvent::Of(Key::Enter)}, false, 0},
      {"Right then Enter", {InputEvent::Of(Key::Right), InputEvent::Of(Key::Enter)}, false, 1},
      {"Tab wraps round", {InputEvent::Of(Key::Tab), InputEvent::Of(Key::Tab), InputEvent::Of(Key::Enter)}, false, 0},
      {"Left wraps round", {InputEvent::Of(Key::Left), InputEvent::Char(' ')}, false, 1},
      {"a first letter", {InputEvent::Char('n')}, false, 1},
      {"a capital first letter", {InputEvent::Char('Y')}, false, 0},
      {"another letter does nothing", {InputEvent::Char('x'), InputEvent::Char('z')}, false, std::nullopt},
      {"Escape without a cancel button", {InputEvent::Of(Key::Escape)}, false, std::nullopt},
      {"Escape with one", {InputEvent::Of(Key::Escape)}, true, 1},
      {"a click on a button", {InputEvent::Mouse(MouseAction::Press, 10, 30)}, false, 1},
      {"a release does not press", {InputEvent::Mouse(MouseAction::Release, 10, 22)}, false, std::nullopt},
      {"a click beside the buttons", {InputEvent::Mouse(MouseAction::Press, 10, 27)}, false, std::nullopt},
      {"a click on the sheet behind", {InputEvent::Mouse(MouseAction::Press, 2, 1)}, false, std::nullopt},
  };
  for (const auto& c : cases) {
    ModalBox box("Confirm", {"Clear the format?"}, {"Yes", "No"});
    if (c.withCancel) box.set_cancel(1);
    EXPECT_EQ(Press(box, c.events, hits), c.pressed) << c.what;
  }
}

TEST(ModalBoxTest, AFieldTakesTheLettersAndEnterPressesTheDefault) {
  const struct {
    const char* start;
    std::vector<InputEvent> events;
    const char* text;
    std::optional<int> pressed;
  } cases[] = {
      {"General",
       {InputEvent::Of(Key::Backspace), InputEvent::Of(Key::Backspace), InputEvent::Char('X'),
        InputEvent::Of(Key::Enter)},
       "GenerX",
       0},
      {"", {InputEvent::Char('0'), InputEvent::Char('.'), InputEvent::Char('0'), InputEvent::Of(Key::Enter)}, "0.0", 0},
      {"0", {InputEvent::Char('c'), InputEvent::Char(u'€'), InputEvent::Of(Key::Escape)}, "0c\xE2\x82\xAC", 1},
      {"\xE2\x82\xAC", {InputEvent::Of(Key::Backspace), InputEvent::Of(Key::Backspace)}, "", std::nullopt},
      {"#", {InputEvent::Of(Key::Tab), InputEvent::Of(Key::Enter)}, "#", 1},
  };
  for (const auto& c : cases) {
    ModalBox box("Format Cells", {"Number format code:"}, {"OK", "Cancel"});
    box.AddField(c.start);
    box.set_cancel(1);
    std::optional<int> pressed;
    for (const auto& event : c.events) {
      if (!pressed) pressed = box.Handle(event, HitMap());
    }
    EXPECT_EQ(*box.field(), c.text) << c.start;
    EXPECT_EQ(pressed, c.pressed) << c.start;
  }
}

TEST(SheetPaneTest, ScrollsJustEnoughToShowTheActiveCell) {
  // Columns 8 wide, column C 20 wide; each takes a gap more.
  const auto widthOf = [](int32_t column) { return column == 3 ? 20 : 8; };
  EXPECT_EQ(SheetPane::ColumnsThatFit(1, 40, widthOf), 3);  // 9 + 9 + 21
  EXPECT_EQ(SheetPane::ColumnsThatFit(3, 10, widthOf), 1) << "one column at least";
  EXPECT_EQ(SheetPane::ColumnsThatFit(4, 27, widthOf), 3);
  const struct {
    CellRef origin;
    CellRef active;
    CellRef expected;
  } cases[] = {
      {{1, 1}, {5, 2}, {1, 1}}, {{1, 1}, {25, 1}, {6, 1}}, {{10, 1}, {4, 1}, {4, 1}},   {{1, 1}, {1, 4}, {1, 2}},
      {{1, 5}, {1, 2}, {1, 2}}, {{1, 1}, {1, 3}, {1, 1}},  {{1, 1}, {30, 12}, {11, 9}},
  };
  for (const auto& c : cases) {
    const CellRef origin = SheetPane::Scrolled(c.origin, c.active, 20, 40, widthOf);
    EXPECT_EQ(origin, c.expected) << c.active.row << "," << c.active.column;
  }
}

TEST(HitMapTest, TheLastTargetPaintedOverAPointWins) {
  HitMap hits;
  hits.Add(3, 5, 10, {TargetKind::Cell, {2, 2}, 0});
  hits.Add(3, 10, 4, {TargetKind::BoxButton, {}, 1});
  hits.Add(4, 0, 0, {TargetKind::Tab, {}, 0});
  EXPECT_EQ(hits.At(3, 5).kind, TargetKind::Cell);
  EXPECT_EQ(hits.At(3, 9).kind, TargetKind::Cell);
  EXPECT_EQ(hits.At(3, 10).kind, TargetKind::BoxButton);
  EXPECT_EQ(hits.At(3, 14).kind, TargetKind::Cell);
  EXPECT_EQ(hits.At(3, 15).kind, TargetKind::None);
  EXPECT_EQ(hits.At(4, 0).kind, TargetKind::None) << "nothing zero wide";
  EXPECT_EQ(hits.Find({TargetKind::Cell, {2, 2}, 0})->column, 5);
  EXPECT_FALSE(hits.Find({TargetKind::Tab, {}, 0}));
  HitMap covered;
  covered.Add(1, 1, 3, {TargetKind::Button, {}, 2});
  covered.Add(1, 0, 6, {TargetKind::BoxButton, {}, 0});
  EXPECT_FALSE(covered.Find({TargetKind::Button, {}, 2})) << "a button under a box cannot be reached";
}

TEST(CanvasTest, PutsGlyphsClipsAtTheEdgesAndTrimsItsText) {
  Canvas canvas(3, 6);
  EXPECT_EQ(canvas.Put(0, 0, "abc", Style::Header, kBold), 3);
  EXPECT_EQ(canvas.Put(1, 3,
                       "1\xE2\x82\xAC"
                       "2345",
                       Style::Normal),
            6)
      << "one cell per character";
  canvas.Put(2, -2, "xyz", Style::Normal);
  canvas.Put(5, 0, "off the canvas", Style::Normal);
  EXPECT_EQ(canvas.Text(),
            "abc\n   1\xE2\x82\xAC"
            "2\nz\n");
  EXPECT_EQ(canvas.At(0, 1).style, Style::Header);
  EXPECT_EQ(canvas.At(0, 1).emphasis, kBold);
  canvas.Clear(0, 1, 2, 10, Style::Box);
  EXPECT_EQ(canvas.Text(), "a\n\nz\n");
  EXPECT_EQ(canvas.At(1, 5).style, Style::Box);
}

TEST(ActionLogTest, LinesCountTheCallsAndEventsOfAnAction) {
  const struct {
    LoggedAction entry;
    std::vector<std::string> lines;
  } cases[] = {
      {{"select $B$2", {}, {}, {}}, {"select $B$2: 0 calls into Excel, 0 host events"}},
      {{"click 8",
        {"Application.Selection", "Range.Select", "Range.Select"},
        {"AppEvents.SheetSelectionChange"},
        {"clicked 8 \"Data\": 3 calls into Excel, 0 boxes"}},
       {"click 8: 3 calls into Excel, 1 host events", "  calls: Application.Selection, Range.Select x2",
        "  events: AppEvents.SheetSelectionChange", "  clicked 8 \"Data\": 3 calls into Excel, 0 boxes"}},
  };
  for (const auto& c : cases) EXPECT_EQ(ActionLog::Lines(c.entry), c.lines) << c.entry.action;
}

}  // namespace
}  // namespace corvane::workbench::testing
