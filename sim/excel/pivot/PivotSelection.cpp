#include "sim/excel/pivot/PivotSelection.h"

#include "platform/com/Text.h"
#include "sim/excel/pivot/Aggregate.h"

namespace corvane::sim::excel::pivot {
namespace {

std::u16string_view Trim(std::u16string_view text) {
  while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
  if (text.size() >= 2 && text.front() == u'\'' && text.back() == u'\'') text = text.substr(1, text.size() - 2);
  return text;
}

std::vector<std::u16string_view> Split(std::u16string_view text, char16_t separator) {
  std::vector<std::u16string_view> parts;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == separator) {
      parts.push_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// "Region[All;Sum;Count]": the field's subtotal lines of those functions.
std::vector<CellRect> Subtotals(const PivotLayout& layout, std::u16string_view text, SelectPart part) {
  size_t open = text.find(u'[');
  if (open == std::u16string_view::npos || text.back() != u']') return {};
  auto field = layout.FieldNamed(std::u16string(Trim(text.substr(0, open))));
  std::vector<std::u16string_view> items = Split(text.substr(open + 1, text.size() - open - 2), u';');
  if (!field || items.size() < 2 || !com::AsciiEqualNoCase(Trim(items[0]), u"All")) return {};
  std::vector<size_t> switches;
  for (size_t i = 1; i < items.size(); ++i) {
    auto index = SwitchNamed(Trim(items[i]));
    if (!index) return {};
    switches.push_back(*index);
  }
  return layout.Subtotals(*field, switches, part);
}

}  // namespace

std::vector<CellRect> ResolvePivotSelect(const PivotLayout& layout, std::u16string_view text, int mode) {
  switch (static_cast<SelectMode>(mode)) {
    case SelectMode::Origin:
      return {layout.origin()};
    case SelectMode::Blanks:
      return layout.Blanks();
    case SelectMode::DataAndLabel:
    case SelectMode::LabelOnly:
    case SelectMode::DataOnly:
      break;
    default:
      return {};
  }
  auto part = static_cast<SelectPart>(mode);
  std::u16string_view name = Trim(text);
  if (name.empty()) return {};
  if (com::AsciiEqualNoCase(name, u"Column Grand Total")) return layout.ColumnGrandTotal(part);
  if (com::AsciiEqualNoCase(name, u"Row Grand Total")) return layout.RowGrandTotal(part);
  return Subtotals(layout, name, part);
}

}  // namespace corvane::sim::excel::pivot
