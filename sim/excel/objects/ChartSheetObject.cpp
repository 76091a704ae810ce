#include "sim/excel/objects/ChartSheetObject.h"

#include "published/Excel.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/SheetMembers.h"
#include "sim/excel/objects/WorksheetObject.h"

namespace corvane::sim::excel {

const ObjectType<ChartSheetObject>& ChartSheetObject::Type() {
  static const ObjectType<ChartSheetObject> type{
      u"Chart",
      {Excel::Chart::iid},
      {Get(Excel::Chart::Name, u"Name", &ChartSheetObject::GetName),
       Method(Excel::Chart::Activate, u"Activate", &ChartSheetObject::Activate),
       Get(Excel::Chart::Index, u"Index", &ChartSheetObject::GetIndex),
       Get(Excel::Chart::Parent, u"Parent", &ChartSheetObject::GetParent),
       Get(Excel::Chart::Application, u"Application", &ChartSheetObject::GetApplication)}};
  return type;
}

com::Variant ChartSheetObject::GetName(Args&) { return sheet_members::Name(sheet_); }
com::Variant ChartSheetObject::GetIndex(Args&) { return sheet_members::Index(sheet_); }
com::Variant ChartSheetObject::GetParent(Args&) { return sheet_members::Parent(sheet_); }
com::Variant ChartSheetObject::GetApplication(Args&) { return sheet_members::Application(sheet_); }
com::Variant ChartSheetObject::Activate(Args&) { return sheet_members::Activate(sheet_); }

com::ComPtr<IDispatch> NewSheetObject(const std::shared_ptr<SheetModel>& sheet) {
  if (sheet->is_worksheet()) return AsDispatch(com::Make<WorksheetObject>(sheet));
  return AsDispatch(com::Make<ChartSheetObject>(sheet));
}

}  // namespace corvane::sim::excel
