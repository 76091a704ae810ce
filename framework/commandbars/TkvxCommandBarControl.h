// The base of every command bar item: the designed properties all kinds
// share, its owner bar, and its binding to a host control: while bound the
// properties read the host control and the setters push on difference
// (HostPropertyPush.h); the design reaches the control once per revision
// (UpdateControl), placed where the design says.
//
// Made as it is, it is the plain control (kind 5): a host built-in control
// adopted or added by its OfficeID, with no events and no revision record,
// so it is updated on every connection.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/commandbars/CommandBarTypes.h"
#include "framework/commandbars/HostPropertyPush.h"
#include "framework/design/Events.h"
#include "framework/design/TObject.h"
#include "framework/events/OfficeEventInterfaces.h"
#include "platform/com/ComPtr.h"
#include "published/Office.h"

namespace corvane::framework {

class TkvxCommandBar;
class TkvxCommandBarControls;
class TkvxCommandBarPopup;
class TkvxBarModule;

class TkvxCommandBarControl : public TObject, public HostPropertyPush {
 public:
  // Created by its collection (TkvxCommandBarControls::AddControl).
  explicit TkvxCommandBarControl(TkvxCommandBarControls& Collection);
  ~TkvxCommandBarControl() override;

  std::string_view ClassName() const override { return "TkvxCommandBarControl"; }
  virtual int32_t ControlKind() const { return kvxKindControl; }
  // A button raises OnClick, a box OnChange; a plain control has no event.
  virtual void DoClick() {}
  // Set while the item's own event runs (a click arriving meanwhile is
  // dropped).
  bool Busy() const { return busy_; }

  TkvxCommandBarControls& Collection() const { return collection_; }
  TkvxCommandBar& OwnerBar() const;
  // The popup whose menu holds the item, or null on a bar.
  TkvxCommandBarPopup* ParentPopup() const;
  TkvxBarModule& Module() const;
  // 0-based position in the collection.
  size_t Index() const;

  int32_t Tag() const { return tag_; }
  void SetTag(int32_t v) { tag_ = v; }
  int32_t PropertyChanged() const { return propertyChanged_; }
  void SetPropertyChanged(int32_t v) { propertyChanged_ = v; }

  bool BeginGroup() const { return ReadThrough(beginGroup_, Office::CommandBarControl::BeginGroup); }
  void SetBeginGroup(bool v) { Store(beginGroup_, v, Office::CommandBarControl::BeginGroup); }
  // Virtual, with HelpContextID, HelpFile, TooltipText and OfficeID: an
  // advanced control has none of its own.
  virtual std::u16string Caption() const { return ReadThrough(caption_, Office::CommandBarControl::Caption); }
  virtual void SetCaption(std::u16string_view v) {
    Store(caption_, std::u16string(v), Office::CommandBarControl::Caption);
  }
  std::u16string DescriptionText() const {
    return ReadThrough(descriptionText_, Office::CommandBarControl::DescriptionText);
  }
  void SetDescriptionText(std::u16string_view v) {
    Store(descriptionText_, std::u16string(v), Office::CommandBarControl::DescriptionText);
  }
  bool Enabled() const { return ReadThrough(enabled_, Office::CommandBarControl::Enabled); }
  // In Outlook a change that reaches the host is followed by a width
  // nudge: Outlook repaints the control only then.
  void SetEnabled(bool v);
  int32_t Height() const { return ReadThrough(height_, Office::CommandBarControl::Height); }
  void SetHeight(int32_t v) { Store(height_, v, Office::CommandBarControl::Height); }
  virtual int32_t HelpContextID() const {
    return ReadThrough(helpContextId_, Office::CommandBarControl::HelpContextId);
  }
  virtual void SetHelpContextID(int32_t v) { Store(helpContextId_, v, Office::CommandBarControl::HelpContextId); }
  virtual std::u16string HelpFile() const { return ReadThrough(helpFile_, Office::CommandBarControl::HelpFile); }
  virtual void SetHelpFile(std::u16string_view v) {
    Store(helpFile_, std::u16string(v), Office::CommandBarControl::HelpFile);
  }
  std::u16string Parameter() const { return ReadThrough(parameter_, Office::CommandBarControl::Parameter); }
  void SetParameter(std::u16string_view v) {
    Store(parameter_, std::u16string(v), Office::CommandBarControl::Parameter);
  }
  int32_t Priority() const { return ReadThrough(priority_, Office::CommandBarControl::Priority); }
  void SetPriority(int32_t v) { Store(priority_, v, Office::CommandBarControl::Priority); }
  // The item's identity in the host (lookups, records, the click check):
  // always the designed text, never a host read.
  const std::u16string& OfficeTag() const { return officeTag_; }
  void SetOfficeTag(std::u16string_view v) { Store(officeTag_, std::u16string(v), Office::CommandBarControl::Tag); }
  virtual std::u16string TooltipText() const {
    return ReadThrough(tooltipText_, Office::CommandBarControl::TooltipText);
  }
  virtual void SetTooltipText(std::u16string_view v) {
    Store(tooltipText_, std::u16string(v), Office::CommandBarControl::TooltipText);
  }
  bool Visible() const { return ReadThrough(visible_, Office::CommandBarControl::Visible); }
  void SetVisible(bool v) { Store(visible_, v, Office::CommandBarControl::Visible); }
  int32_t Width() const { return ReadThrough(width_, Office::CommandBarControl::Width); }
  void SetWidth(int32_t v) { Store(width_, v, Office::CommandBarControl::Width); }

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
  virtual int32_t OfficeID() const { return ReadThrough(officeId_, Office::CommandBarControl::Id); }
  virtual void SetOfficeID(int32_t v) { officeId_ = v; }
  // OfficeID 1: a control of the add-in's own, not a host built-in one.
  bool IsCustom() const { return OfficeID() == kCustomControlId; }
  static constexpr int32_t kCustomControlId = 1;

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
  // Takes over another item's design: Tag, then through the setters (so a
  // bound control gets what differs) the shared properties, and OfficeID,
  // the revision and the Outlook settings; each kind adds its own. Source
  // is read as its getters give it; handlers are not copied.
  virtual void Assign(const TkvxCommandBarControl& Source);
  // Deletes the bound host control and unbinds the item in every case; a
  // host failure is thrown after the unbinding. Deleted for good, its
  // revision record goes too.
  virtual void DeleteHostControl(bool Temporary);

 protected:
  IDispatch* BoundHost() const override { return hostControl_.get(); }
  void ReportHostError(std::exception_ptr error) const noexcept override;
  // Raises an item event with this item as Sender unless the item's event
  // is already running; the busy flag clears on every way out, and the
  // handler's exception goes to HandleError.
  void RaiseItemEvent(const TNotifyEvent& Event);

 public:
  // The host bar the item's control belongs to by design: its bar's, or
  // for an item in a popup the popup's menu bar.
  com::ComPtr<IDispatch> ParentHostBar() const;

 protected:
  // Whether the item's "Controls" record holds its design revision.
  bool RecordHolds() const;
  void WriteRecord();

 private:
  void NudgeWidth();
  void PlaceHostControl();
  void MoveHostControl(int32_t before);
  void PushDesign();

  TkvxCommandBarControls& collection_;
  // Host failures reported, in all and when the last update began.
  mutable uint64_t hostErrors_ = 0;
  uint64_t errorsBeforeUpdate_ = 0;
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
  bool busy_ = false;
};

}  // namespace corvane::framework
