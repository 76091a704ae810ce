#include "sim/excel/objects/WorkbookObject.h"

#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelIids.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<WorkbookObject>& WorkbookObject::Type() {
  static const ObjectType<WorkbookObject> type{
      u"Workbook",
      {kWorkbookIid},
      {Get(0x6E, u"Name", &WorkbookObject::GetName), Get(0x133, u"ActiveSheet", &WorkbookObject::GetActiveSheet),
       Get(0x1E5, u"Sheets", &WorkbookObject::GetSheets), Get(0x1EE, u"Worksheets", &WorkbookObject::GetWorksheets),
       Property(0x12A, u"Saved", &WorkbookObject::GetSaved, &WorkbookObject::PutSaved),
       Method(0x130, u"Activate", &WorkbookObject::Activate), Method(0x115, u"Close", &WorkbookObject::Close).Takes(3),
       Method(0x11B, u"Save", &WorkbookObject::Save), Get(0x94, u"Application", &WorkbookObject::GetApplication)}};
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
