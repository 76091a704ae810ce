// The base of every command bar item: the designed properties all kinds
// share, its owner bar, and the seam through which a bound item pushes a
// changed property to its host control. Binding (finding or creating the
// host control, click sinks) comes with the control building; until then an
// item is unbound and its setters only store.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/commandbars/CommandBarTypes.h"
#include "framework/commandbars/HostPropertyPush.h"
#include "framework/design/TObject.h"
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

  bool BeginGroup() const { return beginGroup_; }
  void SetBeginGroup(bool v) { Store(beginGroup_, v, u"BeginGroup"); }
  const std::u16string& Caption() const { return caption_; }
  void SetCaption(std::u16string_view v) { Store(caption_, std::u16string(v), u"Caption"); }
  const std::u16string& DescriptionText() const { return descriptionText_; }
  void SetDescriptionText(std::u16string_view v) { Store(descriptionText_, std::u16string(v), u"DescriptionText"); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { Store(enabled_, v, u"Enabled"); }
  int32_t Height() const { return height_; }
  void SetHeight(int32_t v) { Store(height_, v, u"Height"); }
  int32_t HelpContextID() const { return helpContextId_; }
  void SetHelpContextID(int32_t v) { Store(helpContextId_, v, u"HelpContextId"); }
  const std::u16string& HelpFile() const { return helpFile_; }
  void SetHelpFile(std::u16string_view v) { Store(helpFile_, std::u16string(v), u"HelpFile"); }
  const std::u16string& Parameter() const { return parameter_; }
  void SetParameter(std::u16string_view v) { Store(parameter_, std::u16string(v), u"Parameter"); }
  int32_t Priority() const { return priority_; }
  void SetPriority(int32_t v) { Store(priority_, v, u"Priority"); }
  const std::u16string& OfficeTag() const { return officeTag_; }
  void SetOfficeTag(std::u16string_view v) { Store(officeTag_, std::u16string(v), u"Tag"); }
  const std::u16string& TooltipText() const { return tooltipText_; }
  void SetTooltipText(std::u16string_view v) { Store(tooltipText_, std::u16string(v), u"TooltipText"); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Store(visible_, v, u"Visible"); }
  int32_t Width() const { return width_; }
  void SetWidth(int32_t v) { Store(width_, v, u"Width"); }

  // Stored only: they matter when the host control is created or placed.
  bool Temporary() const { return temporary_; }
  void SetTemporary(bool v) { temporary_ = v; }
  int32_t AfterID() const { return afterId_; }
  void SetAfterID(int32_t v) { afterId_ = v; }
  int32_t Before() const { return before_; }
  void SetBefore(int32_t v) { before_ = v; }
  int32_t BeforeID() const { return beforeId_; }
  void SetBeforeID(int32_t v) { beforeId_ = v; }
  int32_t OfficeID() const { return officeId_; }
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

 private:
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
