#include "sim/excel/objects/WorkbookObject.h"

#include "published/Excel.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<WorkbookObject>& WorkbookObject::Type() {
  static const ObjectType<WorkbookObject> type{
      u"Workbook",
      {Excel::Workbook::iid},
      {Get(Excel::Workbook::Name, u"Name", &WorkbookObject::GetName),
       Get(Excel::Workbook::ActiveSheet, u"ActiveSheet", &WorkbookObject::GetActiveSheet),
       Get(Excel::Workbook::Sheets, u"Sheets", &WorkbookObject::GetSheets),
       Get(Excel::Workbook::Worksheets, u"Worksheets", &WorkbookObject::GetWorksheets),
       Property(Excel::Workbook::Saved, u"Saved", &WorkbookObject::GetSaved, &WorkbookObject::PutSaved),
       Method(Excel::Workbook::Activate, u"Activate", &WorkbookObject::Activate),
       Method(Excel::Workbook::Close, u"Close", &WorkbookObject::Close).Takes(3),
       Method(Excel::Workbook::Save, u"Save", &WorkbookObject::Save),
       Get(Excel::Workbook::Application, u"Application", &WorkbookObject::GetApplication)}};
  return type;
}

com::ComPtr<IDispatch> NewWorkbookObject(const std::shared_ptr<WorkbookModel>& workbook) {
  return AsDispatch(com::Make<WorkbookObject>(workbook));
}

std::shared_ptr<AppModel> WorkbookObject::App() {
  auto app = Alive(workbook_)->app();
  if (!app) throw InvokeError(kDisconnected);
  return app;
}

com::Variant WorkbookObject::GetName(Args&) { return Alive(workbook_)->name(); }

// The workbook's active sheet is that of its first window.
com::Variant WorkbookObject::GetActiveSheet(Args&) {
  const auto workbook = Alive(workbook_);
  const auto sheet = workbook->windows().empty() ? nullptr : workbook->windows().front()->active_sheet();
  if (!sheet) return com::Variant(static_cast<IDispatch*>(nullptr));
  return NewSheetObject(sheet);
}

com::Variant WorkbookObject::GetSheets(Args&) { return NewSheetsObject(Alive(workbook_), false); }
com::Variant WorkbookObject::GetWorksheets(Args&) { return NewSheetsObject(Alive(workbook_), true); }
com::Variant WorkbookObject::GetSaved(Args&) { return Alive(workbook_)->saved(); }
void WorkbookObject::PutSaved(Args& args) { Alive(workbook_)->set_saved(args.value().Bool()); }

com::Variant WorkbookObject::Activate(Args&) {
  App()->ActivateWorkbook(Alive(workbook_));
  return true;
}

// Close: a sink's Cancel keeps the workbook open, and the call still
// succeeds, as in Excel.
com::Variant WorkbookObject::Close(Args&) {
  App()->CloseWorkbook(Alive(workbook_));
  return true;
}

com::Variant WorkbookObject::Save(Args&) {
  App()->SaveWorkbook(Alive(workbook_), false);
  return true;
}

com::Variant WorkbookObject::GetApplication(Args&) { return NewApplicationObject(App()); }

}  // namespace corvane::sim::excel
