#include "sim/excel/pivot/PivotLayout.h"

#include <algorithm>
#include <stdexcept>

#include "platform/com/Text.h"
#include "sim/excel/pivot/Aggregate.h"

namespace corvane::sim::excel::pivot {
namespace {

constexpr char16_t kAllItems[] = u"(All)";

int SourceIndex(const PivotSource& source, const std::u16string& name) {
  for (size_t i = 0; i < source.fields.size(); ++i) {
    if (com::AsciiEqualNoCase(source.fields[i], name)) return static_cast<int>(i);
  }
  throw std::invalid_argument("the pivot source has no field \"" + com::Utf16ToUtf8(name) + "\"");
}

std::vector<AxisLevel> Levels(const PivotSource& source, const std::vector<std::u16string>& names) {
  std::vector<AxisLevel> levels;
  for (const std::u16string& name : names)
    levels.push_back({SourceIndex(source, name), source.fields[SourceIndex(source, name)]});
  return levels;
}

std::vector<SubtotalSwitches> Switches(const PivotDefinition& definition, const std::vector<AxisLevel>& levels) {
  std::vector<SubtotalSwitches> out;
  for (const AxisLevel& level : levels) {
    SubtotalSwitches on{};
    if (level.source >= 0) {
      auto found = std::find_if(definition.subtotals.begin(), definition.subtotals.end(),
                                [&](const auto& entry) { return com::AsciiEqualNoCase(entry.first, level.name); });
      on = found == definition.subtotals.end() ? kAutomaticSubtotal : found->second;
    }
    out.push_back(on);
  }
  return out;
}

std::vector<size_t> PageRecords(const PivotSource& source, const PivotDefinition& definition) {
  std::vector<size_t> records;
  for (size_t r = 0; r < source.records.size(); ++r) {
    if (source.records[r].size() != source.fields.size())
      throw std::invalid_argument("a pivot source record has the wrong number of values");
    bool keep = true;
    for (const auto& [name, item] : definition.current_pages)
      keep = keep && source.records[r][SourceIndex(source, name)] == item;
    if (keep) records.push_back(r);
  }
  return records;
}

// Whether a record falls under a line: its items on every source level the
// line names (all levels for items, the outer ones for subtotals).
bool Under(const std::vector<Value>& record, const std::vector<AxisLevel>& levels, const AxisLine& line) {
  size_t depth = line.kind == LineKind::Item ? line.items.size() : line.kind == LineKind::Subtotal ? line.level + 1 : 0;
  for (size_t i = 0; i < depth; ++i) {
    if (levels[i].source >= 0 && record[levels[i].source] != line.items[i]) return false;
  }
  return true;
}

}  // namespace

PivotLayout PivotLayout::Compute(const PivotSource& source, const PivotDefinition& definition) {
  if (definition.data_fields.empty()) throw std::invalid_argument("a pivot table needs at least one data field");
  PivotLayout layout;
  layout.Place(source, definition);
  return layout;
}

void PivotLayout::Place(const PivotSource& source, const PivotDefinition& definition) {
  rows_ = Levels(source, definition.row_fields);
  columns_ = Levels(source, definition.column_fields);
  for (const DataFieldDef& data : definition.data_fields) {
    SourceIndex(source, data.source);
    captions_.push_back(data.caption.empty() ? CaptionPrefix(data.function) + u" " + data.source : data.caption);
  }
  if (captions_.size() > 1) {
    auto& axis = definition.data_on_rows ? rows_ : columns_;
    axis.insert(axis.begin() + std::min(definition.data_position, axis.size()), AxisLevel{-1, kDataFieldName});
  }
  for (const std::u16string& name : definition.page_fields)
    page_names_.push_back(source.fields[SourceIndex(source, name)]);
  std::vector<size_t> records = PageRecords(source, definition);
  row_lines_ = BuildAxis({&source, &records, rows_, Switches(definition, rows_), captions_, definition.row_grand});
  column_lines_ =
      BuildAxis({&source, &records, columns_, Switches(definition, columns_), captions_, definition.column_grand});

  int32_t pages = static_cast<int32_t>(page_names_.size());
  CellRef at = definition.destination;
  table1_.top = at.row + (pages ? pages + 1 : 0);
  table1_.left = at.column;
  table1_.bottom = table1_.top + item_rows() + static_cast<int32_t>(row_lines_.size());
  table1_.right = table1_.left + label_columns() + static_cast<int32_t>(column_lines_.size()) - 1;
  table2_ = {at.row, at.column, table1_.bottom, std::max(table1_.right, at.column + (pages ? 1 : 0))};
  if (!table2_.valid()) throw std::invalid_argument("the pivot table does not fit on the sheet");
  if (pages) page_ = CellRect{at.row, at.column, at.row + pages - 1, at.column + 1};
  for (int32_t i = 0; i < pages; ++i) {
    cells_.push_back({{at.row + i, at.column}, page_names_[i], std::nullopt});
    auto current = definition.current_pages.find(page_names_[i]);
    Value shown = current == definition.current_pages.end() ? Value(std::u16string(kAllItems)) : current->second;
    cells_.push_back({{at.row + i, at.column + 1}, shown, std::nullopt});
  }
  WriteLabels();
  WriteData(source, definition, records);
}

int32_t PivotLayout::label_columns() const { return std::max<int32_t>(static_cast<int32_t>(rows_.size()), 1); }
int32_t PivotLayout::item_rows() const { return std::max<int32_t>(static_cast<int32_t>(columns_.size()), 1); }

void PivotLayout::Put(int32_t row, int32_t column, Value value) {
  if (!std::holds_alternative<std::monostate>(value))
    cells_.push_back({At(row, column), std::move(value), std::nullopt});
}

void PivotLayout::WriteLabels() {
  if (captions_.size() == 1) Put(0, 0, captions_[0]);
  for (size_t k = 0; k < columns_.size(); ++k) Put(0, label_columns() + static_cast<int32_t>(k), columns_[k].name);
  for (size_t k = 0; k < rows_.size(); ++k) Put(item_rows(), static_cast<int32_t>(k), rows_[k].name);
  // Each axis line writes its labels along the other direction.
  auto write = [&](const AxisLine& line, auto place) {
    switch (line.kind) {
      case LineKind::Item:
        for (size_t k = line.shown_from; k < line.items.size(); ++k) place(k, line.items[k]);
        break;
      case LineKind::Subtotal:
        place(line.level, line.label);
        break;
      case LineKind::Grand:
      case LineKind::Total:
        place(0, line.label);
        break;
    }
  };
  for (size_t i = 0; i < row_lines_.size(); ++i) {
    int32_t row = item_rows() + 1 + static_cast<int32_t>(i);
    write(row_lines_[i], [&](size_t k, const Value& v) { Put(row, static_cast<int32_t>(k), v); });
  }
  for (size_t j = 0; j < column_lines_.size(); ++j) {
    int32_t column = label_columns() + static_cast<int32_t>(j);
    const AxisLine& line = column_lines_[j];
    // An empty column axis labels its one line on the row field header row.
    int32_t base = line.kind == LineKind::Total ? item_rows() - 1 : 0;
    write(line, [&](size_t k, const Value& v) { Put(1 + base + static_cast<int32_t>(k), column, v); });
  }
}

void PivotLayout::WriteData(const PivotSource& source, const PivotDefinition& definition,
                            const std::vector<size_t>& records) {
  for (size_t i = 0; i < row_lines_.size(); ++i) {
    for (size_t j = 0; j < column_lines_.size(); ++j) {
      const AxisLine& r = row_lines_[i];
      const AxisLine& c = column_lines_[j];
      size_t d = static_cast<size_t>(std::max({r.data, c.data, 0}));
      const DataFieldDef& field = definition.data_fields[d];
      Function function = r.switch_index   ? SwitchFunction(r.switch_index)
                          : c.switch_index ? SwitchFunction(c.switch_index)
                                           : field.function;
      int value_index = SourceIndex(source, field.source);
      std::vector<const Value*> values;
      for (size_t rec : records) {
        const auto& record = source.records[rec];
        if (Under(record, rows_, r) && Under(record, columns_, c)) values.push_back(&record[value_index]);
      }
      CellRef ref = At(item_rows() + 1 + static_cast<int32_t>(i), label_columns() + static_cast<int32_t>(j));
      Value value = values.empty() ? Value() : Aggregate(function, values);
      cells_.push_back({ref, value, field.number_format});
    }
  }
}

std::optional<CellRect> PivotLayout::row_range() const {
  if (rows_.empty()) return std::nullopt;
  return CellRect{table1_.top + item_rows(), table1_.left, table1_.bottom, table1_.left + label_columns() - 1};
}

std::optional<CellRect> PivotLayout::column_range() const {
  if (columns_.empty()) return std::nullopt;
  return CellRect{table1_.top, table1_.left + label_columns(), table1_.top + item_rows(), table1_.right};
}

CellRect PivotLayout::data_body_range() const {
  return {table1_.top + item_rows() + 1, table1_.left + label_columns(), table1_.bottom, table1_.right};
}

CellRect PivotLayout::data_label_range() const {
  if (captions_.size() == 1) return CellRect::Cell(table1_.top, table1_.left);
  for (size_t k = 0; k < rows_.size(); ++k) {
    if (rows_[k].source < 0) return CellRect::Cell(table1_.top + item_rows(), table1_.left + static_cast<int32_t>(k));
  }
  for (size_t k = 0; k < columns_.size(); ++k) {
    if (columns_[k].source < 0)
      return CellRect::Cell(table1_.top, table1_.left + label_columns() + static_cast<int32_t>(k));
  }
  return CellRect::Cell(table1_.top, table1_.left);
}

CellRect PivotLayout::origin() const {
  return {table1_.top, table1_.left, table1_.top + item_rows() - 1, table1_.left + label_columns() - 1};
}

std::vector<CellRect> PivotLayout::Blanks() const {
  std::vector<CellRect> out;
  auto filled = [&](CellRef ref) {
    return std::any_of(cells_.begin(), cells_.end(), [&](const LayoutCell& c) { return c.ref == ref; });
  };
  auto scan = [&](std::optional<CellRect> area, int32_t skip_top) {
    if (!area) return;
    for (int32_t row = area->top + skip_top; row <= area->bottom; ++row) {
      for (int32_t column = area->left; column <= area->right; ++column) {
        if (!filled({row, column})) out.push_back(CellRect::Cell(row, column));
      }
    }
  };
  scan(column_range(), 1);  // below the column field names
  scan(row_range(), 1);     // below the row field names
  std::sort(out.begin(), out.end(),
            [](const CellRect& a, const CellRect& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; });
  return out;
}

CellRect PivotLayout::RowLine(size_t line, int32_t from_column, SelectPart part) const {
  int32_t row = table1_.top + item_rows() + 1 + static_cast<int32_t>(line);
  int32_t data_left = table1_.left + label_columns();
  if (part == SelectPart::Data) return {row, data_left, row, table1_.right};
  int32_t right = part == SelectPart::Label ? data_left - 1 : table1_.right;
  return {row, table1_.left + from_column, row, right};
}

CellRect PivotLayout::ColumnLine(size_t line, int32_t from_row, SelectPart part) const {
  int32_t column = table1_.left + label_columns() + static_cast<int32_t>(line);
  int32_t data_top = table1_.top + item_rows() + 1;
  if (part == SelectPart::Data) return {data_top, column, table1_.bottom, column};
  int32_t bottom = part == SelectPart::Label ? data_top - 1 : table1_.bottom;
  return {table1_.top + 1 + from_row, column, bottom, column};
}

std::vector<CellRect> PivotLayout::ColumnGrandTotal(SelectPart part) const {
  std::vector<CellRect> out;
  for (size_t j = 0; j < column_lines_.size(); ++j) {
    if (column_lines_[j].kind == LineKind::Grand) out.push_back(ColumnLine(j, 0, part));
  }
  return out;
}

std::vector<CellRect> PivotLayout::RowGrandTotal(SelectPart part) const {
  std::vector<CellRect> out;
  for (size_t i = 0; i < row_lines_.size(); ++i) {
    if (row_lines_[i].kind == LineKind::Grand) out.push_back(RowLine(i, 0, part));
  }
  return out;
}

std::vector<CellRect> PivotLayout::Subtotals(FieldRef field, const std::vector<size_t>& switches,
                                             SelectPart part) const {
  std::vector<CellRect> out;
  if (field.role != FieldRole::Row && field.role != FieldRole::Column) return out;
  bool rows = field.role == FieldRole::Row;
  const auto& lines = rows ? row_lines_ : column_lines_;
  for (size_t i = 0; i < lines.size(); ++i) {
    const AxisLine& line = lines[i];
    if (line.kind != LineKind::Subtotal || line.level != field.index) continue;
    if (std::find(switches.begin(), switches.end(), line.switch_index) == switches.end()) continue;
    int32_t from = static_cast<int32_t>(line.level);
    out.push_back(rows ? RowLine(i, from, part) : ColumnLine(i, from, part));
  }
  return out;
}

std::optional<FieldRef> PivotLayout::AxisFieldAt(bool rows, size_t line, size_t level) const {
  const auto& lines = rows ? row_lines_ : column_lines_;
  const auto& levels = rows ? rows_ : columns_;
  const AxisLine& l = lines[line];
  if (l.kind == LineKind::Grand || l.kind == LineKind::Total || level >= levels.size()) return std::nullopt;
  if (l.kind == LineKind::Subtotal && level > l.level) level = l.level;
  return FieldRef{rows ? FieldRole::Row : FieldRole::Column, level};
}

std::optional<FieldRef> PivotLayout::FieldAt(CellRef cell) const {
  if (page_ && page_->contains(cell)) return FieldRef{FieldRole::Page, static_cast<size_t>(cell.row - page_->top)};
  if (!table1_.contains(cell)) return std::nullopt;
  int32_t r = cell.row - table1_.top;
  int32_t c = cell.column - table1_.left;
  int32_t labels = label_columns();
  int32_t items = item_rows();
  if (r > items && c >= labels) {
    const AxisLine& rl = row_lines_[r - items - 1];
    const AxisLine& cl = column_lines_[c - labels];
    return FieldRef{FieldRole::Data, static_cast<size_t>(std::max({rl.data, cl.data, 0}))};
  }
  if (r > items) return AxisFieldAt(true, r - items - 1, c);
  if (r == items && c < labels) {
    if (c < static_cast<int32_t>(rows_.size())) return FieldRef{FieldRole::Row, static_cast<size_t>(c)};
    return std::nullopt;
  }
  if (c >= labels) {
    if (r > 0) return AxisFieldAt(false, c - labels, r - 1);
    if (c - labels < static_cast<int32_t>(columns_.size()))
      return FieldRef{FieldRole::Column, static_cast<size_t>(c - labels)};
    return std::nullopt;
  }
  if (r == 0 && c == 0 && captions_.size() == 1) return FieldRef{FieldRole::Data, 0};
  return std::nullopt;
}

std::vector<CellRect> PivotLayout::DataRange(FieldRef field) const {
  std::vector<CellRect> out;
  switch (field.role) {
    case FieldRole::Page:
      out.push_back(CellRect::Cell(page_->top + static_cast<int32_t>(field.index), page_->left + 1));
      break;
    case FieldRole::Data:
      if (captions_.size() == 1) return {data_body_range()};
      for (size_t i = 0; i < row_lines_.size(); ++i) {
        if (row_lines_[i].data == static_cast<int>(field.index)) out.push_back(RowLine(i, 0, SelectPart::Data));
      }
      for (size_t j = 0; j < column_lines_.size(); ++j) {
        if (column_lines_[j].data == static_cast<int>(field.index)) out.push_back(ColumnLine(j, 0, SelectPart::Data));
      }
      break;
    case FieldRole::Row:
    case FieldRole::Column: {
      bool rows = field.role == FieldRole::Row;
      const auto& lines = rows ? row_lines_ : column_lines_;
      size_t last = 0;
      for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].kind != LineKind::Grand) last = i;
      }
      int32_t k = static_cast<int32_t>(field.index);
      int32_t first_line = rows ? table1_.top + item_rows() + 1 : table1_.left + label_columns();
      CellRect rect =
          rows
              ? CellRect{first_line, table1_.left + k, first_line + static_cast<int32_t>(last), table1_.left + k}
              : CellRect{table1_.top + 1 + k, first_line, table1_.top + 1 + k, first_line + static_cast<int32_t>(last)};
      out.push_back(rect);
      break;
    }
  }
  return out;
}

std::u16string PivotLayout::FieldName(FieldRef field) const {
  switch (field.role) {
    case FieldRole::Row:
      return rows_.at(field.index).name;
    case FieldRole::Column:
      return columns_.at(field.index).name;
    case FieldRole::Page:
      return page_names_.at(field.index);
    case FieldRole::Data:
      return captions_.at(field.index);
  }
  return {};
}

std::optional<FieldRef> PivotLayout::FieldNamed(const std::u16string& name) const {
  auto search = [&](const auto& names, FieldRole role, auto get) -> std::optional<FieldRef> {
    for (size_t i = 0; i < names.size(); ++i) {
      if (com::AsciiEqualNoCase(get(names[i]), name)) return FieldRef{role, i};
    }
    return std::nullopt;
  };
  auto level_name = [](const AxisLevel& l) -> const std::u16string& { return l.name; };
  auto self = [](const std::u16string& s) -> const std::u16string& { return s; };
  if (auto f = search(rows_, FieldRole::Row, level_name)) return f;
  if (auto f = search(columns_, FieldRole::Column, level_name)) return f;
  if (auto f = search(page_names_, FieldRole::Page, self)) return f;
  return search(captions_, FieldRole::Data, self);
}

}  // namespace corvane::sim::excel::pivot
