#include "framework/commandbars/TkvxCommandBar.h"

#include "framework/commandbars/ControlBuilding.h"
#include "framework/commandbars/DesignRecords.h"
#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBarAdvancedControl.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "platform/com/Dispatch.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/ScopeExit.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

// Every item of a collection and of its popups' menus, depth first.
template <class F>
void ForEachItem(const TkvxCommandBarControls& controls, const F& visit) {
  for (size_t i = 0; i < controls.Count(); ++i) {
    TkvxCommandBarControl& item = controls.Items(i);
    visit(item);
    if (const auto* popup = dynamic_cast<const TkvxCommandBarPopup*>(&item)) ForEachItem(popup->Controls(), visit);
  }
}

// Checked before the component joins its owner, so a refused bar leaves no
// trace on it.
TkvxBarModule& RequireModule(TComponent* owner) {
  if (auto* module = dynamic_cast<TkvxBarModule*>(owner)) return *module;
  const std::u16string ownerClass = owner ? com::Utf8ToUtf16(owner->ClassName()) : u"nil";
  com::RaiseFrameworkError(com::FrameworkError::kCommandBarOwner, {u"TkvxCommandBar", ownerClass});
}

}  // namespace

TkvxCommandBar::TkvxCommandBar(TComponent* Owner)
    : TComponent((RequireModule(Owner), Owner)), module_(*dynamic_cast<TkvxBarModule*>(Owner)), controls_(*this) {
  supportedApps_ = module_.SupportedApps();
  module_.AddCommandBar(this);
}

TkvxCommandBar::~TkvxCommandBar() {
  // Items go before the bar leaves the module, so they may still reach it.
  controls_.Clear();
  module_.DesignNames().Forget(this);
  module_.RemoveCommandBar(this);
}

void TkvxCommandBar::ReportHostError(std::exception_ptr error) const noexcept { module_.HandleError(error); }

void TkvxCommandBar::SetCommandBarName(std::u16string_view v) {
  if (v.empty()) com::RaiseFrameworkError(com::FrameworkError::kEmptyProperty, {u"CommandBarName"});
  Store(commandBarName_, std::u16string(v), Office::CommandBar::Name);
  if (nameLocal_.empty()) SetNameLocal(commandBarName_);
}

void TkvxCommandBar::SetPosition(TkvxMsoBarPosition v) {
  try {
    if ((v == kvxMsoBarPopup || v == kvxMsoBarMenuBar) && HoldsAdvancedControl()) {
      com::RaiseFrameworkError(com::FrameworkError::kAdvancedControlBarPosition);
    }
    Store(position_, v, Office::CommandBar::Position);
  } catch (...) {
    module_.HandleError(std::current_exception());
  }
}

void TkvxCommandBar::SetProtection(TkvxMsoBarProtection v) {
  try {
    if (v != kvxMsoBarNoChangeDock && HoldsAdvancedControl()) {
      com::RaiseFrameworkError(com::FrameworkError::kAdvancedControlBarProtection);
    }
    Store(protection_, v, Office::CommandBar::Protection);
  } catch (...) {
    module_.HandleError(std::current_exception());
  }
}

bool TkvxCommandBar::HoldsAdvancedControl() const {
  for (size_t i = 0; i < controls_.Count(); ++i) {
    if (controls_.Items(i).ControlKind() == kvxKindAdvancedControl) return true;
  }
  return false;
}

void TkvxCommandBar::ComponentRemoved(TComponent* Removed) {
  for (size_t i = 0; i < controls_.Count(); ++i) {
    auto* advanced = dynamic_cast<TkvxCommandBarAdvancedControl*>(&controls_.Items(i));
    if (advanced && advanced->Control() == Removed) advanced->SetControl(nullptr);
  }
  TComponent::ComponentRemoved(Removed);
}

bool TkvxCommandBar::IsBuiltIn() const { return ReadThrough(false, Office::CommandBar::BuiltIn); }

