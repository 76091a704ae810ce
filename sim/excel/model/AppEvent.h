// Excel's application events as the model raises them: the event's DISPID
// on AppEvents and its arguments in declared order. The COM layer turns the
// model objects into wrappers and fires them through the connection point.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

#include "published/Excel.h"
#include "sim/excel/model/Areas.h"

namespace corvane::sim::excel {

class WorkbookModel;
class SheetModel;
class WindowModel;
class PivotSite;

enum class AppEventId : int32_t {
  WindowResize = Excel::AppEvents::WindowResize,
  WindowActivate = Excel::AppEvents::WindowActivate,
  WindowDeactivate = Excel::AppEvents::WindowDeactivate,
  SheetSelectionChange = Excel::AppEvents::SheetSelectionChange,
  SheetBeforeDoubleClick = Excel::AppEvents::SheetBeforeDoubleClick,
  SheetBeforeRightClick = Excel::AppEvents::SheetBeforeRightClick,
  SheetActivate = Excel::AppEvents::SheetActivate,
  SheetDeactivate = Excel::AppEvents::SheetDeactivate,
  SheetCalculate = Excel::AppEvents::SheetCalculate,
  SheetChange = Excel::AppEvents::SheetChange,
  NewWorkbook = Excel::AppEvents::NewWorkbook,
  WorkbookOpen = Excel::AppEvents::WorkbookOpen,
  WorkbookActivate = Excel::AppEvents::WorkbookActivate,
  WorkbookDeactivate = Excel::AppEvents::WorkbookDeactivate,
  WorkbookBeforeClose = Excel::AppEvents::WorkbookBeforeClose,
  WorkbookBeforeSave = Excel::AppEvents::WorkbookBeforeSave,
  WorkbookBeforePrint = Excel::AppEvents::WorkbookBeforePrint,
  WorkbookNewSheet = Excel::AppEvents::WorkbookNewSheet,
  WorkbookAddinInstall = Excel::AppEvents::WorkbookAddinInstall,
  WorkbookAddinUninstall = Excel::AppEvents::WorkbookAddinUninstall,
  SheetFollowHyperlink = Excel::AppEvents::SheetFollowHyperlink,
  SheetPivotTableUpdate = Excel::AppEvents::SheetPivotTableUpdate,
  WorkbookPivotTableCloseConnection = Excel::AppEvents::WorkbookPivotTableCloseConnection,
  WorkbookPivotTableOpenConnection = Excel::AppEvents::WorkbookPivotTableOpenConnection,
  WorkbookSync = Excel::AppEvents::WorkbookSync,
  WorkbookBeforeXmlImport = Excel::AppEvents::WorkbookBeforeXmlImport,
  WorkbookAfterXmlImport = Excel::AppEvents::WorkbookAfterXmlImport,
  WorkbookBeforeXmlExport = Excel::AppEvents::WorkbookBeforeXmlExport,
  WorkbookAfterXmlExport = Excel::AppEvents::WorkbookAfterXmlExport,
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
