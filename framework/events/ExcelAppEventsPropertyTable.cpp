#include "framework/events/ExcelAppEventsPropertyTable.h"

#include "framework/design/HandlerProperty.h"
#include "framework/events/TkvxExcelAppEvents.h"

namespace corvane::framework {

DesignClass ExcelAppEventsDesignClass() {
  return {"TkvxExcelAppEvents", [](TComponent& module) -> TComponent* { return new TkvxExcelAppEvents(&module); },
          ExcelAppEventsPropertyTable};
}

const PropertyTable& ExcelAppEventsPropertyTable() {
  using E = TkvxExcelAppEvents;
  static const PropertyTable kTable = {
      HandlerProperty("OnNewWorkbook", &E::OnNewWorkbook),
      HandlerProperty("OnSheetSelectionChange", &E::OnSheetSelectionChange),
      HandlerProperty("OnSheetBeforeDoubleClick", &E::OnSheetBeforeDoubleClick),
      HandlerProperty("OnSheetBeforeRightClick", &E::OnSheetBeforeRightClick),
      HandlerProperty("OnSheetActivate", &E::OnSheetActivate),
      HandlerProperty("OnSheetDeactivate", &E::OnSheetDeactivate),
      HandlerProperty("OnSheetCalculate", &E::OnSheetCalculate),
      HandlerProperty("OnSheetChange", &E::OnSheetChange),
      HandlerProperty("OnWorkbookOpen", &E::OnWorkbookOpen),
      HandlerProperty("OnWorkbookActivate", &E::OnWorkbookActivate),
      HandlerProperty("OnWorkbookDeactivate", &E::OnWorkbookDeactivate),
      HandlerProperty("OnWorkbookBeforeClose", &E::OnWorkbookBeforeClose),
      HandlerProperty("OnWorkbookBeforeSave", &E::OnWorkbookBeforeSave),
      HandlerProperty("OnWorkbookBeforePrint", &E::OnWorkbookBeforePrint),
      HandlerProperty("OnWorkbookNewSheet", &E::OnWorkbookNewSheet),
      HandlerProperty("OnWorkbookAddinInstall", &E::OnWorkbookAddinInstall),
      HandlerProperty("OnWorkbookAddinUninstall", &E::OnWorkbookAddinUninstall),
      HandlerProperty("OnWindowResize", &E::OnWindowResize),
      HandlerProperty("OnWindowActivate", &E::OnWindowActivate),
      HandlerProperty("OnWindowDeactivate", &E::OnWindowDeactivate),
      HandlerProperty("OnSheetFollowHyperlink", &E::OnSheetFollowHyperlink),
      HandlerProperty("OnSheetPivotTableUpdate", &E::OnSheetPivotTableUpdate),
      HandlerProperty("OnWorkbookPivotTableCloseConnection", &E::OnWorkbookPivotTableCloseConnection),
      HandlerProperty("OnWorkbookPivotTableOpenConnection", &E::OnWorkbookPivotTableOpenConnection),
      HandlerProperty("OnWorkbookSync", &E::OnWorkbookSync),
      HandlerProperty("OnWorkbookBeforeXmlImport", &E::OnWorkbookBeforeXmlImport),
      HandlerProperty("OnWorkbookAfterXmlImport", &E::OnWorkbookAfterXmlImport),
      HandlerProperty("OnWorkbookBeforeXmlExport", &E::OnWorkbookBeforeXmlExport),
      HandlerProperty("OnWorkbookAfterXmlExport", &E::OnWorkbookAfterXmlExport),
  };
  return kTable;
}

}  // namespace corvane::framework
