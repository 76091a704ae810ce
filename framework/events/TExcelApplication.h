// The add-in module's typed Excel application: the members of Excel's
// _Application the tools call, by Excel's DISPIDs, and one assignable
// handler per application event. Handlers are tested for assignment before
// each call and receive this object first; interface arguments are borrowed
// for the length of the call. The connection point that feeds the events
// arrives later; until then the Fire... members (or InvokeEvent, which
// decodes an incoming event call) raise them.
#pragma once

#include <functional>
#include <string>

#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

namespace corvane::framework {

class TExcelApplication;

// Handler shapes, named after their parameters (after ASender).
using TExcelWorkbookEvent = std::function<void(TExcelApplication& ASender, IDispatch* Wb)>;
using TExcelWorkbookCancelEvent = std::function<void(TExcelApplication& ASender, IDispatch* Wb, VARIANT_BOOL& Cancel)>;
using TExcelWorkbookBeforeSaveEvent =
    std::function<void(TExcelApplication& ASender, IDispatch* Wb, VARIANT_BOOL SaveAsUI, VARIANT_BOOL& Cancel)>;
using TExcelWorkbookSheetEvent = std::function<void(TExcelApplication& ASender, IDispatch* Wb, IDispatch* Sh)>;
using TExcelWindowEvent = std::function<void(TExcelApplication& ASender, IDispatch* Wb, IDispatch* Wn)>;
using TExcelSheetEvent = std::function<void(TExcelApplication& ASender, IDispatch* Sh)>;
using TExcelSheetTargetEvent = std::function<void(TExcelApplication& ASender, IDispatch* Sh, IDispatch* Target)>;
using TExcelSheetTargetCancelEvent =
    std::function<void(TExcelApplication& ASender, IDispatch* Sh, IDispatch* Target, VARIANT_BOOL& Cancel)>;

class TExcelApplication {
 public:
  TExcelApplication() = default;
  TExcelApplication(const TExcelApplication&) = delete;
  TExcelApplication& operator=(const TExcelApplication&) = delete;

  // Disconnects, then holds app as Excel's _Application; an object without
  // that interface is refused (ComError E_NOINTERFACE) and nothing is held.
  void ConnectTo(com::ComPtr<IDispatch> app);
  void Disconnect();
  bool Connected() const { return static_cast<bool>(app_); }
  const com::ComPtr<IDispatch>& DefaultInterface() const { return app_; }

  // Excel's members; a failing call throws ComError, as does any call while
  // disconnected.
  com::ComPtr<IDispatch> ActiveCell() const;
  com::ComPtr<IDispatch> ActiveSheet() const;
  com::ComPtr<IDispatch> Selection() const;
  com::ComPtr<IDispatch> Union(IDispatch* Arg1, IDispatch* Arg2) const;
  bool ScreenUpdating() const;
  void SetScreenUpdating(bool value) const;
  com::ComPtr<IDispatch> ActiveWindow() const;
  com::ComPtr<IDispatch> Dialogs() const;
  com::ComPtr<IDispatch> CommandBars() const;
  std::u16string Version() const;

  // The events Excel's application raises, in its declared order.
  TExcelWorkbookEvent OnNewWorkbook;
  TExcelSheetTargetEvent OnSheetSelectionChange;
  TExcelSheetTargetCancelEvent OnSheetBeforeDoubleClick;
  TExcelSheetTargetCancelEvent OnSheetBeforeRightClick;
  TExcelSheetEvent OnSheetActivate;
  TExcelSheetEvent OnSheetDeactivate;
  TExcelSheetEvent OnSheetCalculate;
  TExcelSheetTargetEvent OnSheetChange;
  TExcelWorkbookEvent OnWorkbookOpen;
  TExcelWorkbookEvent OnWorkbookActivate;
  TExcelWorkbookEvent OnWorkbookDeactivate;
  TExcelWorkbookCancelEvent OnWorkbookBeforeClose;
  TExcelWorkbookBeforeSaveEvent OnWorkbookBeforeSave;
  TExcelWorkbookCancelEvent OnWorkbookBeforePrint;
  TExcelWorkbookSheetEvent OnWorkbookNewSheet;
  TExcelWorkbookEvent OnWorkbookAddinInstall;
  TExcelWorkbookEvent OnWorkbookAddinUninstall;
  TExcelWindowEvent OnWindowResize;
  TExcelWindowEvent OnWindowActivate;
  TExcelWindowEvent OnWindowDeactivate;
  TExcelSheetTargetEvent OnSheetFollowHyperlink;

