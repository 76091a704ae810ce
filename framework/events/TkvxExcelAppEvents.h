// The event component for Excel's Application: placed on the add-in
// module, connected by the module when its host is Excel, and from then on
// each application event Excel fires calls the matching handler. Handlers
// are tested for assignment before anything is converted and get the
// component first; interface arguments are borrowed for the call. A Cancel
// is Excel's own flag: what the handler leaves there is what Excel reads.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/design/TObject.h"
#include "framework/events/TkvxCustomEvents.h"
#include "platform/com/com.h"

namespace corvane::framework {

using TkvxExcelApplicationWindowResize = std::function<void(TObject* ASender, IDispatch* Wb, IDispatch* Wn)>;
using TkvxExcelApplicationWindowActivate = TkvxExcelApplicationWindowResize;
using TkvxExcelApplicationWindowDeactivate = TkvxExcelApplicationWindowResize;
using TkvxExcelApplicationSheetSelectionChange =
    std::function<void(TObject* ASender, IDispatch* Sh, IDispatch* Target)>;
using TkvxExcelApplicationSheetBeforeDoubleClick =
    std::function<void(TObject* ASender, IDispatch* Sh, IDispatch* Target, VARIANT_BOOL& Cancel)>;
using TkvxExcelApplicationSheetBeforeRightClick = TkvxExcelApplicationSheetBeforeDoubleClick;
using TkvxExcelApplicationSheetActivate = std::function<void(TObject* ASender, IDispatch* Sh)>;
using TkvxExcelApplicationSheetDeactivate = TkvxExcelApplicationSheetActivate;
using TkvxExcelApplicationSheetCalculate = TkvxExcelApplicationSheetActivate;
using TkvxExcelApplicationSheetChange = TkvxExcelApplicationSheetSelectionChange;
using TkvxExcelApplicationNewWorkbook = std::function<void(TObject* ASender, IDispatch* Wb)>;
using TkvxExcelApplicationWorkbookOpen = TkvxExcelApplicationNewWorkbook;
using TkvxExcelApplicationWorkbookActivate = TkvxExcelApplicationNewWorkbook;
using TkvxExcelApplicationWorkbookDeactivate = TkvxExcelApplicationNewWorkbook;
using TkvxExcelApplicationWorkbookBeforeClose =
    std::function<void(TObject* ASender, IDispatch* Wb, VARIANT_BOOL& Cancel)>;
using TkvxExcelApplicationWorkbookBeforeSave =
    std::function<void(TObject* ASender, IDispatch* Wb, VARIANT_BOOL SaveAsUI, VARIANT_BOOL& Cancel)>;
using TkvxExcelApplicationWorkbookBeforePrint = TkvxExcelApplicationWorkbookBeforeClose;
using TkvxExcelApplicationWorkbookNewSheet = std::function<void(TObject* ASender, IDispatch* Wb, IDispatch* Sh)>;
using TkvxExcelApplicationWorkbookAddinInstall = TkvxExcelApplicationNewWorkbook;
using TkvxExcelApplicationWorkbookAddinUninstall = TkvxExcelApplicationNewWorkbook;
using TkvxExcelApplicationSheetFollowHyperlink = TkvxExcelApplicationSheetSelectionChange;
using TkvxExcelApplicationSheetPivotTableUpdate = TkvxExcelApplicationSheetSelectionChange;
using TkvxExcelApplicationWorkbookPivotTableCloseConnection =
    std::function<void(TObject* ASender, IDispatch* Wb, IDispatch* Target)>;
using TkvxExcelApplicationWorkbookPivotTableOpenConnection = TkvxExcelApplicationWorkbookPivotTableCloseConnection;
using TkvxExcelApplicationWorkbookSync = std::function<void(TObject* ASender, IDispatch* Wb, int32_t SyncEventType)>;
using TkvxExcelApplicationWorkbookBeforeXmlImport =
    std::function<void(TObject* ASender, IDispatch* Wb, IDispatch* Map, const std::u16string& Url,
                       VARIANT_BOOL IsRefresh, VARIANT_BOOL& Cancel)>;
using TkvxExcelApplicationWorkbookAfterXmlImport =
    std::function<void(TObject* ASender, IDispatch* Wb, IDispatch* Map, VARIANT_BOOL IsRefresh, int32_t Result)>;
using TkvxExcelApplicationWorkbookBeforeXmlExport = std::function<void(
    TObject* ASender, IDispatch* Wb, IDispatch* Map, const std::u16string& Url, VARIANT_BOOL& Cancel)>;
using TkvxExcelApplicationWorkbookAfterXmlExport =
    std::function<void(TObject* ASender, IDispatch* Wb, IDispatch* Map, const std::u16string& Url, int32_t Result)>;

// A fresh description record with Excel's ids (coclass Application,
// _Application, AppEvents) and no live component.
TkvxServerData ExcelApplicationServerRecord();

class TkvxExcelAppEvents : public TkvxCustomEvents {
 public:
  // Owner: the add-in module (framework error 31113 otherwise).
  explicit TkvxExcelAppEvents(TComponent* Owner);
  ~TkvxExcelAppEvents() override;