void TkvxCommandBar::BuildCommandBar() {
  if (module_.HostKind() == ohaMapPoint) com::RaiseFrameworkError(com::FrameworkError::kMapPointControl, {});
  if (!supportedApps_.Contains(module_.HostKind())) return;
  try {
    FindOrCreateHostBar();
    if (hostBar_ && !IsBuiltIn()) ApplyBarProperties();
  } catch (...) {
    // Outlook gives no bars before its first window: not worth a message.
    if (module_.HostKind() != ohaOutlook) module_.HandleError(std::current_exception());
  }
  RemoveOrphanControls(module_, *this);
  BuildItems();
}

void TkvxCommandBar::FindOrCreateHostBar() {
  hostBar_ = module_.FindCommandBar(commandBarName_);
  if (hostBar_) return;
  com::ComPtr<IDispatch> bars = module_.CommandBars();
  if (!bars) return;
  hostBar_ =
      com::Dispatch(bars)
          .Call(Office::CommandBars::Add, {com::Variant(commandBarName_), com::Variant(static_cast<int32_t>(position_)),
                                           com::Variant::Omitted(), com::Variant(temporary_)})
          .ToDispatch();
  if (!hostBar_) return;
  SetNameLocal(CommandBarName());
  ForgetRecords();
}

void TkvxCommandBar::ForgetRecords() {
  DesignRecords bars(module_, DesignRecords::kCommandBars);
  bars.Erase(commandBarName_);
  DesignRecords items(module_, DesignRecords::kControls);
  ForEachItem(controls_, [&items](const TkvxCommandBarControl& item) { items.Erase(item.OfficeTag()); });
}

void TkvxCommandBar::ReleaseHostObjects() noexcept {
  ForEachItem(controls_, [](TkvxCommandBarControl& item) { item.AttachHostControl(nullptr); });
  hostBar_ = nullptr;
}

void TkvxCommandBar::BuildItems() {
  if (!hostBar_) return;
  for (size_t i = 0; i < controls_.Count(); ++i) BuildControl(controls_.Items(i), hostBar_);
}

void TkvxCommandBar::ApplyBarProperties() {
  if (!hostBar_) return;
  DesignRecords records(module_, DesignRecords::kCommandBars);
  if (!temporary_ && records.Holds(commandBarName_, propertyChanged_)) return;
  PushStored(enabled_, Office::CommandBar::Enabled);
  PushStored(visible_, Office::CommandBar::Visible);
  PushStored(protection_, Office::CommandBar::Protection);
  PushStored(position_, Office::CommandBar::Position);
  if (left_ != -1) PushStored(left_, Office::CommandBar::Left);
  if (top_ != -1) PushStored(top_, Office::CommandBar::Top);
  if (rowIndex_ != -1) PushStored(rowIndex_, Office::CommandBar::RowIndex);
  if (!temporary_) records.Write(commandBarName_, propertyChanged_);
}

void TkvxCommandBar::RemoveCommandBar() {
  // Failures reach the caller, which decides: unregistration turns them into
  // its own error, the user's unload into a failing disconnection. A box per
  // control here would hang a silent installer.
  const com::ScopeExit unbind([this] { hostBar_ = nullptr; });
  hostBar_ = module_.FindCommandBar(CommandBarName());
  for (size_t i = controls_.Count(); i-- > 0;) {
    TkvxCommandBarControl& item = controls_.Items(i);
    if (com::ComPtr<IDispatch> control = FindRemovedControl(item, hostBar_)) item.AttachHostControl(control);
    if (item.HostControl()) item.DeleteHostControl(false);
  }
  DeleteEmptyHostBar();
}

void TkvxCommandBar::DeleteEmptyHostBar() {
  if (hostBar_) DeleteHostBarIfEmpty(hostBar_);
}

void DeleteHostBarIfEmpty(const com::ComPtr<IDispatch>& Bar) {
  com::Dispatch bar(Bar);
  if (bar.Get(Office::CommandBar::BuiltIn).ToBool()) return;
  if (com::Dispatch(bar.Get(Office::CommandBar::Controls).ToDispatch())
          .Get(Office::CommandBarControls::Count)
          .ToInt32() != 0)
    return;
  bar.Call(Office::CommandBar::Delete);
}

}  // namespace corvane::framework
