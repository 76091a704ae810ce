// A terminal for the interactive mode's tests: a fixed size, the screens
// drawn kept, and the person's actions played from a list, each made when
// the terminal asks for the next one, so that it can aim at what the last
// screen shows ("[Data]"). When the list runs out the terminal is gone.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "workbench/interactive/TerminalBackend.h"

namespace corvane::workbench::testing {

class FakeTerminal : public TerminalBackend {
 public:
  using Action = std::function<InputEvent(const Canvas&)>;

  explicit FakeTerminal(int rows = 40, int columns = 120) : size_{rows, columns} {}

  ScreenPoint Size() override { return size_; }
  void Draw(const Canvas& canvas) override {
    last_ = canvas.Text();
    canvas_ = canvas;
    ++draws_;
  }
  InputEvent Next() override {
    if (actions_.empty() || !canvas_) return InputEvent::Of(Key::Closed);
    const Action action = std::move(actions_.front());
    actions_.pop_front();
    return action(*canvas_);
  }

  void Then(InputEvent event) {
    actions_.push_back([event](const Canvas&) { return event; });
  }
  void Then(Action action) { actions_.push_back(std::move(action)); }
  void Keys(const std::string& characters) {
    for (char c : characters) Then(InputEvent::Char(static_cast<char32_t>(c)));
  }
  // A mouse action on the first place the screen shows the text.
  void MouseOn(const std::string& text, MouseAction action = MouseAction::Press, bool ctrl = false) {
    Then([text, action, ctrl](const Canvas& canvas) {
      const auto point = Locate(canvas, text);
      return point ? InputEvent::Mouse(action, point->row, point->column, ctrl) : InputEvent::Of(Key::None);
    });
  }
  void Resize(int rows, int columns) {
    Then([this, rows, columns](const Canvas&) {
      size_ = {rows, columns};
      return InputEvent::Of(Key::Resize);
    });
  }

  static std::optional<ScreenPoint> Locate(const Canvas& canvas, const std::string& text) {
    for (int row = 0; row < canvas.rows(); ++row) {
      std::string line;
      for (int column = 0; column < canvas.columns(); ++column) line += canvas.At(row, column).glyph;
      const size_t at = line.find(text);
      // Glyphs here are single bytes.
      if (at != std::string::npos) return ScreenPoint{row, static_cast<int>(at)};
    }
    return std::nullopt;
  }

  const std::string& last() const { return last_; }
  const std::optional<Canvas>& canvas() const { return canvas_; }
  int draws() const { return draws_; }
  size_t pending() const { return actions_.size(); }

 private:
  ScreenPoint size_;
  std::deque<Action> actions_;
  std::string last_;
  std::optional<Canvas> canvas_;
  int draws_ = 0;
};

}  // namespace corvane::workbench::testing
