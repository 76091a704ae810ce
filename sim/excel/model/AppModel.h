// The simulated Excel itself: version, screen updating, workbooks and the
// active window, the number format dialog, and the user actions that the
// tests and the workbench perform, each raising the application events Excel
// raises for it.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "sim/excel/model/AppEvent.h"
#include "sim/excel/model/NumberNotation.h"
#include "sim/excel/model/WorkbookModel.h"

namespace corvane::sim::excel {

class AppModel : public std::enable_shared_from_this<AppModel> {
 public:
  // Excel started through automation: no workbook open yet.
  static std::shared_ptr<AppModel> Create();

  // "9.0", "10.0" or "11.0"; other texts throw std::invalid_argument.
  const std::u16string& version() const { return version_; }
  void set_version(std::u16string version);

  // The user's regional notation of numbers (en-US unless set); equal
  // separators, digits, '"' or '\\' throw std::invalid_argument.
  const NumberNotation& user_notation() const { return user_notation_; }
  void set_user_notation(NumberNotation notation);

  bool screen_updating() const { return screen_updating_; }
  // Every write is logged, also one that does not change the value.
  void set_screen_updating(bool on);
  const std::vector<bool>& screen_updating_log() const { return screen_updating_log_; }

  const std::vector<std::shared_ptr<WorkbookModel>>& workbooks() const { return workbooks_; }
  std::shared_ptr<WindowModel> active_window() const { return active_window_.lock(); }
  std::shared_ptr<WorkbookModel> active_workbook() const;
  std::shared_ptr<SheetModel> active_sheet() const;
  // The active sheet's selection in the active window; nothing without one.
  std::optional<Selection> selection() const;

  void set_listener(std::shared_ptr<AppEventListener> listener) { listener_ = std::move(listener); }
  const std::shared_ptr<AppEventListener>& listener() const { return listener_; }
  // Raises an event through the listener; returns what the sinks left in
  // Cancel (false when nobody listens).
  bool Raise(AppEventId id, std::vector<EventArg> args);

  // The number format dialog (Dialogs(42)). Answers are queued: a format
  // for OK, nothing for Cancel; without a queued answer the asker is asked
  // (given the active cell's format), and without an asker the user cancels.
  void QueueNumberFormatAnswer(std::optional<std::u16string> format);
  using NumberFormatAsker = std::function<std::optional<std::u16string>(const std::u16string& current)>;
  void set_number_format_asker(NumberFormatAsker asker) { number_format_asker_ = std::move(asker); }
  // Shows it on the selection; true for OK, which applies the format.
  bool ShowNumberFormatDialog();
  int dialog_shows() const { return dialog_shows_; }

  // User actions.
  std::shared_ptr<WorkbookModel> NewWorkbook();
  std::shared_ptr<WorkbookModel> OpenWorkbook(std::u16string name, const std::vector<std::u16string>& sheet_names);
  // False when a sink cancelled (the workbook stays open).
  bool CloseWorkbook(const std::shared_ptr<WorkbookModel>& workbook);
  bool SaveWorkbook(const std::shared_ptr<WorkbookModel>& workbook, bool save_as_ui = false);
  bool PrintWorkbook(const std::shared_ptr<WorkbookModel>& workbook);
  std::shared_ptr<SheetModel> AddSheet(const std::shared_ptr<WorkbookModel>& workbook, std::u16string name,
                                       SheetKind kind = SheetKind::Worksheet);
  void ActivateWorkbook(const std::shared_ptr<WorkbookModel>& workbook);
  void ActivateWindow(const std::shared_ptr<WindowModel>& window);
  void ActivateSheet(const std::shared_ptr<SheetModel>& sheet);
  void ResizeWindow(const std::shared_ptr<WindowModel>& window);
  // Groups sheets of the active workbook with its active sheet.
  void GroupSheets(const std::vector<std::shared_ptr<SheetModel>>& sheets);
  // Selects areas of the active sheet; the active cell moves to the given
  // cell (the first cell when none). std::logic_error when the sheet is not
  // the active one or is no worksheet, as Excel refuses.
  void Select(const std::shared_ptr<SheetModel>& sheet, const Areas& areas,
              std::optional<CellRef> active_cell = std::nullopt);
  void ChangeCells(const std::shared_ptr<SheetModel>& sheet, const Areas& areas, const CellValue& value);
  void Calculate(const std::shared_ptr<SheetModel>& sheet);
  // False when a sink cancelled Excel's own handling.
  bool DoubleClick(const std::shared_ptr<SheetModel>& sheet, CellRef cell);
  bool RightClick(const std::shared_ptr<SheetModel>& sheet, CellRef cell);

  // Add-in workbooks installed or uninstalled through the Add-ins dialog.
  void InstallAddIn(const std::shared_ptr<WorkbookModel>& workbook);
  void UninstallAddIn(const std::shared_ptr<WorkbookModel>& workbook);
  // A hyperlink on the sheet followed (the Hyperlink object is not kept: it
  // arrives as Nothing).
  void FollowHyperlink(const std::shared_ptr<SheetModel>& sheet);
  // Raised after a pivot table was refreshed (PivotTable.Update does).
  void PivotTableUpdated(const std::shared_ptr<SheetModel>& sheet, const std::shared_ptr<PivotSite>& table);
  // A pivot table's connection to its external source opened or closed.
  void OpenPivotConnection(const std::shared_ptr<SheetModel>& sheet, const std::shared_ptr<PivotSite>& table);
  void ClosePivotConnection(const std::shared_ptr<SheetModel>& sheet, const std::shared_ptr<PivotSite>& table);
  // A shared workspace synchronisation event (Excel's MsoSyncEventType).
  void SyncWorkbook(const std::shared_ptr<WorkbookModel>& workbook, int32_t sync_event_type);
  // XML data imported into or exported from the workbook's XML map (not
  // kept: Nothing): the Before event, then, unless cancelled (false), the
  // After event with the result 0 (success).
  bool ImportXml(const std::shared_ptr<WorkbookModel>& workbook, std::u16string url, bool is_refresh);
  bool ExportXml(const std::shared_ptr<WorkbookModel>& workbook, std::u16string url);

  // Quit: every workbook is asked before it closes; a cancel stops the quit
  // (false). Then the quit hooks run (Office's shutdown of its add-ins).
  bool Quit();
  bool has_quit() const { return quit_; }
  void AddQuitHook(std::function<void()> hook) { quit_hooks_.push_back(std::move(hook)); }

 private:
  AppModel() = default;
  std::shared_ptr<WorkbookModel> Adopt(std::shared_ptr<WorkbookModel> workbook);
  void Deactivate(const std::shared_ptr<WindowModel>& leaving, const std::shared_ptr<WorkbookModel>& next);
  void Remove(const std::shared_ptr<WorkbookModel>& workbook);
  bool ClickEvent(AppEventId id, const std::shared_ptr<SheetModel>& sheet, CellRef cell);

  std::u16string version_ = u"11.0";
  NumberNotation user_notation_;
  bool screen_updating_ = true;
  std::vector<bool> screen_updating_log_;
  std::vector<std::shared_ptr<WorkbookModel>> workbooks_;
  std::weak_ptr<WindowModel> active_window_;
  std::shared_ptr<AppEventListener> listener_;
  std::deque<std::optional<std::u16string>> dialog_answers_;
  NumberFormatAsker number_format_asker_;
  int dialog_shows_ = 0;
  int new_workbooks_ = 0;
  bool quit_ = false;
  std::vector<std::function<void()>> quit_hooks_;
};

}  // namespace corvane::sim::excel
