// The base of every command bar item: the designed properties all kinds
// share, its owner bar, and its binding to a host control: while bound the
// properties read the host control and the setters push on difference
// (HostPropertyPush.h); the design reaches the control once per revision
// (UpdateControl), placed where the design says.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/commandbars/CommandBarTypes.h"
#include "framework/commandbars/HostPropertyPush.h"
#include "framework/commandbars/OfficeIds.h"
#include "framework/design/TObject.h"
#include "framework/events/OfficeEventInterfaces.h"
#include "platform/com/ComPtr.h"

namespace corvane::framework {

class TkvxCommandBar;
class TkvxCommandBarControls;
class TkvxCOMAddInModule;

class TkvxCommandBarControl : public TObject, public HostPropertyPush {
 public:
  // Created by its collection (TkvxCommandBarControls::AddControl).
  explicit TkvxCommandBarControl(TkvxCommandBarControls& Collection);
  ~TkvxCommandBarControl() override;

  std::string_view ClassName() const override { return "TkvxCommandBarControl"; }
  virtual int32_t ControlKind() const = 0;
  // A button raises OnClick; the other kinds their own event.
  virtual void DoClick() = 0;

  TkvxCommandBarControls& Collection() const { return collection_; }
  TkvxCommandBar& OwnerBar() const;
  TkvxCOMAddInModule& Module() const;
  // 0-based position in the collection.
  size_t Index() const;

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t v) { tag_ = v; }
  int32_t PropertyChanged() const { return propertyChanged_; }
  void SetPropertyChanged(int32_t v) { propertyChanged_ = v; }

  bool BeginGroup() const { return ReadThrough(beginGroup_, kDispControlBeginGroup); }
  void SetBeginGroup(bool v) { Store(beginGroup_, v, kDispControlBeginGroup); }
  std::u16string Caption() const { return ReadThrough(caption_, kDispControlCaption); }
  void SetCaption(std::u16string_view v) { Store(caption_, std::u16string(v), kDispControlCaption); }
  std::u16string DescriptionText() const { return ReadThrough(descriptionText_, kDispControlDescriptionText); }
  void SetDescriptionText(std::u16string_view v) {
    Store(descriptionText_, std::u16string(v), kDispControlDescriptionText);
  }
  bool Enabled() const { return ReadThrough(enabled_, kDispControlEnabled); }
  void SetEnabled(bool v) { Store(enabled_, v, kDispControlEnabled); }
  int32_t Height() const { return ReadThrough(height_, kDispControlHeight); }
  void SetHeight(int32_t v) { Store(height_, v, kDispControlHeight); }
  int32_t HelpContextID() const { return ReadThrough(helpContextId_, kDispControlHelpContextId); }
  void SetHelpContextID(int32_t v) { Store(helpContextId_, v, kDispControlHelpContextId); }
  std::u16string HelpFile() const { return ReadThrough(helpFile_, kDispControlHelpFile); }
  void SetHelpFile(std::u16string_view v) { Store(helpFile_, std::u16string(v), kDispControlHelpFile); }
  std::u16string Parameter() const { return ReadThrough(parameter_, kDispControlParameter); }
  void SetParameter(std::u16string_view v) { Store(parameter_, std::u16string(v), kDispControlParameter); }
  int32_t Priority() const { return ReadThrough(priority_, kDispControlPriority); }
  void SetPriority(int32_t v) { Store(priority_, v, kDispControlPriority); }
  // The item's identity in the host (lookups, records, the click check):
  // always the designed text, never a host read.
  const std::u16string& OfficeTag() const { return officeTag_; }
  void SetOfficeTag(std::u16string_view v) { Store(officeTag_, std::u16string(v), kDispControlTag); }
  std::u16string TooltipText() const { return ReadThrough(tooltipText_, kDispControlTooltipText); }
  void SetTooltipText(std::u16string_view v) { Store(tooltipText_, std::u16string(v), kDispControlTooltipText); }
  bool Visible() const { return ReadThrough(visible_, kDispControlVisible); }
  void SetVisible(bool v) { Store(visible_, v, kDispControlVisible); }
  int32_t Width() const { return ReadThrough(width_, kDispControlWidth); }
  void SetWidth(int32_t v) { Store(width_, v, kDispControlWidth); }

