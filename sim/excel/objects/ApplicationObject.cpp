#include "sim/excel/objects/ApplicationObject.h"

#include "published/Excel.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/ExcelSession.h"

namespace corvane::sim::excel {
namespace {

constexpr char16_t kApplication[] = u"_Application";
constexpr UINT kUnionArguments = 30;

com::Variant Nothing() { return com::Variant(static_cast<IDispatch*>(nullptr)); }

}  // namespace

const ObjectType<ApplicationObject>& ApplicationObject::Type() {
  static const ObjectType<ApplicationObject> type{
      u"Application",
      {Excel::Application::iid},
      {Get(Excel::Application::ActiveCell, u"ActiveCell", &ApplicationObject::GetActiveCell),
       Get(Excel::Application::ActiveSheet, u"ActiveSheet", &ApplicationObject::GetActiveSheet),
       Get(Excel::Application::ActiveWorkbook, u"ActiveWorkbook", &ApplicationObject::GetActiveWorkbook),
       Get(Excel::Application::ActiveWindow, u"ActiveWindow", &ApplicationObject::GetActiveWindow),
       Get(Excel::Application::Selection, u"Selection", &ApplicationObject::GetSelection),
       Method(Excel::Application::Union, u"Union", &ApplicationObject::Union)
           .Takes(Excel::Application::UnionArgumentCount),
       Property(Excel::Application::ScreenUpdating, u"ScreenUpdating", &ApplicationObject::GetScreenUpdating,
                &ApplicationObject::PutScreenUpdating),
       Get(Excel::Application::Dialogs, u"Dialogs", &ApplicationObject::GetDialogs),
       Get(Excel::Application::CommandBars, u"CommandBars", &ApplicationObject::GetCommandBars),
       Get(Excel::Application::COMAddIns, u"COMAddIns", &ApplicationObject::GetComAddIns),
       Get(Excel::Application::Version, u"Version", &ApplicationObject::GetVersion),
       Method(Excel::Application::Quit, u"Quit", &ApplicationObject::Quit),
       Get(Excel::Application::Workbooks, u"Workbooks", &ApplicationObject::GetWorkbooks),
       Get(Excel::Application::Sheets, u"Sheets", &ApplicationObject::GetSheets),
       Get(Excel::Application::Name, u"Name", &ApplicationObject::GetName),
       Get(Excel::Application::Application, u"Application", &ApplicationObject::GetApplication)}};
  return type;
}

com::ComPtr<IDispatch> NewApplicationObject(const std::shared_ptr<AppModel>& app) {
  return AsDispatch(com::Make<ApplicationObject>(app));
}

std::vector<std::shared_ptr<EventSource>> ApplicationObject::EventSources() {
  const auto session = ExcelSession::Of(*Alive(app_));
  if (!session) return {};
  return {session->events()};
}

com::Variant ApplicationObject::FromActiveWindow(com::Variant (*read)(const std::shared_ptr<WindowModel>&)) {
  const auto window = Alive(app_)->active_window();
  if (!window) return Nothing();
  return read(window);
}

com::Variant ApplicationObject::GetActiveCell(Args&) { return FromActiveWindow(&ActiveCellOf); }
com::Variant ApplicationObject::GetSelection(Args&) { return FromActiveWindow(&SelectionOf); }
com::Variant ApplicationObject::GetActiveSheet(Args&) { return FromActiveWindow(&ActiveSheetOf); }

com::Variant ApplicationObject::GetActiveWorkbook(Args&) {
  const auto workbook = Alive(app_)->active_workbook();
  return workbook ? com::Variant(NewWorkbookObject(workbook)) : Nothing();
}

com::Variant ApplicationObject::GetActiveWindow(Args&) {
  const auto window = Alive(app_)->active_window();
  return window ? com::Variant(NewWindowObject(window)) : Nothing();
}

// Union(Arg1, Arg2, [Arg3..Arg30]): ranges of one sheet, at least two.
com::Variant ApplicationObject::Union(Args& args) {
  std::optional<RangeParts> result;
  UINT given = 0;
  for (UINT i = 0; i < kUnionArguments && i < args.size(); ++i) {
    if (args[i].omitted()) continue;
    const auto part = RangePartsOf(args[i].Object().get());
    if (!part || (result && part->sheet != result->sheet)) throw MethodFailed(u"Union", kApplication);
    result = result ? RangeParts{result->sheet, Areas::Union(result->areas, part->areas)} : *part;
    ++given;
  }
  if (given < 2) throw InvokeError(DISP_E_PARAMNOTFOUND);
  return NewRangeObject(result->sheet, result->areas);
}

com::Variant ApplicationObject::GetScreenUpdating(Args&) { return Alive(app_)->screen_updating(); }

void ApplicationObject::PutScreenUpdating(Args& args) {
  const bool on = args.value().Bool();
  Alive(app_)->set_screen_updating(on);
  Instrumentation::Instance().log().Record(on ? "ScreenUpdating True" : "ScreenUpdating False");
}

com::Variant ApplicationObject::GetDialogs(Args&) { return NewDialogsObject(Alive(app_)); }

com::Variant ApplicationObject::FromOffice(const ExcelSession::ObjectMaker& (ExcelSession::*maker)() const,
                                           const char16_t* member) {
  const auto session = ExcelSession::Of(*Alive(app_));
  if (!session || !((*session).*maker)()) throw CannotGet(member, kApplication);
  return ((*session).*maker)()();
}

com::Variant ApplicationObject::GetCommandBars(Args&) {
  return FromOffice(&ExcelSession::command_bars, u"CommandBars");
}

com::Variant ApplicationObject::GetComAddIns(Args&) { return FromOffice(&ExcelSession::com_addins, u"COMAddIns"); }

com::Variant ApplicationObject::GetVersion(Args&) { return Alive(app_)->version(); }

com::Variant ApplicationObject::Quit(Args&) {
  Alive(app_)->Quit();
  return {};
}

com::Variant ApplicationObject::GetWorkbooks(Args&) { return NewWorkbooksObject(Alive(app_)); }

com::Variant ApplicationObject::GetSheets(Args&) {
  const auto workbook = Alive(app_)->active_workbook();
  return workbook ? com::Variant(NewSheetsObject(workbook, false)) : Nothing();
}

com::Variant ApplicationObject::GetName(Args&) { return u"Microsoft Excel"; }
com::Variant ApplicationObject::GetApplication(Args&) { return NewApplicationObject(Alive(app_)); }

}  // namespace corvane::sim::excel