  void FireNewWorkbook(IDispatch* Wb) { Raise(OnNewWorkbook, Wb); }
  void FireSheetSelectionChange(IDispatch* Sh, IDispatch* Target) { Raise(OnSheetSelectionChange, Sh, Target); }
  void FireSheetBeforeDoubleClick(IDispatch* Sh, IDispatch* Target, VARIANT_BOOL& Cancel) {
    Raise(OnSheetBeforeDoubleClick, Sh, Target, Cancel);
  }
  void FireSheetBeforeRightClick(IDispatch* Sh, IDispatch* Target, VARIANT_BOOL& Cancel) {
    Raise(OnSheetBeforeRightClick, Sh, Target, Cancel);
  }
  void FireSheetActivate(IDispatch* Sh) { Raise(OnSheetActivate, Sh); }
  void FireSheetDeactivate(IDispatch* Sh) { Raise(OnSheetDeactivate, Sh); }
  void FireSheetCalculate(IDispatch* Sh) { Raise(OnSheetCalculate, Sh); }
  void FireSheetChange(IDispatch* Sh, IDispatch* Target) { Raise(OnSheetChange, Sh, Target); }
  void FireWorkbookOpen(IDispatch* Wb) { Raise(OnWorkbookOpen, Wb); }
  void FireWorkbookActivate(IDispatch* Wb) { Raise(OnWorkbookActivate, Wb); }
  void FireWorkbookDeactivate(IDispatch* Wb) { Raise(OnWorkbookDeactivate, Wb); }
  void FireWorkbookBeforeClose(IDispatch* Wb, VARIANT_BOOL& Cancel) { Raise(OnWorkbookBeforeClose, Wb, Cancel); }
  void FireWorkbookBeforeSave(IDispatch* Wb, VARIANT_BOOL SaveAsUI, VARIANT_BOOL& Cancel) {
    Raise(OnWorkbookBeforeSave, Wb, SaveAsUI, Cancel);
  }
  void FireWorkbookBeforePrint(IDispatch* Wb, VARIANT_BOOL& Cancel) { Raise(OnWorkbookBeforePrint, Wb, Cancel); }
  void FireWorkbookNewSheet(IDispatch* Wb, IDispatch* Sh) { Raise(OnWorkbookNewSheet, Wb, Sh); }
  void FireWorkbookAddinInstall(IDispatch* Wb) { Raise(OnWorkbookAddinInstall, Wb); }
  void FireWorkbookAddinUninstall(IDispatch* Wb) { Raise(OnWorkbookAddinUninstall, Wb); }
  void FireWindowResize(IDispatch* Wb, IDispatch* Wn) { Raise(OnWindowResize, Wb, Wn); }
  void FireWindowActivate(IDispatch* Wb, IDispatch* Wn) { Raise(OnWindowActivate, Wb, Wn); }
  void FireWindowDeactivate(IDispatch* Wb, IDispatch* Wn) { Raise(OnWindowDeactivate, Wb, Wn); }
  void FireSheetFollowHyperlink(IDispatch* Sh, IDispatch* Target) { Raise(OnSheetFollowHyperlink, Sh, Target); }

  // One incoming AppEvents call (arguments last-first, as IDispatch::Invoke
  // receives them). A DISPID that is no event of this object, or whose
  // handler is empty, converts nothing and calls nothing (false). An argument
  // of the wrong kind throws ComError before any handler runs; an exception
  // of the handler goes on to the caller.
  bool InvokeEvent(DISPID id, const DISPPARAMS& params);

 private:
  template <class Handler, class... Args>
  void Raise(const Handler& handler, Args&&... args) {
    if (handler) handler(*this, std::forward<Args>(args)...);
  }

  com::ComPtr<IDispatch> app_;
};

}  // namespace corvane::framework
