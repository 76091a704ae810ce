#include "sim/excel/objects/ChartSheetObject.h"

#include "sim/excel/objects/ExcelIids.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/SheetMembers.h"
#include "sim/excel/objects/WorksheetObject.h"

namespace corvane::sim::excel {

const ObjectType<ChartSheetObject>& ChartSheetObject::Type() {
  static const ObjectType<ChartSheetObject> type{
      u"Chart",
      {kChartIid},
      {Get(0x6E, u"Name", &ChartSheetObject::GetName), Method(0x130, u"Activate", &ChartSheetObject::Activate),
       Get(0x1E6, u"Index", &ChartSheetObject::GetIndex), Get(0x96, u"Parent", &ChartSheetObject::GetParent),
       Get(0x94, u"Application", &ChartSheetObject::GetApplication)}};
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
