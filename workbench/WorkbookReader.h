// Reads workbooks in the workbench's text form (described in
// workbench/README.md): sheets, source records as CSV, pivot tables with
// their fields, functions, subtotals, grand totals and number formats.
// Every table is laid out once while reading, so a file that reads without
// an error opens.
#pragma once

#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "workbench/WorkbookPlan.h"

namespace corvane::workbench {

// "<file>:<line>: <what is wrong>".
class WorkbookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class WorkbookReader {
 public:
  // `file` names the source in errors.
  explicit WorkbookReader(std::string file) : file_(std::move(file)) {}

  std::vector<WorkbookPlan> Read(std::istream& in);
  // WorkbookError "<path>: cannot be read" for a missing file.
  static std::vector<WorkbookPlan> ReadFile(const std::string& path);

 private:
  using Words = std::vector<std::string>;
  using Handler = void (WorkbookReader::*)(const Words&);
  static const std::map<std::string, Handler>& Handlers();

  void Line(std::string_view text);
  void RecordLine(std::string_view text);
  void Workbook(const Words& words);
  void Sheet(const Words& words);
  void Chart(const Words& words);
  void Records(const Words& words);
  void Table(const Words& words);
  void Page(const Words& words);
  void Row(const Words& words);
  void Column(const Words& words);
  void Data(const Words& words);
  void Subtotals(const Words& words);
  void Grand(const Words& words);
  void DataOn(const Words& words);
  void PageItem(const Words& words);
  void Select(const Words& words);

  void AddSheet(const Words& words, sim::excel::SheetKind kind);
  void FinishTable();
  void FinishWorkbook();
  WorkbookPlan& CurrentWorkbook();
  pivot::PivotDefinition& CurrentTable();
  const SheetPlan& WorksheetNamed(const std::string& name);
  std::u16string Field(const std::string& name);
  std::vector<std::u16string> Fields(const Words& words);
  [[noreturn]] void Fail(const std::string& what) const;

  std::string file_;
  int line_ = 0;
  std::vector<WorkbookPlan> workbooks_;
  bool inWorkbook_ = false;
  bool inRecords_ = false;
  bool inTable_ = false;
  int tableLine_ = 0;
};

}  // namespace corvane::workbench
