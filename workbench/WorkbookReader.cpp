#include "workbench/WorkbookReader.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/com/Text.h"
#include "sim/excel/model/Address.h"
#include "sim/excel/pivot/Aggregate.h"
#include "sim/excel/pivot/PivotLayout.h"
#include "workbench/TextLine.h"

namespace corvane::workbench {
namespace {

using sim::excel::SheetKind;

std::u16string Utf16(const std::string& text) { return com::Utf8ToUtf16(text); }
std::string Utf8(const std::u16string& text) { return com::Utf16ToUtf8(text); }

// A number when the whole text reads as one, else the text; empty: no value.
pivot::Value RecordValue(const std::string& text) {
  if (text.empty()) return {};
  double number = 0;
  const char* end = text.data() + text.size();
  const auto [rest, error] = std::from_chars(text.data(), end, number);
  if (error == std::errc() && rest == end) return number;
  return Utf16(text);
}

bool OnOff(const std::string& word, bool& value) {
  if (EqualNoCase(word, "on")) return value = true, true;
  if (EqualNoCase(word, "off")) return value = false, true;
  return false;
}

}  // namespace

const std::map<std::string, WorkbookReader::Handler>& WorkbookReader::Handlers() {
  static const std::map<std::string, Handler> handlers{{"workbook", &WorkbookReader::Workbook},
                                                       {"sheet", &WorkbookReader::Sheet},
                                                       {"chart", &WorkbookReader::Chart},
                                                       {"records", &WorkbookReader::Records},
                                                       {"table", &WorkbookReader::Table},
                                                       {"page", &WorkbookReader::Page},
                                                       {"row", &WorkbookReader::Row},
                                                       {"column", &WorkbookReader::Column},
                                                       {"data", &WorkbookReader::Data},
                                                       {"subtotals", &WorkbookReader::Subtotals},
                                                       {"grand", &WorkbookReader::Grand},
                                                       {"data-on", &WorkbookReader::DataOn},
                                                       {"page-item", &WorkbookReader::PageItem},
                                                       {"select", &WorkbookReader::Select}};
  return handlers;
}

std::vector<WorkbookPlan> WorkbookReader::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw WorkbookError(path + ": cannot be read");
  return WorkbookReader(path).Read(in);
}

std::vector<WorkbookPlan> WorkbookReader::Read(std::istream& in) {
  std::string text;
  while (std::getline(in, text)) {
    ++line_;
    if (inRecords_) {
      RecordLine(text);
    } else {
      Line(text);
    }
  }
  if (inRecords_) Fail("the records are not closed by \"end\"");
  FinishWorkbook();
  if (workbooks_.empty()) Fail("no workbook in the file");
  return std::move(workbooks_);
}

void WorkbookReader::Line(std::string_view text) {
  text = Trimmed(text);
  if (text.empty() || text.front() == '#') return;
  Words words;
  try {
    words = SplitWords(text);
  } catch (const LineError& error) {
    Fail(error.what());
  }
  const auto handler = Handlers().find(words.front());
  if (handler == Handlers().end()) Fail("unknown keyword \"" + words.front() + "\"");
  (this->*handler->second)(words);
}

void WorkbookReader::RecordLine(std::string_view text) {
  if (Trimmed(text).empty() || Trimmed(text).front() == '#') return;
  if (EqualNoCase(Trimmed(text), "end")) {
    inRecords_ = false;
    if (CurrentWorkbook().records.fields.empty()) Fail("the records have no header row");
    return;
  }
  std::vector<std::string> values;
  try {
    values = SplitCsv(text);
  } catch (const LineError& error) {
    Fail(error.what());
  }
  auto& records = CurrentWorkbook().records;
  if (records.fields.empty()) {
    for (const auto& name : values) {
      if (name.empty()) Fail("a field in the header row has no name");
      if (std::count(values.begin(), values.end(), name) > 1) Fail("the field \"" + name + "\" is named twice");
      records.fields.push_back(Utf16(name));
    }
    return;
  }
  if (values.size() != records.fields.size()) {
    Fail("a record has " + std::to_string(values.size()) + " values, the header names " +
         std::to_string(records.fields.size()) + " fields");
  }
  std::vector<pivot::Value> record;
  for (const auto& value : values) record.push_back(RecordValue(value));
  records.records.push_back(std::move(record));
}

void WorkbookReader::Workbook(const Words& words) {
  if (words.size() != 2) Fail("workbook takes one name");
  FinishWorkbook();
  for (const auto& book : workbooks_) {
    if (EqualNoCase(Utf8(book.name), words[1])) Fail("the workbook \"" + words[1] + "\" is named twice");
  }
  workbooks_.push_back({Utf16(words[1]), {}, {}, {}, {}});
  inWorkbook_ = true;
}

