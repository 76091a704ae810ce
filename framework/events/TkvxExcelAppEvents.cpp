#include "framework/events/TkvxExcelAppEvents.h"

#include <algorithm>
#include <iterator>

#include "framework/events/EventConversions.h"
#include "framework/events/ExcelInterfaceIds.h"

namespace corvane::framework {
namespace {

namespace conv = event_conversions;

using Workbook = conv::Object<kExcelWorkbookIid>;
using Range = conv::Object<kExcelRangeIid>;
using Window = conv::Object<kExcelWindowIid>;
using Hyperlink = conv::Object<kExcelHyperlinkIid>;
using PivotTable = conv::Object<kExcelPivotTableIid>;
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
    {0x612, Raise<&E::OnWindowResize, Workbook, Window>},
    {0x614, Raise<&E::OnWindowActivate, Workbook, Window>},
    {0x615, Raise<&E::OnWindowDeactivate, Workbook, Window>},
    {0x616, Raise<&E::OnSheetSelectionChange, Sheet, Range>},
    {0x617, Raise<&E::OnSheetBeforeDoubleClick, Sheet, Range, Cancel>},
    {0x618, Raise<&E::OnSheetBeforeRightClick, Sheet, Range, Cancel>},
    {0x619, Raise<&E::OnSheetActivate, Sheet>},
    {0x61A, Raise<&E::OnSheetDeactivate, Sheet>},
    {0x61B, Raise<&E::OnSheetCalculate, Sheet>},
    {0x61C, Raise<&E::OnSheetChange, Sheet, Range>},
    {0x61D, Raise<&E::OnNewWorkbook, Workbook>},
    {0x61F, Raise<&E::OnWorkbookOpen, Workbook>},
    {0x620, Raise<&E::OnWorkbookActivate, Workbook>},
    {0x621, Raise<&E::OnWorkbookDeactivate, Workbook>},
    {0x622, Raise<&E::OnWorkbookBeforeClose, Workbook, Cancel>},
    {0x623, Raise<&E::OnWorkbookBeforeSave, Workbook, Flag, Cancel>},
    {0x624, Raise<&E::OnWorkbookBeforePrint, Workbook, Cancel>},
    {0x625, Raise<&E::OnWorkbookNewSheet, Workbook, Sheet>},
    {0x626, Raise<&E::OnWorkbookAddinInstall, Workbook>},
    {0x627, Raise<&E::OnWorkbookAddinUninstall, Workbook>},
    {0x73E, Raise<&E::OnSheetFollowHyperlink, Sheet, Hyperlink>},
    {0x86D, Raise<&E::OnSheetPivotTableUpdate, Sheet, PivotTable>},
    {0x870, Raise<&E::OnWorkbookPivotTableCloseConnection, Workbook, PivotTable>},
    {0x871, Raise<&E::OnWorkbookPivotTableOpenConnection, Workbook, PivotTable>},
    {0x8F1, Raise<&E::OnWorkbookSync, Workbook, Integer>},
    {0x8F2, Raise<&E::OnWorkbookBeforeXmlImport, Workbook, Map, Text, Flag, Cancel>},
    {0x8F3, Raise<&E::OnWorkbookAfterXmlImport, Workbook, Map, Flag, Integer>},
    {0x8F4, Raise<&E::OnWorkbookBeforeXmlExport, Workbook, Map, Text, Cancel>},
    {0x8F5, Raise<&E::OnWorkbookAfterXmlExport, Workbook, Map, Text, Integer>},
};

}  // namespace

TkvxServerData ExcelApplicationServerRecord() {
  return {ExcelInterfaceId(0x00024500), kExcelApplicationIid, kExcelAppEventsIid};
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
