// A workbook window: its active sheet, the sheets selected together (a
// group), and the selection and active cell it remembers per sheet.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "sim/excel/model/Areas.h"

namespace corvane::sim::excel {

class SheetModel;
class WorkbookModel;

struct Selection {
  Areas areas{CellRect::Cell(1, 1)};
  CellRef active_cell;
};

class WindowModel {
 public:
  WindowModel(std::weak_ptr<WorkbookModel> workbook, std::u16string caption);

  std::shared_ptr<WorkbookModel> workbook() const { return workbook_.lock(); }
  const std::u16string& caption() const { return caption_; }

  std::shared_ptr<SheetModel> active_sheet() const { return active_sheet_.lock(); }
  // Makes the sheet active and the only selected one (ungroups).
  void set_active_sheet(const std::shared_ptr<SheetModel>& sheet);
  // The selected sheets, the active one first; sheets closed since drop out.
  std::vector<std::shared_ptr<SheetModel>> selected_sheets() const;
  // Groups the sheets with the active one, as Ctrl-clicking sheet tabs does.
  void set_selected_sheets(const std::vector<std::shared_ptr<SheetModel>>& sheets);

  // A sheet's selection; A1 until something is selected there.
  Selection selection_of(const std::shared_ptr<SheetModel>& sheet) const;
  void set_selection(const std::shared_ptr<SheetModel>& sheet, Selection selection);

 private:
  std::weak_ptr<WorkbookModel> workbook_;
  std::u16string caption_;
  std::weak_ptr<SheetModel> active_sheet_;
  std::vector<std::weak_ptr<SheetModel>> selected_;
  std::map<std::weak_ptr<SheetModel>, Selection, std::owner_less<>> selections_;
};

}  // namespace corvane::sim::excel