void WorkbookReader::Sheet(const Words& words) { AddSheet(words, SheetKind::Worksheet); }
void WorkbookReader::Chart(const Words& words) { AddSheet(words, SheetKind::Chart); }

void WorkbookReader::AddSheet(const Words& words, SheetKind kind) {
  if (words.size() != 2) Fail(words[0] + " takes one name");
  FinishTable();
  auto& book = CurrentWorkbook();
  for (const auto& sheet : book.sheets) {
    if (EqualNoCase(Utf8(sheet.name), words[1])) Fail("the sheet \"" + words[1] + "\" is named twice");
  }
  book.sheets.push_back({Utf16(words[1]), kind});
}

void WorkbookReader::Records(const Words& words) {
  if (words.size() != 1) Fail("records takes nothing on its line; the CSV lines follow");
  FinishTable();
  if (!CurrentWorkbook().records.fields.empty()) Fail("the workbook has records already");
  inRecords_ = true;
}

void WorkbookReader::Table(const Words& words) {
  if (words.size() != 6 || words[2] != "on" || words[4] != "at") Fail("expected: table NAME on SHEET at CELL");
  FinishTable();
  auto& book = CurrentWorkbook();
  if (book.records.fields.empty()) Fail("a table needs the workbook's records first");
  const SheetPlan& sheet = WorksheetNamed(words[3]);
  const auto cell = sim::excel::ParseAddress(Utf16(words[5]));
  if (!cell || cell->size() != 1 || cell->front().count() != 1) Fail("\"" + words[5] + "\" is not one cell");
  for (const auto& table : book.tables) {
    if (EqualNoCase(Utf8(table.definition.name), words[1])) Fail("the table \"" + words[1] + "\" is named twice");
  }
  pivot::PivotDefinition definition;
  definition.name = Utf16(words[1]);
  definition.destination = cell->front().first();
  book.tables.push_back({sheet.name, std::move(definition)});
  inTable_ = true;
  tableLine_ = line_;
}

void WorkbookReader::Page(const Words& words) { CurrentTable().page_fields = Fields(words); }
void WorkbookReader::Row(const Words& words) { CurrentTable().row_fields = Fields(words); }
void WorkbookReader::Column(const Words& words) { CurrentTable().column_fields = Fields(words); }

// data FIELD [FUNCTION] [format "CODE"] [caption "TEXT"]
void WorkbookReader::Data(const Words& words) {
  auto& table = CurrentTable();
  if (words.size() < 2) Fail("data names a field");
  pivot::DataFieldDef field{Field(words[1]), pivot::Function::Sum, {}, sim::excel::kGeneralFormat};
  size_t at = 2;
  if (at < words.size() && words[at] != "format" && words[at] != "caption") {
    const auto function = pivot::SwitchNamed(Utf16(words[at]));
    if (!function || *function == 0) Fail("unknown function \"" + words[at] + "\"");
    field.function = pivot::SwitchFunction(*function);
    ++at;
  }
  for (; at < words.size(); at += 2) {
    if (at + 1 >= words.size()) Fail("\"" + words[at] + "\" needs a value");
    if (words[at] == "format") {
      field.number_format = Utf16(words[at + 1]);
    } else if (words[at] == "caption") {
      field.caption = Utf16(words[at + 1]);
    } else {
      Fail("unexpected \"" + words[at] + "\" (format or caption)");
    }
  }
  table.data_fields.push_back(std::move(field));
}

// subtotals FIELD none | FUNCTION...   (automatic is Excel's default)
void WorkbookReader::Subtotals(const Words& words) {
  auto& table = CurrentTable();
  if (words.size() < 3) Fail("expected: subtotals FIELD none|automatic|FUNCTION...");
  pivot::SubtotalSwitches switches{};
  for (size_t at = 2; at < words.size(); ++at) {
    if (EqualNoCase(words[at], "none")) continue;
    const std::string name = EqualNoCase(words[at], "automatic") ? "Total" : words[at];
    const auto index = pivot::SwitchNamed(Utf16(name));
    if (!index) Fail("unknown subtotal function \"" + words[at] + "\"");
    switches[*index] = true;
  }
  table.subtotals[Field(words[1])] = switches;
}

