#include "framework/commandbars/TkvxCommandBarControl.h"

#include "framework/commandbars/DesignRecords.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarControls.h"
#include "framework/design/NewGuidText.h"
#include "framework/hosting/TkvxCOMAddInModule.h"
#include "platform/com/Dispatch.h"

namespace corvane::framework {
namespace {

int32_t IndexOf(IDispatch* control) {
  return com::Dispatch::InvokeId(control, kDispControlIndex, DISPATCH_PROPERTYGET, {}).ToInt32();
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

TkvxCOMAddInModule& TkvxCommandBarControl::Module() const { return OwnerBar().Module(); }

size_t TkvxCommandBarControl::Index() const { return collection_.IndexOf(this); }

void TkvxCommandBarControl::ReportHostError(std::exception_ptr error) const noexcept { Module().HandleError(error); }

int32_t TkvxCommandBarControl::HostControlType() const { return HostControlTypeOfKind(ControlKind()).value_or(0); }

int32_t TkvxCommandBarControl::HostIndex() const {
  if (!hostControl_) return 1;
  return IndexOf(hostControl_.get());
}

com::ComPtr<IDispatch> TkvxCommandBarControl::ParentHostBar() const { return OwnerBar().HostBar(); }

bool TkvxCommandBarControl::RecordHolds() const {
  return DesignRecords(Module(), DesignRecords::kControls).Holds(officeTag_, propertyChanged_);
}

void TkvxCommandBarControl::WriteRecord() {
  DesignRecords(Module(), DesignRecords::kControls).Write(officeTag_, propertyChanged_);
}

bool TkvxCommandBarControl::UpdateControl() {
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
  com::Dispatch::InvokeId(hostControl_.get(), kDispControlMove, DISPATCH_METHOD,
                          {com::Variant::Omitted(), com::Variant(before)});
}

void TkvxCommandBarControl::PushDesign() {
  PushStored(beginGroup_, kDispControlBeginGroup);
  PushStored(caption_, kDispControlCaption);
  PushStored(descriptionText_, kDispControlDescriptionText);
  PushStored(enabled_, kDispControlEnabled);
  if (height_ != 0) PushStored(height_, kDispControlHeight);
  PushStored(helpContextId_, kDispControlHelpContextId);
  PushStored(helpFile_, kDispControlHelpFile);
  PushStored(parameter_, kDispControlParameter);
  PushStored(priority_, kDispControlPriority);
  PushStored(officeTag_, kDispControlTag);
  PushStored(tooltipText_, kDispControlTooltipText);
  PushStored(visible_, kDispControlVisible);
  if (width_ != 0) PushStored(width_, kDispControlWidth);
}

void TkvxCommandBarControl::DeleteHostControl(bool Temporary) {
  if (hostControl_) {
    try {
      com::Dispatch::InvokeId(hostControl_.get(), kDispControlDelete, DISPATCH_METHOD, {com::Variant(Temporary)});
    } catch (...) {
      ReportHostError(std::current_exception());
    }
  }
  AttachHostControl(nullptr);
}

}  // namespace corvane::framework