  // Stored only: they matter when the host control is created or placed.
  bool Temporary() const { return temporary_; }
  void SetTemporary(bool v) { temporary_ = v; }
  int32_t AfterID() const { return afterId_; }
  void SetAfterID(int32_t v) { afterId_ = v; }
  int32_t Before() const { return before_; }
  void SetBefore(int32_t v) { before_ = v; }
  int32_t BeforeID() const { return beforeId_; }
  void SetBeforeID(int32_t v) { beforeId_ = v; }
  // The host control's Id while bound.
  int32_t OfficeID() const { return ReadThrough(officeId_, kDispControlId); }
  void SetOfficeID(int32_t v) { officeId_ = v; }

  TkvxOLItemTypeAction olItemTypeAction() const { return olItemTypeAction_; }
  void SetolItemTypeAction(TkvxOLItemTypeAction v) { olItemTypeAction_ = v; }
  TkvxOLItemTypes olExplorerItemTypes() const { return olExplorerItemTypes_; }
  void SetolExplorerItemTypes(TkvxOLItemTypes v) { olExplorerItemTypes_ = v; }
  TkvxOLItemClasses olInspectorItemTypes() const { return olInspectorItemTypes_; }
  void SetolInspectorItemTypes(TkvxOLItemClasses v) { olInspectorItemTypes_ = v; }

  // The bound host control, or null while unbound.
  const com::ComPtr<IDispatch>& HostControl() const { return hostControl_; }
  // Binds the item to a host control (null unbinds). The click sink hands
  // it the control that fired when the item's own reference went stale.
  virtual void AttachHostControl(com::ComPtr<IDispatch> Control) { hostControl_ = std::move(Control); }
  // The host control type of the item's kind (1 button, ...).
  int32_t HostControlType() const;
  // The host control's Index, or 1 while unbound.
  int32_t HostIndex() const;
  // Pushes the designed properties once per design revision (temporary
  // items every time), moving the control into place first unless this is
  // the add-in's first start. True when they were pushed. A failing move
  // is thrown: it ends the item's update.
  virtual bool UpdateControl();
  // Deletes the bound host control (a host failure goes to HandleError) and
  // unbinds the item in every case.
  virtual void DeleteHostControl(bool Temporary);

 protected:
  IDispatch* BoundHost() const override { return hostControl_.get(); }
  void ReportHostError(std::exception_ptr error) const noexcept override;
  // The host bar the item's control belongs to by design: its bar's.
  virtual com::ComPtr<IDispatch> ParentHostBar() const;
  // Whether the item's "Controls" record holds its design revision.
  bool RecordHolds() const;
  void WriteRecord();

 private:
  void PlaceHostControl();
  void MoveHostControl(int32_t before);
  void PushDesign();

  TkvxCommandBarControls& collection_;
  int32_t tag_ = 0;
  int32_t propertyChanged_ = 0;
  com::ComPtr<IDispatch> hostControl_;
  bool beginGroup_ = false;
  std::u16string caption_;
  std::u16string descriptionText_;
  bool enabled_ = true;
  int32_t height_ = 0;
  int32_t helpContextId_ = 0;
  std::u16string helpFile_;
  std::u16string parameter_;
  int32_t priority_ = 0;
  std::u16string officeTag_;
  std::u16string tooltipText_;
  bool visible_ = true;
  int32_t width_ = 0;
  bool temporary_ = false;
  int32_t afterId_ = 0;
  int32_t before_ = 0;
  int32_t beforeId_ = 0;
  int32_t officeId_ = 1;
  TkvxOLItemTypeAction olItemTypeAction_ = kvxOLActionNone;
  TkvxOLItemTypes olExplorerItemTypes_ = 1u << kvxOLMailItem;
  TkvxOLItemClasses olInspectorItemTypes_ = 1u << kvxOLMail;
};

}  // namespace corvane::framework