// grand rows|columns on|off
void WorkbookReader::Grand(const Words& words) {
  auto& table = CurrentTable();
  bool on = false;
  if (words.size() != 3 || !OnOff(words[2], on)) Fail("expected: grand rows|columns on|off");
  if (words[1] == "rows") {
    table.row_grand = on;
  } else if (words[1] == "columns") {
    table.column_grand = on;
  } else {
    Fail("grand takes rows or columns, not \"" + words[1] + "\"");
  }
}

// data-on rows|columns [POSITION]
void WorkbookReader::DataOn(const Words& words) {
  auto& table = CurrentTable();
  if (words.size() < 2 || words.size() > 3 || (words[1] != "rows" && words[1] != "columns")) {
    Fail("expected: data-on rows|columns [POSITION]");
  }
  table.data_on_rows = words[1] == "rows";
  if (words.size() == 3) {
    int position = 0;
    const auto [rest, error] = std::from_chars(words[2].data(), words[2].data() + words[2].size(), position);
    if (error != std::errc() || rest != words[2].data() + words[2].size() || position < 1) {
      Fail("\"" + words[2] + "\" is no position (1 or more)");
    }
    table.data_position = static_cast<size_t>(position - 1);
  }
}

// page-item FIELD VALUE
void WorkbookReader::PageItem(const Words& words) {
  auto& table = CurrentTable();
  if (words.size() != 3) Fail("expected: page-item FIELD VALUE");
  table.current_pages[Field(words[1])] = RecordValue(words[2]);
}

// select SHEET RANGE
void WorkbookReader::Select(const Words& words) {
  if (words.size() != 3) Fail("expected: select SHEET RANGE");
  FinishTable();
  const SheetPlan& sheet = WorksheetNamed(words[1]);
  const auto areas = sim::excel::ParseAddress(Utf16(words[2]));
  if (!areas) Fail("\"" + words[2] + "\" is no address");
  CurrentWorkbook().start = StartSelection{sheet.name, sim::excel::Areas(*areas)};
}

void WorkbookReader::FinishTable() {
  if (!inTable_) return;
  inTable_ = false;
  auto& book = workbooks_.back();
  const TablePlan& table = book.tables.back();
  const int at = line_;
  line_ = tableLine_;
  try {
    const auto layout = pivot::PivotLayout::Compute(book.records, table.definition);
    for (size_t i = 0; i + 1 < book.tables.size(); ++i) {
      const TablePlan& other = book.tables[i];
      if (other.sheet != table.sheet) continue;
      const auto footprint = pivot::PivotLayout::Compute(book.records, other.definition).table_range2();
      if (footprint.intersects(layout.table_range2())) {
        Fail("the table overlaps \"" + Utf8(other.definition.name) + "\"");
      }
    }
  } catch (const std::invalid_argument& error) {
    Fail(std::string("the table cannot be laid out: ") + error.what());
  }
  line_ = at;
}

void WorkbookReader::FinishWorkbook() {
  FinishTable();
  if (!inWorkbook_) return;
  inWorkbook_ = false;
  if (workbooks_.back().sheets.empty()) Fail("the workbook \"" + Utf8(workbooks_.back().name) + "\" has no sheet");
}

WorkbookPlan& WorkbookReader::CurrentWorkbook() {
  if (!inWorkbook_) Fail("a \"workbook NAME\" line must come first");
  return workbooks_.back();
}

pivot::PivotDefinition& WorkbookReader::CurrentTable() {
  if (!inTable_) Fail("a table line outside a \"table\" block");
  return workbooks_.back().tables.back().definition;
}

const SheetPlan& WorkbookReader::WorksheetNamed(const std::string& name) {
  for (const auto& sheet : CurrentWorkbook().sheets) {
    if (!EqualNoCase(Utf8(sheet.name), name)) continue;
    if (sheet.kind != SheetKind::Worksheet) Fail("\"" + name + "\" is a chart sheet");
    return sheet;
  }
  Fail("no sheet \"" + name + "\" in the workbook");
}

std::u16string WorkbookReader::Field(const std::string& name) {
  for (const auto& field : CurrentWorkbook().records.fields) {
    if (EqualNoCase(Utf8(field), name)) return field;
  }
  Fail("no field \"" + name + "\" in the records");
}

std::vector<std::u16string> WorkbookReader::Fields(const Words& words) {
  std::vector<std::u16string> fields;
  for (size_t at = 1; at < words.size(); ++at) fields.push_back(Field(words[at]));
  return fields;
}

void WorkbookReader::Fail(const std::string& what) const {
  throw WorkbookError(file_ + ":" + std::to_string(line_) + ": " + what);
}

}  // namespace corvane::workbench
