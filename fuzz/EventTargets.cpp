#include "fuzz/EventTargets.h"

#include <iterator>
#include <string>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/events/TkvxEventDispatch.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzDispParams.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "published/Excel.h"
#include "published/Office.h"

namespace corvane::fuzz {
namespace {

using framework::TExcelApplication;
using framework::TObject;

// The events whose handlers are set, covering every kind of argument
// conversion; the click of a control shares its id with none of them.
constexpr DISPID kEvents[] = {Excel::AppEvents::WindowResize,
                              Excel::AppEvents::SheetBeforeDoubleClick,
                              Excel::AppEvents::WorkbookBeforeSave,
                              Excel::AppEvents::SheetFollowHyperlink,
                              Excel::AppEvents::SheetPivotTableUpdate,
                              Excel::AppEvents::WorkbookSync,
                              Excel::AppEvents::WorkbookBeforeXmlImport,
                              Excel::AppEvents::WorkbookAfterXmlExport,
                              Excel::AppEvents::SheetSelectionChange,
                              Excel::AppEvents::SheetActivate,
                              Excel::AppEvents::WorkbookBeforeClose,
                              Excel::AppEvents::WindowActivate};
constexpr DISPID kClick = Office::CommandBarButtonEvents::Click;

// What a handler does with each argument: objects are used (a freed one
// shows), texts read, a Cancel flipped.
void Touch(IDispatch* object) {
  if (!object) return;
  object->AddRef();
  object->Release();
}
volatile char16_t lastUnitRead;
void Touch(const std::u16string& text) {
  for (char16_t unit : text) lastUnitRead = unit;
}
void Touch(VARIANT_BOOL& cancel) { cancel = cancel ? VARIANT_FALSE : VARIANT_TRUE; }
void Touch(VARIANT_BOOL&&) {}
void Touch(int32_t) {}
void Touch(TObject*) {}
void Touch(TExcelApplication&) {}

constexpr auto kHandler = [](auto&&... arguments) { (Touch(std::forward<decltype(arguments)>(arguments)), ...); };

// Every event named gets the handler.
template <class Target, class... Events>
void HandleAll(Target& target, Events... events) {
  ((target.*events = kHandler), ...);
}

DISPID PickEvent(ByteSource& input) {
  const size_t choice = input.Pick(std::size(kEvents) + 2);
  if (choice < std::size(kEvents)) return kEvents[choice];
  return choice == std::size(kEvents) ? kClick : static_cast<DISPID>(input.Number());
}

HRESULT Invoke(IDispatch* target, DISPID id, FuzzDispParams& params) {
  return target->Invoke(id, IID_NULL, 0, DISPATCH_METHOD, params.get(), nullptr, nullptr, nullptr);
}

}  // namespace

EventTargets::EventTargets() : run_(sim::excel::StartExcel()), appEvents_(new framework::TkvxExcelAppEvents(&module_)) {
  module_.OnError = [](TObject*, const std::exception&, bool& Handled) { Handled = true; };
  button_ = new framework::TkvxCommandBarButton((new framework::TkvxCommandBar(&module_))->Controls());
  button_->OnClick = [](TObject*) {};
  AddObjects();
  Bind();
  SetHandlers();
  excel_.ConnectTo(run_.application);
}

EventTargets::~EventTargets() {
  excel_.Disconnect();
  if (sink_) sink_->DisconnectSink();
}

void EventTargets::AddObjects() {
  com::Dispatch app(run_.application);
  com::Dispatch(app.Get(u"Workbooks").ToDispatch()).Call(u"Add");
  held_ = {run_.application, app.Get(u"ActiveWorkbook").ToDispatch(), app.Get(u"ActiveSheet").ToDispatch(),
           app.Get(u"ActiveCell").ToDispatch(), app.Get(u"ActiveWindow").ToDispatch()};
}

// The button's control, a box with the same tag and a button with another,
// on a bar of their own.
void EventTargets::Bind() {
  com::Dispatch bars(com::Dispatch(run_.application).Get(u"CommandBars").ToDispatch());
  com::Dispatch bar(bars.Call(Office::CommandBars::Add, {com::Variant(u"Fuzz")}).ToDispatch());
  com::Dispatch controls(bar.Get(Office::CommandBar::Controls).ToDispatch());
  const auto add = [&](int32_t type, const std::u16string& tag) {
    com::Dispatch control(controls.Call(Office::CommandBarControls::Add, {com::Variant(type)}).ToDispatch());
    control.Put(Office::CommandBarControl::Tag, com::Variant(tag));
    held_.push_back(control.object());
    return control.object();
  };
  button_->AttachHostControl(add(Office::msoControlButton, button_->OfficeTag()));
  add(Office::msoControlComboBox, button_->OfficeTag());
  add(Office::msoControlButton, u"another tag");
  sink_ = framework::TkvxEventSink::Create(module_, *button_);
  objects_ = {nullptr};
  for (const auto& object : held_) objects_.push_back(object.get());
}

void EventTargets::SetHandlers() {
  using A = framework::TkvxExcelAppEvents;
  HandleAll(*appEvents_, &A::OnWindowResize, &A::OnWindowActivate, &A::OnSheetBeforeDoubleClick,
            &A::OnWorkbookBeforeSave, &A::OnSheetFollowHyperlink, &A::OnSheetPivotTableUpdate, &A::OnWorkbookSync,
            &A::OnWorkbookBeforeXmlImport, &A::OnWorkbookAfterXmlExport, &A::OnSheetSelectionChange,
            &A::OnSheetActivate, &A::OnWorkbookBeforeClose);
  using E = TExcelApplication;
  HandleAll(excel_, &E::OnWindowActivate, &E::OnSheetBeforeDoubleClick, &E::OnWorkbookBeforeSave,
            &E::OnSheetSelectionChange, &E::OnSheetActivate, &E::OnWorkbookBeforeClose);
}

void EventTargets::Call(ByteSource& input) {
  const DISPID id = PickEvent(input);
  {
    FuzzDispParams params(input, objects_);
    Require(Invoke(&appEvents_->Dispatcher(), id, params) == S_OK, "the event dispatcher answers S_OK");
  }
  {
    FuzzDispParams params(input, objects_);
    const HRESULT expected = id != kClick ? DISP_E_MEMBERNOTFOUND : params.get() ? S_OK : E_POINTER;
    Require(Invoke(sink_.get(), id, params) == expected, "the control sink answers as documented");
  }
  FuzzDispParams params(input, objects_);
  if (!params.get()) return;
  try {
    excel_.InvokeEvent(id, *params.get());
  } catch (const com::ComError&) {
    // An argument of the wrong kind, as documented.
  }
}

}  // namespace corvane::fuzz
