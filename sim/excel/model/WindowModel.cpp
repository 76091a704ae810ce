#include "sim/excel/model/WindowModel.h"

#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel {

WindowModel::WindowModel(std::weak_ptr<WorkbookModel> workbook, std::u16string caption)
    : workbook_(std::move(workbook)), caption_(std::move(caption)) {}

void WindowModel::set_active_sheet(const std::shared_ptr<SheetModel>& sheet) {
  active_sheet_ = sheet;
  selected_ = {sheet};
}

std::vector<std::shared_ptr<SheetModel>> WindowModel::selected_sheets() const {
  std::vector<std::shared_ptr<SheetModel>> sheets;
  for (const auto& weak : selected_) {
    if (auto sheet = weak.lock()) sheets.push_back(std::move(sheet));
  }
  return sheets;
}

void WindowModel::set_selected_sheets(const std::vector<std::shared_ptr<SheetModel>>& sheets) {
  const auto active = active_sheet();
  selected_.clear();
  if (active) selected_.push_back(active);
  for (const auto& sheet : sheets) {
    if (sheet != active) selected_.push_back(sheet);
  }
}

Selection WindowModel::selection_of(const std::shared_ptr<SheetModel>& sheet) const {
  const auto found = selections_.find(sheet);
  return found == selections_.end() ? Selection{} : found->second;
}

void WindowModel::set_selection(const std::shared_ptr<SheetModel>& sheet, Selection selection) {
  selections_[sheet] = std::move(selection);
}

}  // namespace corvane::sim::excel
