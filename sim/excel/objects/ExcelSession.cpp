#include "sim/excel/objects/ExcelSession.h"

#include <type_traits>

#include "published/Excel.h"
#include "sim/core/EventCall.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/PivotObjects.h"

namespace corvane::sim::excel {
namespace {

struct EventName {
  AppEventId id;
  const char* name;
};

const EventName kEventNames[] = {
    {AppEventId::WindowResize, "WindowResize"},
    {AppEventId::WindowActivate, "WindowActivate"},
    {AppEventId::WindowDeactivate, "WindowDeactivate"},
    {AppEventId::SheetSelectionChange, "SheetSelectionChange"},
    {AppEventId::SheetBeforeDoubleClick, "SheetBeforeDoubleClick"},
    {AppEventId::SheetBeforeRightClick, "SheetBeforeRightClick"},
    {AppEventId::SheetActivate, "SheetActivate"},
    {AppEventId::SheetDeactivate, "SheetDeactivate"},
    {AppEventId::SheetCalculate, "SheetCalculate"},
    {AppEventId::SheetChange, "SheetChange"},
    {AppEventId::NewWorkbook, "NewWorkbook"},
    {AppEventId::WorkbookOpen, "WorkbookOpen"},
    {AppEventId::WorkbookActivate, "WorkbookActivate"},
    {AppEventId::WorkbookDeactivate, "WorkbookDeactivate"},
    {AppEventId::WorkbookBeforeClose, "WorkbookBeforeClose"},
    {AppEventId::WorkbookBeforeSave, "WorkbookBeforeSave"},
    {AppEventId::WorkbookBeforePrint, "WorkbookBeforePrint"},
    {AppEventId::WorkbookNewSheet, "WorkbookNewSheet"},
    {AppEventId::WorkbookAddinInstall, "WorkbookAddinInstall"},
    {AppEventId::WorkbookAddinUninstall, "WorkbookAddinUninstall"},
    {AppEventId::SheetFollowHyperlink, "SheetFollowHyperlink"},
    {AppEventId::SheetPivotTableUpdate, "SheetPivotTableUpdate"},
    {AppEventId::WorkbookPivotTableCloseConnection, "WorkbookPivotTableCloseConnection"},
    {AppEventId::WorkbookPivotTableOpenConnection, "WorkbookPivotTableOpenConnection"},
    {AppEventId::WorkbookSync, "WorkbookSync"},
    {AppEventId::WorkbookBeforeXmlImport, "WorkbookBeforeXmlImport"},
    {AppEventId::WorkbookAfterXmlImport, "WorkbookAfterXmlImport"},
    {AppEventId::WorkbookBeforeXmlExport, "WorkbookBeforeXmlExport"},
    {AppEventId::WorkbookAfterXmlExport, "WorkbookAfterXmlExport"},
};

com::Variant Nothing() { return com::Variant(static_cast<IDispatch*>(nullptr)); }

// One model argument as the wrapper or value Excel passes.
com::Variant ToVariant(const EventArg& arg) {
  return std::visit(
      [](const auto& value) -> com::Variant {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::shared_ptr<WorkbookModel>>) {
          return NewWorkbookObject(value);
        } else if constexpr (std::is_same_v<T, std::shared_ptr<SheetModel>>) {
          return NewSheetObject(value);
        } else if constexpr (std::is_same_v<T, std::shared_ptr<WindowModel>>) {
          return NewWindowObject(value);
        } else if constexpr (std::is_same_v<T, RangeArg>) {
          return NewRangeObject(value.sheet, value.areas);
        } else if constexpr (std::is_same_v<T, PivotArg>) {
          const auto& make = GetPivotObjectMakers().table;
          return make ? com::Variant(make(value.sheet, value.table)) : Nothing();
        } else if constexpr (std::is_same_v<T, bool> || std::is_same_v<T, int32_t> ||
                             std::is_same_v<T, std::u16string>) {
          return com::Variant(value);
        } else {
          return Nothing();  // NoObject; CancelArg is added apart
        }
      },
      arg);
}

}  // namespace

const char* AppEventName(AppEventId id) {
  for (const EventName& entry : kEventNames) {
    if (entry.id == id) return entry.name;
  }
  return "?";
}

std::shared_ptr<ExcelSession> ExcelSession::Attach(const std::shared_ptr<AppModel>& app) {
  auto session = std::make_shared<ExcelSession>();
  session->events_ = std::make_shared<EventSource>(Excel::AppEvents::iid, "AppEvents");
  app->set_listener(session);
  return session;
}

std::shared_ptr<ExcelSession> ExcelSession::Of(const AppModel& app) {
  return std::dynamic_pointer_cast<ExcelSession>(app.listener());
}

void ExcelSession::open_main_window() {
  if (!main_window_) main_window_ = std::make_unique<ui::TopLevelWindow>(u"XLMAIN", u"Excel");
}

void ExcelSession::OnEvent(AppEvent& event) {
  EventCall call(static_cast<DISPID>(event.id), AppEventName(event.id));
  std::optional<size_t> cancel;
  for (size_t i = 0; i < event.args.size(); ++i) {
    if (std::holds_alternative<CancelArg>(event.args[i])) {
      call.AddBoolRef(false);
      cancel = i;
    } else {
      call.Add(ToVariant(event.args[i]));
    }
  }
  events_->Fire(call);
  if (cancel) event.cancel = call.BoolAt(*cancel);
}

}  // namespace corvane::sim::excel
