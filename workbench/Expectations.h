// The script's "expect" lines: what the screen shows, checked.
//   expect selection ADDRESS        the selection's address
//   expect active ADDRESS           the active cell
//   expect button NAME STATE        enabled, disabled or pressed
//   expect cell ADDRESS "TEXT"      the text the cell shows
//   expect format ADDRESS "CODE"    the cell's number format
//   expect field "TEXT"             the field under the active cell (its name, or none)
//   expect message "TEXT"           a box since the last such check shows the text
//   expect toolbar present|absent
#pragma once

#include <string>
#include <vector>

namespace corvane::workbench {

class Session;

class Expectations {
 public:
  explicit Expectations(Session& session) : session_(session) {}

  // ScriptError saying what was expected and what is there.
  void Check(const std::vector<std::string>& words);

 private:
  void Selection(const std::vector<std::string>& words);
  void Active(const std::vector<std::string>& words);
  void Button(const std::vector<std::string>& words);
  void Cell(const std::vector<std::string>& words);
  void Format(const std::vector<std::string>& words);
  void Field(const std::vector<std::string>& words);
  void Message(const std::vector<std::string>& words);
  void Toolbar(const std::vector<std::string>& words);

  Session& session_;
  size_t messagesChecked_ = 0;
};

}  // namespace corvane::workbench
