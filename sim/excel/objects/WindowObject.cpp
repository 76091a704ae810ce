#include "sim/excel/objects/WindowObject.h"

#include "published/Excel.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<WindowObject>& WindowObject::Type() {
  static const ObjectType<WindowObject> type{
      u"Window",
      {Excel::Window::iid},
      {Get(Excel::Window::ActiveCell, u"ActiveCell", &WindowObject::GetActiveCell),
       Get(Excel::Window::Selection, u"Selection", &WindowObject::GetSelection),
       Get(Excel::Window::ActiveSheet, u"ActiveSheet", &WindowObject::GetActiveSheet),
       Get(Excel::Window::SelectedSheets, u"SelectedSheets", &WindowObject::GetSelectedSheets),
       Get(Excel::Window::Caption, u"Caption", &WindowObject::GetCaption),
       Method(Excel::Window::Activate, u"Activate", &WindowObject::Activate)}};
  return type;
}

com::ComPtr<IDispatch> NewWindowObject(const std::shared_ptr<WindowModel>& window) {
  return AsDispatch(com::Make<WindowObject>(window));
}

namespace {

com::Variant Nothing() { return com::Variant(static_cast<IDispatch*>(nullptr)); }

}  // namespace

// On a chart sheet there is no active cell: Nothing, as in Excel.
com::Variant ActiveCellOf(const std::shared_ptr<WindowModel>& window) {
  const auto sheet = window->active_sheet();
  if (!sheet || !sheet->is_worksheet()) return Nothing();
  const CellRef cell = window->selection_of(sheet).active_cell;
  return NewRangeObject(sheet, Areas(CellRect::Cell(cell.row, cell.column)));
}

// The selected cells; on a chart sheet the chart itself.
com::Variant SelectionOf(const std::shared_ptr<WindowModel>& window) {
  const auto sheet = window->active_sheet();
  if (!sheet) return Nothing();
  if (!sheet->is_worksheet()) return NewSheetObject(sheet);
  return NewRangeObject(sheet, window->selection_of(sheet).areas);
}

com::Variant ActiveSheetOf(const std::shared_ptr<WindowModel>& window) {
  const auto sheet = window->active_sheet();
  return sheet ? com::Variant(NewSheetObject(sheet)) : Nothing();
}

com::Variant WindowObject::GetActiveCell(Args&) { return ActiveCellOf(Alive(window_)); }
com::Variant WindowObject::GetSelection(Args&) { return SelectionOf(Alive(window_)); }
com::Variant WindowObject::GetActiveSheet(Args&) { return ActiveSheetOf(Alive(window_)); }

com::Variant WindowObject::GetSelectedSheets(Args&) { return NewSelectedSheetsObject(Alive(window_)); }
com::Variant WindowObject::GetCaption(Args&) { return Alive(window_)->caption(); }

com::Variant WindowObject::Activate(Args&) {
  const auto window = Alive(window_);
  const auto workbook = window->workbook();
  const auto app = workbook ? workbook->app() : nullptr;
  if (!app) throw InvokeError(kDisconnected);
  app->ActivateWindow(window);
  return true;
}

}  // namespace corvane::sim::excel
