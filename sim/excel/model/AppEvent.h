// Excel's application events as the model raises them: the event's DISPID
// on AppEvents and its arguments in declared order. The COM layer turns the
// model objects into wrappers and fires them through the connection point.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "sim/excel/model/Areas.h"

namespace corvane::sim::excel {

class WorkbookModel;
class SheetModel;
class WindowModel;
class PivotSite;

enum class AppEventId : int32_t {
  WindowResize = 0x612,
  WindowActivate = 0x614,
  WindowDeactivate = 0x615,
  SheetSelectionChange = 0x616,
  SheetBeforeDoubleClick = 0x617,
  SheetBeforeRightClick = 0x618,
  SheetActivate = 0x619,
  SheetDeactivate = 0x61A,
  SheetCalculate = 0x61B,
  SheetChange = 0x61C,
  NewWorkbook = 0x61D,
  WorkbookOpen = 0x61F,
  WorkbookActivate = 0x620,
  WorkbookDeactivate = 0x621,
  WorkbookBeforeClose = 0x622,
  WorkbookBeforeSave = 0x623,
  WorkbookBeforePrint = 0x624,
  WorkbookNewSheet = 0x625,
  WorkbookAddinInstall = 0x626,
  WorkbookAddinUninstall = 0x627,
  SheetFollowHyperlink = 0x73E,
  SheetPivotTableUpdate = 0x86D,
  WorkbookPivotTableCloseConnection = 0x870,
  WorkbookPivotTableOpenConnection = 0x871,
  WorkbookSync = 0x8F1,
  WorkbookBeforeXmlImport = 0x8F2,
  WorkbookAfterXmlImport = 0x8F3,
  WorkbookBeforeXmlExport = 0x8F4,
  WorkbookAfterXmlExport = 0x8F5,
};

// A range argument: the sheet and its areas.
struct RangeArg {
  std::shared_ptr<SheetModel> sheet;
  Areas areas;
};
struct PivotArg {
  std::shared_ptr<SheetModel> sheet;
  std::shared_ptr<PivotSite> table;
};
// An object Excel passes that the model does not keep (a hyperlink, an XML
// map): it arrives as a null object.
struct NoObject {};
// The by-reference Cancel flag; its value after the call is AppEvent::cancel.
struct CancelArg {};

using EventArg =
    std::variant<NoObject, std::shared_ptr<WorkbookModel>, std::shared_ptr<SheetModel>, std::shared_ptr<WindowModel>,
                 RangeArg, PivotArg, bool, int32_t, std::u16string, CancelArg>;

struct AppEvent {
  AppEventId id;
  std::vector<EventArg> args;  // in declared order
  bool cancel = false;         // what the sinks left in Cancel
};

// Receives every event the model raises (the COM application's event source).
class AppEventListener {
 public:
  virtual ~AppEventListener() = default;
  virtual void OnEvent(AppEvent& event) = 0;
};

}  // namespace corvane::sim::excel
