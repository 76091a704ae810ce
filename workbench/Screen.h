// The workbench's screen as plain text: the toolbar, the workbook and its
// sheets, the grid, the active cell, the selection and the field under the
// active cell, the boxes shown, the calls the add-in made into Excel and
// the host's events since the last screen, and a status line.
#pragma once

#include <cstddef>
#include <string>

namespace corvane::workbench {

class Session;

class Screen {
 public:
  explicit Screen(Session& session) : session_(session) {}

  // Takes what happened since the last screen.
  std::string Render();

  // Parts the interactive screen shows too; they take nothing.
  std::string Workbook() const;
  // The active cell, the selection and the field under the active cell.
  std::string Position() const;
  std::string Status() const;

 private:
  std::string Boxes();
  std::string Calls();

  Session& session_;
  size_t boxesShown_ = 0;
};

}  // namespace corvane::workbench
