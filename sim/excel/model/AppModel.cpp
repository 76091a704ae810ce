#include "sim/excel/model/AppModel.h"

#include <algorithm>
#include <stdexcept>

#include "platform/com/Text.h"

namespace corvane::sim::excel {
namespace {

const std::u16string kVersions[] = {u"9.0", u"10.0", u"11.0"};

// A separator must not read as a digit or as the quoting of literal text.
bool UsableSeparator(char16_t c) { return c != 0 && c != u'"' && c != u'\\' && (c < u'0' || c > u'9'); }

}  // namespace

std::shared_ptr<AppModel> AppModel::Create() { return std::shared_ptr<AppModel>(new AppModel()); }

void AppModel::set_version(std::u16string version) {
  if (std::find(std::begin(kVersions), std::end(kVersions), version) == std::end(kVersions)) {
    throw std::invalid_argument("Excel versions are 9.0, 10.0 and 11.0");
  }
  version_ = std::move(version);
}

void AppModel::set_user_notation(NumberNotation notation) {
  if (notation.decimal == notation.grouping || !UsableSeparator(notation.decimal) ||
      !UsableSeparator(notation.grouping)) {
    throw std::invalid_argument("the decimal and grouping separators must differ and be neither digits nor quotes");
  }
  user_notation_ = notation;
}

void AppModel::set_screen_updating(bool on) {
  screen_updating_ = on;
  screen_updating_log_.push_back(on);
}

std::shared_ptr<WorkbookModel> AppModel::active_workbook() const {
  const auto window = active_window();
  return window ? window->workbook() : nullptr;
}

std::shared_ptr<SheetModel> AppModel::active_sheet() const {
  const auto window = active_window();
  return window ? window->active_sheet() : nullptr;
}

std::optional<Selection> AppModel::selection() const {
  const auto window = active_window();
  const auto sheet = active_sheet();
  if (!window || !sheet) return std::nullopt;
  return window->selection_of(sheet);
}

bool AppModel::Raise(AppEventId id, std::vector<EventArg> args) {
  AppEvent event{id, std::move(args)};
  // The listener may be replaced from inside a sink; keep this one alive.
  if (const auto listener = listener_) listener->OnEvent(event);
  return event.cancel;
}

void AppModel::QueueNumberFormatAnswer(std::optional<std::u16string> format) {
  dialog_answers_.push_back(std::move(format));
}

bool AppModel::ShowNumberFormatDialog() {
  ++dialog_shows_;
  std::optional<std::u16string> answer;
  const auto chosen = selection();
  const auto sheet = active_sheet();
  if (!dialog_answers_.empty()) {
    answer = std::move(dialog_answers_.front());
    dialog_answers_.pop_front();
  } else if (number_format_asker_ && chosen && sheet && sheet->is_worksheet()) {
    answer = number_format_asker_(sheet->cell(chosen->active_cell).number_format);
  }
  if (!answer || !chosen || !sheet || !sheet->is_worksheet()) return false;
  sheet->SetNumberFormat(chosen->areas, *answer);
  return true;
}

std::shared_ptr<WorkbookModel> AppModel::Adopt(std::shared_ptr<WorkbookModel> workbook) {
  const auto window = workbook->AddWindow();
  Deactivate(active_window(), workbook);
  workbooks_.push_back(workbook);
  active_window_ = window;
  Raise(AppEventId::WorkbookActivate, {workbook});
  Raise(AppEventId::WindowActivate, {workbook, window});
  return workbook;
}

std::shared_ptr<WorkbookModel> AppModel::NewWorkbook() {
  auto workbook =
      std::make_shared<WorkbookModel>(u"Book" + com::Utf8ToUtf16(std::to_string(++new_workbooks_)), weak_from_this());
  for (const char16_t* name : {u"Sheet1", u"Sheet2", u"Sheet3"}) workbook->AddSheet(name);
  Adopt(workbook);
  Raise(AppEventId::NewWorkbook, {workbook});
  return workbook;
}

std::shared_ptr<WorkbookModel> AppModel::OpenWorkbook(std::u16string name,
                                                      const std::vector<std::u16string>& sheet_names) {
  if (sheet_names.empty()) throw std::invalid_argument("a workbook has at least one sheet");
  auto workbook = std::make_shared<WorkbookModel>(std::move(name), weak_from_this());
  for (const auto& sheet : sheet_names) workbook->AddSheet(sheet);
  Adopt(workbook);
  Raise(AppEventId::WorkbookOpen, {workbook});
  return workbook;
}

// The leaving window's deactivation events; the workbook's too when the
// next window belongs to another workbook.
void AppModel::Deactivate(const std::shared_ptr<WindowModel>& leaving, const std::shared_ptr<WorkbookModel>& next) {
  if (!leaving) return;
  const auto workbook = leaving->workbook();
  Raise(AppEventId::WindowDeactivate, {workbook, leaving});
  if (workbook != next) Raise(AppEventId::WorkbookDeactivate, {workbook});
}

bool AppModel::CloseWorkbook(const std::shared_ptr<WorkbookModel>& workbook) {
  if (Raise(AppEventId::WorkbookBeforeClose, {workbook, CancelArg{}})) return false;
  Remove(workbook);
  return true;
}

void AppModel::Remove(const std::shared_ptr<WorkbookModel>& workbook) {
  const bool was_active = active_workbook() == workbook;
  if (was_active) Deactivate(active_window(), nullptr);
  std::erase(workbooks_, workbook);
  if (!was_active) return;
  active_window_.reset();
  if (workbooks_.empty()) return;
  const auto next = workbooks_.back();
  active_window_ = next->windows().front();
  Raise(AppEventId::WorkbookActivate, {next});
  Raise(AppEventId::WindowActivate, {next, next->windows().front()});
}

bool AppModel::SaveWorkbook(const std::shared_ptr<WorkbookModel>& workbook, bool save_as_ui) {
  if (Raise(AppEventId::WorkbookBeforeSave, {workbook, save_as_ui, CancelArg{}})) return false;
  workbook->set_saved(true);
  return true;
}

bool AppModel::PrintWorkbook(const std::shared_ptr<WorkbookModel>& workbook) {
  return !Raise(AppEventId::WorkbookBeforePrint, {workbook, CancelArg{}});
}

std::shared_ptr<SheetModel> AppModel::AddSheet(const std::shared_ptr<WorkbookModel>& workbook, std::u16string name,
                                               SheetKind kind) {
  auto sheet = workbook->AddSheet(std::move(name), kind);
  workbook->set_saved(false);
  Raise(AppEventId::WorkbookNewSheet, {workbook, sheet});
  if (workbook == active_workbook()) ActivateSheet(sheet);
  return sheet;
}

void AppModel::ActivateWorkbook(const std::shared_ptr<WorkbookModel>& workbook) {
  ActivateWindow(workbook->windows().front());
}

void AppModel::ActivateWindow(const std::shared_ptr<WindowModel>& window) {
  const auto leaving = active_window();
  if (leaving == window) return;
  const auto workbook = window->workbook();
  const bool other_workbook = !leaving || leaving->workbook() != workbook;
  Deactivate(leaving, workbook);
  active_window_ = window;
  if (other_workbook) Raise(AppEventId::WorkbookActivate, {workbook});
  Raise(AppEventId::WindowActivate, {workbook, window});
}

void AppModel::ActivateSheet(const std::shared_ptr<SheetModel>& sheet) {
  const auto workbook = sheet->workbook();
  if (workbook != active_workbook()) ActivateWorkbook(workbook);
  const auto window = active_window();
  const auto leaving = window->active_sheet();
  if (leaving == sheet) return;
  if (leaving) Raise(AppEventId::SheetDeactivate, {leaving});
  window->set_active_sheet(sheet);
  Raise(AppEventId::SheetActivate, {sheet});
}

void AppModel::ResizeWindow(const std::shared_ptr<WindowModel>& window) {
  Raise(AppEventId::WindowResize, {window->workbook(), window});
}

void AppModel::GroupSheets(const std::vector<std::shared_ptr<SheetModel>>& sheets) {
  const auto window = active_window();
  if (!window) throw std::logic_error("no window to group sheets in");
  for (const auto& sheet : sheets) {
    if (sheet->workbook() != window->workbook()) throw std::logic_error("grouped sheets share a workbook");
  }
  window->set_selected_sheets(sheets);
}

void AppModel::Select(const std::shared_ptr<SheetModel>& sheet, const Areas& areas,
                      std::optional<CellRef> active_cell) {
  const auto window = active_window();
  if (!window || window->active_sheet() != sheet) throw std::logic_error("only the active sheet can be selected on");
  if (!sheet->is_worksheet()) throw std::logic_error("a chart sheet has no cells to select");
  const CellRef active = active_cell.value_or(areas.first_cell());
  if (!areas.Contains(active)) throw std::logic_error("the active cell must lie inside the selection");
  window->set_selection(sheet, {areas.As(AreaShape::Cells), active});
  Raise(AppEventId::SheetSelectionChange, {sheet, RangeArg{sheet, areas.As(AreaShape::Cells)}});
}

void AppModel::ChangeCells(const std::shared_ptr<SheetModel>& sheet, const Areas& areas, const CellValue& value) {
  for (const CellRect& area : areas.rects()) {
    for (int32_t r = area.top; r <= area.bottom; ++r) {
      for (int32_t c = area.left; c <= area.right; ++c) sheet->SetValue({r, c}, value);
    }
  }
  if (const auto workbook = sheet->workbook()) workbook->set_saved(false);
  Raise(AppEventId::SheetChange, {sheet, RangeArg{sheet, areas.As(AreaShape::Cells)}});
}

void AppModel::Calculate(const std::shared_ptr<SheetModel>& sheet) { Raise(AppEventId::SheetCalculate, {sheet}); }

bool AppModel::ClickEvent(AppEventId id, const std::shared_ptr<SheetModel>& sheet, CellRef cell) {
  return !Raise(id, {sheet, RangeArg{sheet, Areas(CellRect::Cell(cell.row, cell.column))}, CancelArg{}});
}

bool AppModel::DoubleClick(const std::shared_ptr<SheetModel>& sheet, CellRef cell) {
  return ClickEvent(AppEventId::SheetBeforeDoubleClick, sheet, cell);
}

bool AppModel::RightClick(const std::shared_ptr<SheetModel>& sheet, CellRef cell) {
  return ClickEvent(AppEventId::SheetBeforeRightClick, sheet, cell);
}

void AppModel::InstallAddIn(const std::shared_ptr<WorkbookModel>& workbook) {
  Raise(AppEventId::WorkbookAddinInstall, {workbook});
}

void AppModel::UninstallAddIn(const std::shared_ptr<WorkbookModel>& workbook) {
  Raise(AppEventId::WorkbookAddinUninstall, {workbook});
}

void AppModel::FollowHyperlink(const std::shared_ptr<SheetModel>& sheet) {
  Raise(AppEventId::SheetFollowHyperlink, {sheet, NoObject{}});
}

void AppModel::PivotTableUpdated(const std::shared_ptr<SheetModel>& sheet, const std::shared_ptr<PivotSite>& table) {
  Raise(AppEventId::SheetPivotTableUpdate, {sheet, PivotArg{sheet, table}});
}

void AppModel::OpenPivotConnection(const std::shared_ptr<SheetModel>& sheet, const std::shared_ptr<PivotSite>& table) {
  Raise(AppEventId::WorkbookPivotTableOpenConnection, {sheet->workbook(), PivotArg{sheet, table}});
}

void AppModel::ClosePivotConnection(const std::shared_ptr<SheetModel>& sheet, const std::shared_ptr<PivotSite>& table) {
  Raise(AppEventId::WorkbookPivotTableCloseConnection, {sheet->workbook(), PivotArg{sheet, table}});
}

void AppModel::SyncWorkbook(const std::shared_ptr<WorkbookModel>& workbook, int32_t sync_event_type) {
  Raise(AppEventId::WorkbookSync, {workbook, sync_event_type});
}

bool AppModel::ImportXml(const std::shared_ptr<WorkbookModel>& workbook, std::u16string url, bool is_refresh) {
  if (Raise(AppEventId::WorkbookBeforeXmlImport, {workbook, NoObject{}, url, is_refresh, CancelArg{}})) return false;
  Raise(AppEventId::WorkbookAfterXmlImport, {workbook, NoObject{}, is_refresh, int32_t{0}});
  return true;
}

bool AppModel::ExportXml(const std::shared_ptr<WorkbookModel>& workbook, std::u16string url) {
  if (Raise(AppEventId::WorkbookBeforeXmlExport, {workbook, NoObject{}, url, CancelArg{}})) return false;
  Raise(AppEventId::WorkbookAfterXmlExport, {workbook, NoObject{}, url, int32_t{0}});
  return true;
}

bool AppModel::Quit() {
  const auto open = workbooks_;
  for (const auto& workbook : open) {
    if (Raise(AppEventId::WorkbookBeforeClose, {workbook, CancelArg{}})) return false;
  }
  // Excel closes without activating the workbooks in between.
  workbooks_.clear();
  active_window_.reset();
  quit_ = true;
  for (const auto& hook : quit_hooks_) hook();
  return true;
}

}  // namespace corvane::sim::excel
