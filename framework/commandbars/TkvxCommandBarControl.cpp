#include "framework/commandbars/TkvxCommandBarControl.h"

#include "framework/commandbars/DesignRecords.h"
#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarControls.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "framework/design/NewGuidText.h"
#include "platform/com/Dispatch.h"
#include "platform/com/ScopeExit.h"

namespace corvane::framework {
namespace {

int32_t IndexOf(IDispatch* control) {
  return com::Dispatch::InvokeId(control, Office::CommandBarControl::Index, DISPATCH_PROPERTYGET, {}).ToInt32();
}

}  // namespace

TkvxCommandBarControl::TkvxCommandBarControl(TkvxCommandBarControls& Collection)
    : collection_(Collection), officeTag_(NewGuidText()) {
  temporary_ = Collection.OwnerBar().Temporary();
}

TkvxCommandBarControl::~TkvxCommandBarControl() {
  // A later item at the same address must not inherit this one's handlers.
  Module().DesignNames().Forget(this);
}

TkvxCommandBar& TkvxCommandBarControl::OwnerBar() const { return collection_.OwnerBar(); }

TkvxCommandBarPopup* TkvxCommandBarControl::ParentPopup() const { return collection_.ParentPopup(); }

TkvxBarModule& TkvxCommandBarControl::Module() const { return OwnerBar().Module(); }

size_t TkvxCommandBarControl::Index() const { return collection_.IndexOf(this); }

void TkvxCommandBarControl::ReportHostError(std::exception_ptr error) const noexcept {
  ++hostErrors_;
  Module().HandleError(error);
}

void TkvxCommandBarControl::SetEnabled(bool v) {
  if (Store(enabled_, v, Office::CommandBarControl::Enabled) && Module().HostKind() == ohaOutlook) NudgeWidth();
}

void TkvxCommandBarControl::NudgeWidth() {
  try {
    const com::Variant width =
        com::Dispatch::InvokeId(hostControl_.get(), Office::CommandBarControl::Width, DISPATCH_PROPERTYGET, {});
    com::Dispatch::InvokeId(hostControl_.get(), Office::CommandBarControl::Width, DISPATCH_PROPERTYPUT,
                            {com::Variant(width.ToInt32() + 1)});
    com::Dispatch::InvokeId(hostControl_.get(), Office::CommandBarControl::Width, DISPATCH_PROPERTYPUT, {width});
  } catch (...) {
    ReportHostError(std::current_exception());
  }
}

int32_t TkvxCommandBarControl::HostControlType() const { return HostControlTypeOfKind(ControlKind()).value_or(0); }

int32_t TkvxCommandBarControl::HostIndex() const {
  if (!hostControl_) return 1;
  return IndexOf(hostControl_.get());
}

com::ComPtr<IDispatch> TkvxCommandBarControl::ParentHostBar() const {
  if (const TkvxCommandBarPopup* popup = ParentPopup()) return popup->HostMenuBar();
  return OwnerBar().HostBar();
}

void TkvxCommandBarControl::RaiseItemEvent(const TNotifyEvent& Event) {
  if (busy_) return;
  com::FlagScope busy(busy_);
  if (!Event) return;
  try {
    Event(this);
  } catch (...) {
    Module().HandleError(std::current_exception());
  }
}

bool TkvxCommandBarControl::RecordHolds() const {
  return DesignRecords(Module(), DesignRecords::kControls).Holds(officeTag_, propertyChanged_);
}

void TkvxCommandBarControl::WriteRecord() {
  // A design the host took only in part is not recorded: the next start
  // applies it again. Recorded, a control whose tag never reached the host
  // would count as deleted by the user and never come back.
  if (hostErrors_ != errorsBeforeUpdate_) return;
  DesignRecords(Module(), DesignRecords::kControls).Write(officeTag_, propertyChanged_);
}

bool TkvxCommandBarControl::UpdateControl() {
  errorsBeforeUpdate_ = hostErrors_;
  const bool apply = temporary_ || !RecordHolds();
  if (!apply || !hostControl_) return apply;
  if (!temporary_ && Module().StartMode() != kvxStartModeFirstStart) PlaceHostControl();
  PushDesign();
  return true;
}

void TkvxCommandBarControl::PlaceHostControl() {
  if (before_ != 0 && before_ != HostIndex()) MoveHostControl(before_);
  if (!OwnerBar().IsBuiltIn() && before_ == 0 && beforeId_ == 0 && afterId_ == 0) {
    const int32_t wanted = static_cast<int32_t>(Index()) + 1;
    const int32_t current = HostIndex();
    // Taken off first, a control moved down lands one place early.
    if (current != wanted) MoveHostControl(current < wanted ? wanted + 1 : wanted);
  }
  const int32_t anchorId = beforeId_ != 0 ? beforeId_ : afterId_;
  if (anchorId == 0) return;
  const com::ComPtr<IDispatch> anchor = Module().FindControlById(ParentHostBar(), std::nullopt, anchorId);
  if (!anchor) return;
  const int32_t anchorIndex = IndexOf(anchor.get());
  if (beforeId_ != 0) {
    if (anchorIndex != HostIndex() + 1) MoveHostControl(anchorIndex);
  } else if (anchorIndex + 1 != HostIndex()) {
    MoveHostControl(anchorIndex + 1);
  }
}

void TkvxCommandBarControl::MoveHostControl(int32_t before) {
  com::Dispatch::InvokeId(hostControl_.get(), Office::CommandBarControl::Move, DISPATCH_METHOD,
                          {com::Variant::Omitted(), com::Variant(before)});
}

void TkvxCommandBarControl::PushDesign() {
  PushStored(beginGroup_, Office::CommandBarControl::BeginGroup);
  PushStored(caption_, Office::CommandBarControl::Caption);
  PushStored(descriptionText_, Office::CommandBarControl::DescriptionText);
  SetEnabled(enabled_);
  if (height_ != 0) PushStored(height_, Office::CommandBarControl::Height);
  PushStored(helpContextId_, Office::CommandBarControl::HelpContextId);
  PushStored(helpFile_, Office::CommandBarControl::HelpFile);
  PushStored(parameter_, Office::CommandBarControl::Parameter);
  PushStored(priority_, Office::CommandBarControl::Priority);
  PushStored(officeTag_, Office::CommandBarControl::Tag);
  PushStored(tooltipText_, Office::CommandBarControl::TooltipText);
  PushStored(visible_, Office::CommandBarControl::Visible);
  if (width_ != 0) PushStored(width_, Office::CommandBarControl::Width);
}

void TkvxCommandBarControl::Assign(const TkvxCommandBarControl& Source) {
  tag_ = Source.Tag();
  SetBeginGroup(Source.BeginGroup());
  SetCaption(Source.Caption());
  SetDescriptionText(Source.DescriptionText());
  SetEnabled(Source.Enabled());
  SetHeight(Source.Height());
  SetHelpContextID(Source.HelpContextID());
  SetHelpFile(Source.HelpFile());
  SetParameter(Source.Parameter());
  SetPriority(Source.Priority());
  SetOfficeTag(Source.OfficeTag());
  SetTooltipText(Source.TooltipText());
  SetVisible(Source.Visible());
  SetWidth(Source.Width());
  SetTemporary(Source.Temporary());
  SetAfterID(Source.AfterID());
  SetBefore(Source.Before());
  SetBeforeID(Source.BeforeID());
  // Beyond the shared list: without them a copy of a built-in control
  // would turn custom, and every copy lose its revision.
  SetOfficeID(Source.OfficeID());
  propertyChanged_ = Source.PropertyChanged();
  olItemTypeAction_ = Source.olItemTypeAction();
  olExplorerItemTypes_ = Source.olExplorerItemTypes();
  olInspectorItemTypes_ = Source.olInspectorItemTypes();
}

void TkvxCommandBarControl::DeleteHostControl(bool Temporary) {
  // Unbound however the host answers; its failure is the caller's to judge
  // (a removal must not report success it did not have).
  const com::ScopeExit unbind([this] { AttachHostControl(nullptr); });
  if (!hostControl_) return;
  com::Dispatch::InvokeId(hostControl_.get(), Office::CommandBarControl::Delete, DISPATCH_METHOD,
                          {com::Variant(Temporary)});
  // Gone for good, so no longer recorded: should a later step of a removal
  // fail, the next start builds it again instead of taking it for one the
  // user deleted.
  if (!Temporary) DesignRecords(Module(), DesignRecords::kControls).Erase(officeTag_);
}

}  // namespace corvane::framework
