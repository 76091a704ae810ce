#include "framework/events/TExcelApplication.h"

#include <algorithm>
#include <iterator>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Variant.h"
#include "published/Excel.h"

namespace corvane::framework {
namespace {

// The arguments of one event call in Excel's declared order (DISPPARAMS
// carry them last-first), converted as the handlers take them.
class EventArgs {
 public:
  explicit EventArgs(const DISPPARAMS& params) : params_(params) {}

  // The object queried for one of Excel's interfaces; null stays null.
  com::ComPtr<IDispatch> Object(UINT index, const IID& iid) const {
    com::ComPtr<IDispatch> held = Dispatch(At(index));
    if (!held) return held;
    com::ComPtr<IDispatch> typed = held.try_as<IDispatch>(iid);
    if (!typed) throw com::ComError(E_NOINTERFACE, u"An event argument is not the expected Excel object.");
    return typed;
  }
  com::ComPtr<IDispatch> Workbook(UINT index) const { return Object(index, Excel::Workbook::iid); }
  com::ComPtr<IDispatch> Range(UINT index) const { return Object(index, Excel::Range::iid); }
  com::ComPtr<IDispatch> Window(UINT index) const { return Object(index, Excel::Window::iid); }
  com::ComPtr<IDispatch> Hyperlink(UINT index) const { return Object(index, Excel::Hyperlink::iid); }
  // Sheets arrive as whatever sheet they are: a plain IDispatch.
  com::ComPtr<IDispatch> Sheet(UINT index) const { return Dispatch(At(index)); }
  VARIANT_BOOL Flag(UINT index) const { return com::ToBool(At(index)) ? VARIANT_TRUE : VARIANT_FALSE; }
  // Excel's own storage behind a by-reference flag, so that what the handler
  // leaves there is what Excel reads back.
  VARIANT_BOOL& CancelRef(UINT index) const {
    const VARIANT& value = At(index);
    if (value.vt == (VT_BOOL | VT_BYREF) && value.pboolVal) return *value.pboolVal;
    if (value.vt == (VT_VARIANT | VT_BYREF) && value.pvarVal && value.pvarVal->vt == VT_BOOL)
      return value.pvarVal->boolVal;
    throw com::ComError(DISP_E_TYPEMISMATCH, u"The Cancel argument of an event is not a reference to a flag.");
  }

 private:
  // An empty argument is Nothing (the system's conversion refuses it).
  static com::ComPtr<IDispatch> Dispatch(const VARIANT& value) {
    if (value.vt == VT_EMPTY || (value.vt == (VT_VARIANT | VT_BYREF) && value.pvarVal && value.pvarVal->vt == VT_EMPTY))
      return {};
    return com::ToDispatch(value);
  }
  const VARIANT& At(UINT index) const {
    if (index >= params_.cArgs || !params_.rgvarg) throw com::ComError(DISP_E_BADPARAMCOUNT);
    return params_.rgvarg[params_.cArgs - 1 - index];
  }

  const DISPPARAMS& params_;
};

using Raiser = bool (*)(TExcelApplication&, const EventArgs&);

struct EventEntry {
  DISPID id;
  Raiser raise;
};

// Each raiser tests its handler before converting anything.
const EventEntry kEvents[] = {
    {Excel::AppEvents::WindowResize,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWindowResize) return false;
       a.FireWindowResize(p.Workbook(0).get(), p.Window(1).get());
       return true;
     }},
    {Excel::AppEvents::WindowActivate,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWindowActivate) return false;
       a.FireWindowActivate(p.Workbook(0).get(), p.Window(1).get());
       return true;
     }},
    {Excel::AppEvents::WindowDeactivate,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWindowDeactivate) return false;
       a.FireWindowDeactivate(p.Workbook(0).get(), p.Window(1).get());
       return true;
     }},
    {Excel::AppEvents::SheetSelectionChange,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetSelectionChange) return false;
       a.FireSheetSelectionChange(p.Sheet(0).get(), p.Range(1).get());
       return true;
     }},
    {Excel::AppEvents::SheetBeforeDoubleClick,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetBeforeDoubleClick) return false;
       a.FireSheetBeforeDoubleClick(p.Sheet(0).get(), p.Range(1).get(), p.CancelRef(2));
       return true;
     }},
    {Excel::AppEvents::SheetBeforeRightClick,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetBeforeRightClick) return false;
       a.FireSheetBeforeRightClick(p.Sheet(0).get(), p.Range(1).get(), p.CancelRef(2));
       return true;
     }},
    {Excel::AppEvents::SheetActivate,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetActivate) return false;
       a.FireSheetActivate(p.Sheet(0).get());
       return true;
     }},
    {Excel::AppEvents::SheetDeactivate,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetDeactivate) return false;
       a.FireSheetDeactivate(p.Sheet(0).get());
       return true;
     }},
    {Excel::AppEvents::SheetCalculate,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetCalculate) return false;
       a.FireSheetCalculate(p.Sheet(0).get());
       return true;
     }},
    {Excel::AppEvents::SheetChange,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetChange) return false;
       a.FireSheetChange(p.Sheet(0).get(), p.Range(1).get());
       return true;
     }},
    {Excel::AppEvents::NewWorkbook,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnNewWorkbook) return false;
       a.FireNewWorkbook(p.Workbook(0).get());
       return true;
     }},
    {Excel::AppEvents::WorkbookOpen,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookOpen) return false;
       a.FireWorkbookOpen(p.Workbook(0).get());
       return true;
     }},
    {Excel::AppEvents::WorkbookActivate,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookActivate) return false;
       a.FireWorkbookActivate(p.Workbook(0).get());
       return true;
     }},
    {Excel::AppEvents::WorkbookDeactivate,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookDeactivate) return false;
       a.FireWorkbookDeactivate(p.Workbook(0).get());
       return true;
     }},
    {Excel::AppEvents::WorkbookBeforeClose,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookBeforeClose) return false;
       a.FireWorkbookBeforeClose(p.Workbook(0).get(), p.CancelRef(1));
       return true;
     }},
    {Excel::AppEvents::WorkbookBeforeSave,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookBeforeSave) return false;
       a.FireWorkbookBeforeSave(p.Workbook(0).get(), p.Flag(1), p.CancelRef(2));
       return true;
     }},
    {Excel::AppEvents::WorkbookBeforePrint,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookBeforePrint) return false;
       a.FireWorkbookBeforePrint(p.Workbook(0).get(), p.CancelRef(1));
       return true;
     }},
    {Excel::AppEvents::WorkbookNewSheet,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookNewSheet) return false;
       a.FireWorkbookNewSheet(p.Workbook(0).get(), p.Sheet(1).get());
       return true;
     }},
    {Excel::AppEvents::WorkbookAddinInstall,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookAddinInstall) return false;
       a.FireWorkbookAddinInstall(p.Workbook(0).get());
       return true;
     }},
    {Excel::AppEvents::WorkbookAddinUninstall,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnWorkbookAddinUninstall) return false;
       a.FireWorkbookAddinUninstall(p.Workbook(0).get());
       return true;
     }},
    {Excel::AppEvents::SheetFollowHyperlink,
     [](TExcelApplication& a, const EventArgs& p) {
       if (!a.OnSheetFollowHyperlink) return false;
       a.FireSheetFollowHyperlink(p.Sheet(0).get(), p.Hyperlink(1).get());
       return true;
     }},
};

