#include "workbench/posix/CursesTerminal.h"

#include <clocale>
#include <cstdio>
#include <memory>
#include <stdexcept>

#include "workbench/Terminal.h"

// Last: its macros are not to meet the workbench's names.
#include <curses.h>

namespace corvane::workbench {
namespace {

constexpr int kErrorsInARow = 100;
// xterm's report of motion with a button held.
constexpr const char* kDragReports = "\033[?1002h";
constexpr const char* kNoDragReports = "\033[?1002l";

struct Colours {
  Style style;
  short foreground;
  short background;
};

constexpr Colours kColours[] = {
    {Style::Normal, -1, -1},
    {Style::Title, COLOR_WHITE, COLOR_BLUE},
    {Style::Header, COLOR_BLACK, COLOR_WHITE},
    {Style::PageArea, COLOR_BLACK, COLOR_MAGENTA},
    {Style::RowArea, COLOR_BLACK, COLOR_GREEN},
    {Style::ColumnArea, COLOR_BLACK, COLOR_CYAN},
    {Style::DataArea, COLOR_BLACK, COLOR_YELLOW},
    {Style::GrandTotal, COLOR_WHITE, COLOR_RED},
    {Style::OtherTable, COLOR_WHITE, COLOR_BLUE},
    {Style::ButtonEnabled, COLOR_GREEN, -1},
    {Style::ButtonDisabled, COLOR_BLACK, -1},
    {Style::ButtonPressed, COLOR_YELLOW, -1},
    {Style::Separator, COLOR_BLUE, -1},
    {Style::Tab, COLOR_CYAN, -1},
    {Style::Status, COLOR_BLACK, COLOR_CYAN},
    {Style::Box, COLOR_BLACK, COLOR_WHITE},
    {Style::Pane, COLOR_WHITE, COLOR_BLACK},
};

attr_t AttributesOf(const CanvasCell& cell, bool colours) {
  attr_t attributes = colours ? COLOR_PAIR(static_cast<int>(cell.style) + 1) : A_NORMAL;
  if (cell.emphasis & kReverse) attributes |= A_REVERSE;
  if (cell.emphasis & kBold) attributes |= A_BOLD;
  if (cell.emphasis & kUnderline) attributes |= A_UNDERLINE;
  if (!colours && cell.style == Style::ButtonDisabled) attributes |= A_DIM;
  return attributes;
}

}  // namespace

CursesTerminal::CursesTerminal() {
  std::setlocale(LC_ALL, "");
  if (!initscr()) throw std::runtime_error("the terminal cannot be used");
  cbreak();
  noecho();
  nonl();
  keypad(stdscr, TRUE);
  set_escdelay(25);
  if (has_colors()) {
    start_color();
    use_default_colors();
    for (const auto& colours : kColours) {
      init_pair(static_cast<short>(static_cast<int>(colours.style) + 1), colours.foreground, colours.background);
    }
  }
  mousemask(ALL_MOUSE_EVENTS | REPORT_MOUSE_POSITION, nullptr);
  mouseinterval(0);
  std::fputs(kDragReports, stdout);
  std::fflush(stdout);
}

CursesTerminal::~CursesTerminal() {
  std::fputs(kNoDragReports, stdout);
  std::fflush(stdout);
  mousemask(0, nullptr);
  endwin();
}

ScreenPoint CursesTerminal::Size() { return {LINES, COLS}; }

void CursesTerminal::Draw(const Canvas& canvas) {
  const bool colours = has_colors();
  erase();
  for (int row = 0; row < canvas.rows() && row < LINES; ++row) {
    for (int column = 0; column < canvas.columns() && column < COLS; ++column) {
      const CanvasCell& cell = canvas.At(row, column);
      attrset(AttributesOf(cell, colours));
      mvaddstr(row, column, cell.glyph.c_str());
    }
  }
  attrset(A_NORMAL);
  move(canvas.cursorRow(), canvas.cursorColumn());
  refresh();
}

InputEvent CursesTerminal::Next() {
  if (releasePending_) {
    releasePending_ = false;
    return InputEvent::Mouse(MouseAction::Release, lastPress_.row, lastPress_.column);
  }
  for (int errors = 0; errors < kErrorsInARow;) {
    const int key = getch();
    if (key == ERR) {
      ++errors;
      continue;
    }
    if (key == KEY_MOUSE) {
      const InputEvent event = MouseEvent();
      if (event.key != Key::None) return event;
      continue;
    }
    if (key == KEY_RESIZE) return InputEvent::Of(Key::Resize);
    const InputEvent event = KeyEvent(key);
    if (event.key != Key::None) return event;
  }
  return InputEvent::Of(Key::Closed);
}

InputEvent CursesTerminal::MouseEvent() {
  MEVENT mouse{};
  if (getmouse(&mouse) != OK) return {};
  const bool ctrl = (mouse.bstate & BUTTON_CTRL) != 0;
  // Motion first: a drag's reports may carry the held button too.
  if (mouse.bstate & REPORT_MOUSE_POSITION) {
    return InputEvent::Mouse(buttonDown_ ? MouseAction::Drag : MouseAction::Move, mouse.y, mouse.x, ctrl);
  }
  if (mouse.bstate & BUTTON1_PRESSED) {
    buttonDown_ = true;
    lastPress_ = {mouse.y, mouse.x};
    return InputEvent::Mouse(MouseAction::Press, mouse.y, mouse.x, ctrl);
  }
  if ((mouse.bstate & BUTTON1_RELEASED) && buttonDown_) {
    buttonDown_ = false;
    return InputEvent::Mouse(MouseAction::Release, mouse.y, mouse.x, ctrl);
  }
  // A release without its press is a click: curses keeps only the last of
  // the reports that came in while the program was drawing.
  if (mouse.bstate & (BUTTON1_CLICKED | BUTTON1_RELEASED)) {
    releasePending_ = true;
    lastPress_ = {mouse.y, mouse.x};
    return InputEvent::Mouse(MouseAction::Press, mouse.y, mouse.x, ctrl);
  }
  return {};
}

InputEvent CursesTerminal::KeyEvent(int key) {
  switch (key) {
    case KEY_UP:
      return InputEvent::Of(Key::Up);
    case KEY_DOWN:
      return InputEvent::Of(Key::Down);
    case KEY_LEFT:
      return InputEvent::Of(Key::Left);
    case KEY_RIGHT:
      return InputEvent::Of(Key::Right);
    case KEY_SR:
      return InputEvent::Of(Key::Up, true);
    case KEY_SF:
      return InputEvent::Of(Key::Down, true);
    case KEY_SLEFT:
      return InputEvent::Of(Key::Left, true);
    case KEY_SRIGHT:
      return InputEvent::Of(Key::Right, true);
    case '\t':
      return InputEvent::Of(Key::Tab);
    case KEY_BTAB:
      return InputEvent::Of(Key::BackTab);
    case '\r':
    case '\n':
    case KEY_ENTER:
      return InputEvent::Of(Key::Enter);
    case 27:
      return InputEvent::Of(Key::Escape);
    case KEY_BACKSPACE:
    case 127:
    case 8:
      return InputEvent::Of(Key::Backspace);
    case KEY_HOME:
      return InputEvent::Of(Key::Home);
    case KEY_PPAGE:
      return InputEvent::Of(Key::PageUp);
    case KEY_NPAGE:
      return InputEvent::Of(Key::PageDown);
    case KEY_F(1):
      return InputEvent::Of(Key::Help);
    case KEY_F(12):
      return InputEvent::Of(Key::Dump);
    default:
      if (key >= 0x20 && key < 0x7F) return InputEvent::Char(static_cast<char32_t>(key));
      return {};
  }
}

std::unique_ptr<TerminalBackend> OpenTerminal() { return std::make_unique<CursesTerminal>(); }

}  // namespace corvane::workbench
