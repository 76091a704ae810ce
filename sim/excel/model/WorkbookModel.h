// A workbook: its sheets in tab order, its windows, its cell styles (Excel's
// built-in ones unless removed: a workbook may lack "Currency"), and whether
// it is saved.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/SheetModel.h"
#include "sim/excel/model/WindowModel.h"

namespace corvane::sim::excel {

class AppModel;

struct CellStyle {
  std::u16string name;
  std::u16string number_format;
};

// Excel's Currency style format in the classic US English settings.
inline constexpr char16_t kCurrencyFormat[] = u"_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)";

class WorkbookModel : public std::enable_shared_from_this<WorkbookModel> {
 public:
  WorkbookModel(std::u16string name, std::weak_ptr<AppModel> app);

  const std::u16string& name() const { return name_; }
  std::shared_ptr<AppModel> app() const { return app_.lock(); }
  bool saved() const { return saved_; }
  void set_saved(bool saved) { saved_ = saved; }

  // Sheets: added at the end, found by name ignoring case like Excel.
  std::shared_ptr<SheetModel> AddSheet(std::u16string name, SheetKind kind = SheetKind::Worksheet);
  const std::vector<std::shared_ptr<SheetModel>>& sheets() const { return sheets_; }
  std::shared_ptr<SheetModel> FindSheet(std::u16string_view name) const;

  // The window list; a workbook has one from the start.
  std::shared_ptr<WindowModel> AddWindow();
  const std::vector<std::shared_ptr<WindowModel>>& windows() const { return windows_; }

  // Styles, names compared ignoring case.
  const std::vector<CellStyle>& styles() const { return styles_; }
  std::optional<CellStyle> FindStyle(std::u16string_view name) const;
  void AddStyle(CellStyle style);
  void RemoveStyle(std::u16string_view name);

 private:
  std::u16string name_;
  std::weak_ptr<AppModel> app_;
  bool saved_ = true;
  std::vector<std::shared_ptr<SheetModel>> sheets_;
  std::vector<std::shared_ptr<WindowModel>> windows_;
  std::vector<CellStyle> styles_;
};

}  // namespace corvane::sim::excel
