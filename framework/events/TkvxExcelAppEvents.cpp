#include "framework/events/TkvxExcelAppEvents.h"

#include <algorithm>
#include <iterator>

#include "framework/events/EventConversions.h"
#include "published/Excel.h"

namespace corvane::framework {
namespace {

namespace conv = event_conversions;

using Workbook = conv::Object<Excel::Workbook::iid>;
using Range = conv::Object<Excel::Range::iid>;
using Window = conv::Object<Excel::Window::iid>;
using Hyperlink = conv::Object<Excel::Hyperlink::iid>;
using PivotTable = conv::Object<Excel::PivotTable::iid>;
using Sheet = conv::Dispatch;
using Map = conv::Dispatch;
using conv::Cancel;
using conv::Flag;
using conv::Integer;
using conv::Text;

using E = TkvxExcelAppEvents;

// One event: raises the handler in Field with the arguments converted.
template <auto Field, class... Conversions>
void Raise(E& events, std::vector<com::Variant>& params) {
  conv::RaiseEvent<Conversions...>(events.*Field, static_cast<TObject*>(&events), params);
}

struct EventEntry {
  DISPID id;
  void (*raise)(E&, std::vector<com::Variant>&);
};

constexpr EventEntry kEvents[] = {
    {Excel::AppEvents::WindowResize, Raise<&E::OnWindowResize, Workbook, Window>},
    {Excel::AppEvents::WindowActivate, Raise<&E::OnWindowActivate, Workbook, Window>},
    {Excel::AppEvents::WindowDeactivate, Raise<&E::OnWindowDeactivate, Workbook, Window>},
    {Excel::AppEvents::SheetSelectionChange, Raise<&E::OnSheetSelectionChange, Sheet, Range>},
    {Excel::AppEvents::SheetBeforeDoubleClick, Raise<&E::OnSheetBeforeDoubleClick, Sheet, Range, Cancel>},
    {Excel::AppEvents::SheetBeforeRightClick, Raise<&E::OnSheetBeforeRightClick, Sheet, Range, Cancel>},
    {Excel::AppEvents::SheetActivate, Raise<&E::OnSheetActivate, Sheet>},
    {Excel::AppEvents::SheetDeactivate, Raise<&E::OnSheetDeactivate, Sheet>},
    {Excel::AppEvents::SheetCalculate, Raise<&E::OnSheetCalculate, Sheet>},
    {Excel::AppEvents::SheetChange, Raise<&E::OnSheetChange, Sheet, Range>},
    {Excel::AppEvents::NewWorkbook, Raise<&E::OnNewWorkbook, Workbook>},
    {Excel::AppEvents::WorkbookOpen, Raise<&E::OnWorkbookOpen, Workbook>},
    {Excel::AppEvents::WorkbookActivate, Raise<&E::OnWorkbookActivate, Workbook>},
    {Excel::AppEvents::WorkbookDeactivate, Raise<&E::OnWorkbookDeactivate, Workbook>},
    {Excel::AppEvents::WorkbookBeforeClose, Raise<&E::OnWorkbookBeforeClose, Workbook, Cancel>},
    {Excel::AppEvents::WorkbookBeforeSave, Raise<&E::OnWorkbookBeforeSave, Workbook, Flag, Cancel>},
    {Excel::AppEvents::WorkbookBeforePrint, Raise<&E::OnWorkbookBeforePrint, Workbook, Cancel>},
    {Excel::AppEvents::WorkbookNewSheet, Raise<&E::OnWorkbookNewSheet, Workbook, Sheet>},
    {Excel::AppEvents::WorkbookAddinInstall, Raise<&E::OnWorkbookAddinInstall, Workbook>},
    {Excel::AppEvents::WorkbookAddinUninstall, Raise<&E::OnWorkbookAddinUninstall, Workbook>},
    {Excel::AppEvents::SheetFollowHyperlink, Raise<&E::OnSheetFollowHyperlink, Sheet, Hyperlink>},
    {Excel::AppEvents::SheetPivotTableUpdate, Raise<&E::OnSheetPivotTableUpdate, Sheet, PivotTable>},
    {Excel::AppEvents::WorkbookPivotTableCloseConnection,
     Raise<&E::OnWorkbookPivotTableCloseConnection, Workbook, PivotTable>},
    {Excel::AppEvents::WorkbookPivotTableOpenConnection,
     Raise<&E::OnWorkbookPivotTableOpenConnection, Workbook, PivotTable>},
    {Excel::AppEvents::WorkbookSync, Raise<&E::OnWorkbookSync, Workbook, Integer>},
    {Excel::AppEvents::WorkbookBeforeXmlImport,
     Raise<&E::OnWorkbookBeforeXmlImport, Workbook, Map, Text, Flag, Cancel>},
    {Excel::AppEvents::WorkbookAfterXmlImport, Raise<&E::OnWorkbookAfterXmlImport, Workbook, Map, Flag, Integer>},
    {Excel::AppEvents::WorkbookBeforeXmlExport, Raise<&E::OnWorkbookBeforeXmlExport, Workbook, Map, Text, Cancel>},
    {Excel::AppEvents::WorkbookAfterXmlExport, Raise<&E::OnWorkbookAfterXmlExport, Workbook, Map, Text, Integer>},
};

}  // namespace

TkvxServerData ExcelApplicationServerRecord() {
  return {Excel::Application::clsid, Excel::Application::iid, Excel::AppEvents::iid};
}

TkvxServerData& TkvxExcelAppEvents::ExcelServerData() {
  static TkvxServerData data = ExcelApplicationServerRecord();
  return data;
}

TkvxExcelAppEvents::TkvxExcelAppEvents(TComponent* Owner)
    : TkvxCustomEvents(Owner, ExcelServerData(), "TkvxExcelAppEvents") {}

TkvxExcelAppEvents::~TkvxExcelAppEvents() = default;

void TkvxExcelAppEvents::InvokeEvent(DISPID DispID, std::vector<com::Variant>& Params) {
  const auto entry =
      std::find_if(std::begin(kEvents), std::end(kEvents), [DispID](const EventEntry& e) { return e.id == DispID; });
  if (entry != std::end(kEvents)) entry->raise(*this, Params);
}

}  // namespace corvane::framework
