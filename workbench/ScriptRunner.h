// Runs workbench scripts: one command per line, "#" comments and blank
// lines skipped. Each command is echoed ("> click 8"); screens go to the
// output. A bad line or a failed expectation is reported on the error
// stream as "<script>:<line>: <what>" and the run goes on; the result is
// then non-zero. Commands (workbench/README.md describes them):
//   cell, select, click, ctrl-click, answer, format, sheet, group,
//   workbook, restart, unload, load, locale, show, expect, drag, toolbar,
//   say
#pragma once

#include <istream>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "workbench/Expectations.h"
#include "workbench/Screen.h"

namespace corvane::workbench {

class Session;

class ScriptRunner {
 public:
  ScriptRunner(Session& session, std::ostream& out, std::ostream& errors);

  // 0 when every line worked, 1 otherwise.
  int Run(std::istream& script, const std::string& name);
  // One line; false (after reporting it) when it failed.
  bool RunLine(const std::string& line, int number, const std::string& name);
  int failures() const { return failures_; }

 private:
  using Words = std::vector<std::string>;
  using Command = void (ScriptRunner::*)(const Words&);
  static const std::map<std::string, Command>& Commands();

  void Cell(const Words& words);
  void Select(const Words& words);
  void Click(const Words& words);
  void CtrlClick(const Words& words);
  void Answer(const Words& words);
  void Format(const Words& words);
  void Sheet(const Words& words);
  void Group(const Words& words);
  void Workbook(const Words& words);
  void Restart(const Words& words);
  void Unload(const Words& words);
  void Load(const Words& words);
  void Locale(const Words& words);
  void Show(const Words& words);
  void Drag(const Words& words);
  void Say(const Words& words);
  void Toolbar(const Words& words);
  void Expect(const Words& words);

  void ClickButton(const std::string& name, bool ctrl);
  void PrintNotes();

  Session& session_;
  std::ostream& out_;
  std::ostream& errors_;
  Screen screen_;
  Expectations expectations_;
  int failures_ = 0;
};

}  // namespace corvane::workbench
