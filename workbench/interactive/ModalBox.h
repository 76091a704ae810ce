// A box drawn over the screen that holds the keys until it is answered: a
// message box or question, a dialog, the number format form (with a text
// field) or the COM Add-ins dialog. Left/Right or Tab move between the
// buttons, Enter presses the focused one, a button's first letter presses
// it (not while a field takes the letters), Escape presses the cancel
// button when there is one, and a click on a button presses it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/InputEvent.h"

namespace corvane::workbench {

class ModalBox {
 public:
  ModalBox(std::string title, std::vector<std::string> lines, std::vector<std::string> buttons);

  // Focused first; Enter presses it.
  void set_default(int index) { focused_ = index; }
  void set_cancel(int index) { cancel_ = index; }
  // A text field under the lines, starting with the text.
  void AddField(std::string text) { field_ = std::move(text); }

  // The button pressed, once one is.
  std::optional<int> Handle(const InputEvent& event, const HitMap& hits);

  const std::string& title() const { return title_; }
  const std::vector<std::string>& lines() const { return lines_; }
  const std::vector<std::string>& buttons() const { return buttons_; }
  int focused() const { return focused_; }
  // What closing the box some other way means: its cancel button, else the
  // focused one.
  int closing() const { return cancel_.value_or(focused_); }
  const std::optional<std::string>& field() const { return field_; }

 private:
  std::optional<int> HandleKey(const InputEvent& event);
  std::optional<int> Accelerator(char32_t character) const;
  void MoveFocus(int step);

  std::string title_;
  std::vector<std::string> lines_;
  std::vector<std::string> buttons_;
  int focused_ = 0;
  std::optional<int> cancel_;
  std::optional<std::string> field_;
};

}  // namespace corvane::workbench