  std::string_view ClassName() const override { return "TkvxExcelAppEvents"; }

  // Shared by every component of this class: Excel's ids and the count of
  // live components.
  static TkvxServerData& ExcelServerData();

  // The connected _Application, null when disconnected.
  const com::ComPtr<IDispatch>& ExcelApplication() const { return HostObject(); }

  // Decodes one AppEvents call. A DISPID that is no event of Excel's
  // application, or whose handler is empty, converts and calls nothing. An
  // argument of the wrong kind throws before the handler runs.
  void InvokeEvent(DISPID DispID, std::vector<com::Variant>& Params) override;

  // In their declared order.
  TkvxExcelApplicationNewWorkbook OnNewWorkbook;
  TkvxExcelApplicationSheetSelectionChange OnSheetSelectionChange;
  TkvxExcelApplicationSheetBeforeDoubleClick OnSheetBeforeDoubleClick;
  TkvxExcelApplicationSheetBeforeRightClick OnSheetBeforeRightClick;
  TkvxExcelApplicationSheetActivate OnSheetActivate;
  TkvxExcelApplicationSheetDeactivate OnSheetDeactivate;
  TkvxExcelApplicationSheetCalculate OnSheetCalculate;
  TkvxExcelApplicationSheetChange OnSheetChange;
  TkvxExcelApplicationWorkbookOpen OnWorkbookOpen;
  TkvxExcelApplicationWorkbookActivate OnWorkbookActivate;
  TkvxExcelApplicationWorkbookDeactivate OnWorkbookDeactivate;
  TkvxExcelApplicationWorkbookBeforeClose OnWorkbookBeforeClose;
  TkvxExcelApplicationWorkbookBeforeSave OnWorkbookBeforeSave;
  TkvxExcelApplicationWorkbookBeforePrint OnWorkbookBeforePrint;
  TkvxExcelApplicationWorkbookNewSheet OnWorkbookNewSheet;
  TkvxExcelApplicationWorkbookAddinInstall OnWorkbookAddinInstall;
  TkvxExcelApplicationWorkbookAddinUninstall OnWorkbookAddinUninstall;
  TkvxExcelApplicationWindowResize OnWindowResize;
  TkvxExcelApplicationWindowActivate OnWindowActivate;
  TkvxExcelApplicationWindowDeactivate OnWindowDeactivate;
  TkvxExcelApplicationSheetFollowHyperlink OnSheetFollowHyperlink;
  TkvxExcelApplicationSheetPivotTableUpdate OnSheetPivotTableUpdate;
  TkvxExcelApplicationWorkbookPivotTableCloseConnection OnWorkbookPivotTableCloseConnection;
  TkvxExcelApplicationWorkbookPivotTableOpenConnection OnWorkbookPivotTableOpenConnection;
  TkvxExcelApplicationWorkbookSync OnWorkbookSync;
  TkvxExcelApplicationWorkbookBeforeXmlImport OnWorkbookBeforeXmlImport;
  TkvxExcelApplicationWorkbookAfterXmlImport OnWorkbookAfterXmlImport;
  TkvxExcelApplicationWorkbookBeforeXmlExport OnWorkbookBeforeXmlExport;
  TkvxExcelApplicationWorkbookAfterXmlExport OnWorkbookAfterXmlExport;
};

}  // namespace corvane::framework
