#include "sim/excel/model/Address.h"

#include <string>

namespace corvane::sim::excel {
namespace {

std::u16string Number(int32_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

std::u16string RowPart(int32_t row, const AddressStyle& style) {
  return (style.row_absolute ? u"$" : u"") + Number(row);
}

std::u16string ColumnPart(int32_t column, const AddressStyle& style) {
  return (style.column_absolute ? u"$" : u"") + ColumnLetters(column);
}

std::u16string JoinRange(const std::u16string& a, const std::u16string& b) { return a == b ? a : a + u":" + b; }

std::u16string R1C1Of(const CellRect& rect) {
  const bool whole_columns = rect.top == 1 && rect.bottom == kMaxRows;
  const bool whole_rows = rect.left == 1 && rect.right == kMaxColumns;
  if (whole_rows) return JoinRange(u"R" + Number(rect.top), u"R" + Number(rect.bottom));
  if (whole_columns) return JoinRange(u"C" + Number(rect.left), u"C" + Number(rect.right));
  auto cell = [](int32_t r, int32_t c) { return u"R" + Number(r) + u"C" + Number(c); };
  return JoinRange(cell(rect.top, rect.left), cell(rect.bottom, rect.right));
}

// One end of an A1 reference: optional column letters, optional row digits.
struct RefPart {
  std::optional<int32_t> column;
  std::optional<int32_t> row;
};

std::optional<RefPart> ParsePart(std::u16string_view text) {
  RefPart part;
  size_t i = 0;
  if (i < text.size() && text[i] == u'$') ++i;
  int64_t column = 0;
  size_t letters = 0;
  for (; i < text.size(); ++i, ++letters) {
    const char16_t c = text[i];
    const char16_t upper = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
    if (upper < u'A' || upper > u'Z') break;
    column = column * 26 + (upper - u'A' + 1);
    if (column > kMaxColumns) return std::nullopt;
  }
  if (letters > 0) part.column = static_cast<int32_t>(column);
  if (i < text.size() && text[i] == u'$') {
    if (letters == 0) return std::nullopt;
    ++i;
  }
  int64_t row = 0;
  size_t digits = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, ++digits) {
    row = row * 10 + (text[i] - u'0');
    if (row > kMaxRows) return std::nullopt;
  }
  if (digits > 0) {
    if (row < 1) return std::nullopt;
    part.row = static_cast<int32_t>(row);
  }
  if (i != text.size() || (letters == 0 && digits == 0)) return std::nullopt;
  return part;
}

std::optional<CellRect> ParseArea(std::u16string_view text) {
  const size_t colon = text.find(u':');
  const auto a = ParsePart(text.substr(0, colon));
  const auto b = colon == std::u16string_view::npos ? a : ParsePart(text.substr(colon + 1));
  if (!a || !b) return std::nullopt;
  const bool cells = a->row && a->column && b->row && b->column;
  const bool columns = !a->row && !b->row && a->column && b->column && colon != std::u16string_view::npos;
  const bool rows = !a->column && !b->column && a->row && b->row && colon != std::u16string_view::npos;
  if (cells) return CellRect::Span({*a->row, *a->column}, {*b->row, *b->column});
  if (columns) return CellRect::Span({1, *a->column}, {kMaxRows, *b->column});
  if (rows) return CellRect::Span({*a->row, 1}, {*b->row, kMaxColumns});
  return std::nullopt;
}

}  // namespace

std::u16string ColumnLetters(int32_t column) {
  std::u16string letters;
  for (int32_t n = column; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char16_t>(u'A' + (n - 1) % 26));
  }
  return letters;
}

std::u16string AddressOf(const CellRect& rect, const AddressStyle& style) {
  if (style.r1c1) return R1C1Of(rect);
  const bool whole_columns = rect.top == 1 && rect.bottom == kMaxRows;
  const bool whole_rows = rect.left == 1 && rect.right == kMaxColumns;
  // Excel prefers rows when a rectangle spans the whole sheet.
  if (whole_rows) return RowPart(rect.top, style) + u":" + RowPart(rect.bottom, style);
  if (whole_columns) return ColumnPart(rect.left, style) + u":" + ColumnPart(rect.right, style);
  const std::u16string first = ColumnPart(rect.left, style) + RowPart(rect.top, style);
  const std::u16string last = ColumnPart(rect.right, style) + RowPart(rect.bottom, style);
  return JoinRange(first, last);
}

std::u16string AddressOf(const std::vector<CellRect>& areas, const AddressStyle& style) {
  std::u16string text;
  for (const CellRect& area : areas) {
    if (!text.empty()) text += u',';
    text += AddressOf(area, style);
  }
  return text;
}

std::optional<std::vector<CellRect>> ParseAddress(std::u16string_view text) {
  std::vector<CellRect> areas;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(u',', start);
    const auto area = ParseArea(text.substr(start, comma == std::u16string_view::npos ? comma : comma - start));
    if (!area) return std::nullopt;
    areas.push_back(*area);
    if (comma == std::u16string_view::npos) return areas;
    start = comma + 1;
  }
}

}  // namespace corvane::sim::excel
