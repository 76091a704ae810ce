#include "sim/excel/model/WorkbookModel.h"

#include <algorithm>
#include <stdexcept>

#include "platform/com/Text.h"

namespace corvane::sim::excel {
namespace {

// The built-in styles every new workbook has, as classic US English Excel
// defines them.
const CellStyle kBuiltInStyles[] = {
    {u"Normal", kGeneralFormat},
    {u"Comma", u"_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"??_);_(@_)"},
    {u"Comma [0]", u"_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)"},
    {u"Currency", kCurrencyFormat},
    {u"Currency [0]", u"_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)"},
    {u"Percent", u"0%"},
};

}  // namespace

WorkbookModel::WorkbookModel(std::u16string name, std::weak_ptr<AppModel> app)
    : name_(std::move(name)), app_(std::move(app)), styles_(std::begin(kBuiltInStyles), std::end(kBuiltInStyles)) {}

std::shared_ptr<SheetModel> WorkbookModel::AddSheet(std::u16string name, SheetKind kind) {
  if (FindSheet(name)) throw std::invalid_argument("a sheet of that name exists");
  auto sheet = std::make_shared<SheetModel>(std::move(name), kind, weak_from_this());
  sheets_.push_back(sheet);
  return sheet;
}

std::shared_ptr<SheetModel> WorkbookModel::FindSheet(std::u16string_view name) const {
  for (const auto& sheet : sheets_) {
    if (com::AsciiEqualNoCase(sheet->name(), name)) return sheet;
  }
  return nullptr;
}

std::shared_ptr<WindowModel> WorkbookModel::AddWindow() {
  const std::u16string caption =
      windows_.empty() ? name_ : name_ + u":" + com::Utf8ToUtf16(std::to_string(windows_.size() + 1));
  auto window = std::make_shared<WindowModel>(weak_from_this(), caption);
  if (!sheets_.empty()) window->set_active_sheet(sheets_.front());
  windows_.push_back(window);
  return window;
}

std::optional<CellStyle> WorkbookModel::FindStyle(std::u16string_view name) const {
  for (const CellStyle& style : styles_) {
    if (com::AsciiEqualNoCase(style.name, name)) return style;
  }
  return std::nullopt;
}

void WorkbookModel::AddStyle(CellStyle style) {
  RemoveStyle(style.name);
  styles_.push_back(std::move(style));
}

void WorkbookModel::RemoveStyle(std::u16string_view name) {
  std::erase_if(styles_, [&](const CellStyle& s) { return com::AsciiEqualNoCase(s.name, name); });
}

}  // namespace corvane::sim::excel