IDispatch* Held(const com::ComPtr<IDispatch>& app) {
  if (!app) throw com::ComError(E_POINTER, u"The Excel application is not connected.");
  return app.get();
}

com::Variant GetMember(const com::ComPtr<IDispatch>& app, DISPID id) {
  return com::Dispatch::InvokeId(Held(app), id, DISPATCH_PROPERTYGET, {});
}

}  // namespace

void TExcelApplication::ConnectTo(com::ComPtr<IDispatch> app) {
  Disconnect();
  if (!app) throw com::ComError(E_POINTER, u"No Excel application to connect to.");
  com::ComPtr<IDispatch> typed = app.try_as<IDispatch>(Excel::Application::iid);
  if (!typed) throw com::ComError(E_NOINTERFACE, u"The host is not Excel's application.");
  app_ = std::move(typed);
}

void TExcelApplication::Disconnect() { app_.reset(); }

com::ComPtr<IDispatch> TExcelApplication::ActiveCell() const {
  return GetMember(app_, Excel::Application::ActiveCell).ToDispatch();
}
com::ComPtr<IDispatch> TExcelApplication::ActiveSheet() const {
  return GetMember(app_, Excel::Application::ActiveSheet).ToDispatch();
}
com::ComPtr<IDispatch> TExcelApplication::Selection() const {
  return GetMember(app_, Excel::Application::Selection).ToDispatch();
}

com::ComPtr<IDispatch> TExcelApplication::Union(IDispatch* Arg1, IDispatch* Arg2) const {
  return com::Dispatch::InvokeId(Held(app_), Excel::Application::Union, DISPATCH_METHOD,
                                 {com::Variant(Arg1), com::Variant(Arg2)})
      .ToDispatch();
}

bool TExcelApplication::ScreenUpdating() const { return GetMember(app_, Excel::Application::ScreenUpdating).ToBool(); }

void TExcelApplication::SetScreenUpdating(bool value) const {
  com::Dispatch::InvokeId(Held(app_), Excel::Application::ScreenUpdating, DISPATCH_PROPERTYPUT, {com::Variant(value)});
}

com::ComPtr<IDispatch> TExcelApplication::ActiveWindow() const {
  return GetMember(app_, Excel::Application::ActiveWindow).ToDispatch();
}
com::ComPtr<IDispatch> TExcelApplication::Dialogs() const {
  return GetMember(app_, Excel::Application::Dialogs).ToDispatch();
}
com::ComPtr<IDispatch> TExcelApplication::CommandBars() const {
  return GetMember(app_, Excel::Application::CommandBars).ToDispatch();
}
std::u16string TExcelApplication::Version() const { return GetMember(app_, Excel::Application::Version).ToText(); }

bool TExcelApplication::InvokeEvent(DISPID id, const DISPPARAMS& params) {
  const auto entry =
      std::find_if(std::begin(kEvents), std::end(kEvents), [id](const EventEntry& e) { return e.id == id; });
  if (entry == std::end(kEvents)) return false;
  return entry->raise(*this, EventArgs(params));
}

}  // namespace corvane::framework
