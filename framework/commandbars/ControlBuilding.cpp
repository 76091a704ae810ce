#include "framework/commandbars/ControlBuilding.h"

#include <optional>

#include "framework/commandbars/DesignRecords.h"
#include "framework/commandbars/OfficeIds.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/hosting/TkvxCOMAddInModule.h"
#include "platform/com/Dispatch.h"

namespace corvane::framework {
namespace {

constexpr int32_t kCustomId = 1;

com::ComPtr<IDispatch> FindExisting(TkvxCommandBarControl& item) {
  TkvxCOMAddInModule& module = item.Module();
  if (item.OfficeID() == kCustomId) return module.FindHostControlByTag(item.HostControlType(), item.OfficeTag());
  return module.FindControlByTag(item.OwnerBar().HostBar(), item.HostControlType(), item.OfficeTag());
}

// The Before argument of Add: Before, else the place of the BeforeID or
// AfterID control in the parent bar; missing (at the end) otherwise.
com::Variant Placement(const TkvxCommandBarControl& item, const com::ComPtr<IDispatch>& parent) {
  if (item.Before() != 0) return com::Variant(item.Before());
  const int32_t anchorId = item.BeforeID() != 0 ? item.BeforeID() : item.AfterID();
  if (anchorId == 0) return com::Variant::Omitted();
  const com::ComPtr<IDispatch> anchor = item.Module().FindControlById(parent, std::nullopt, anchorId);
  if (!anchor) return com::Variant::Omitted();
  const int32_t index = com::Dispatch(anchor).Get(kDispControlIndex).ToInt32();
  return com::Variant(item.BeforeID() != 0 ? index : index + 1);
}

com::ComPtr<IDispatch> CreateHostControl(TkvxCommandBarControl& item, const com::ComPtr<IDispatch>& parent) {
  com::Dispatch controls(com::Dispatch(parent).Get(kDispCommandBarControls).ToDispatch());
  return controls
      .Call(kDispControlsAdd, {com::Variant(item.HostControlType()), com::Variant(item.OfficeID()),
                               com::Variant(item.Parameter()), Placement(item, parent), com::Variant(item.Temporary())})
      .ToDispatch();
}

// A built-in button either runs its own command or calls the add-in.
void SetBuiltInAction(TkvxCommandBarButton& button) noexcept {
  try {
    const std::u16string action =
        button.DisableStandardAction() ? u"!<" + button.Module().ProgID() + u">" : std::u16string();
    com::Dispatch(button.HostControl()).Put(kDispControlOnAction, com::Variant(action));
  } catch (...) {
    // The standard action stays; nothing the user would need to hear of.
  }
}

bool UserDeleted(const TkvxCommandBarControl& item) {
  return !item.Temporary() &&
         DesignRecords(item.Module(), DesignRecords::kControls).Holds(item.OfficeTag(), item.PropertyChanged());
}

void Build(TkvxCommandBarControl& item, const com::ComPtr<IDispatch>& parent) {
  com::ComPtr<IDispatch> control = FindExisting(item);
  if (!control) {
    if (UserDeleted(item)) return;
    control = CreateHostControl(item, parent);
  }
  if (!control) return;
  item.AttachHostControl(control);
  auto* button = dynamic_cast<TkvxCommandBarButton*>(&item);
  if (button && item.OfficeID() != kCustomId) SetBuiltInAction(*button);
  item.UpdateControl();
}

bool BarHasItemTagged(const TkvxCommandBarControls& controls, const std::u16string& tag) {
  for (size_t i = 0; i < controls.Count(); ++i) {
    if (controls.Items(i).OfficeTag() == tag) return true;
  }
  return false;
}

}  // namespace

void BuildControl(TkvxCommandBarControl& Item, const com::ComPtr<IDispatch>& ParentBar) noexcept {
  try {
    Build(Item, ParentBar);
  } catch (...) {
    Item.Module().HandleError(std::current_exception());
  }
}

bool ModuleHasItemTagged(const TkvxCOMAddInModule& Module, const std::u16string& OfficeTag) {
  for (const TkvxCommandBar* bar : Module.CommandBarList()) {
    if (BarHasItemTagged(bar->Controls(), OfficeTag)) return true;
  }
  return false;
}

void RemoveOrphanControls(TkvxCOMAddInModule& Module, const TkvxCommandBar& Bar) noexcept {
  try {
    DesignRecords records(Module, DesignRecords::kControls);
    for (const std::u16string& tag : records.Names()) {
      if (tag.empty() || ModuleHasItemTagged(Module, tag)) continue;
      com::ComPtr<IDispatch> control;
      if (Bar.HostBar()) control = Module.FindControlByTag(Bar.HostBar(), std::nullopt, tag);
      if (!control) control = Module.FindHostControlByTag(std::nullopt, tag);
      if (!control) continue;
      try {
        com::Dispatch(control).Call(kDispControlDelete, {com::Variant(false)});
        records.Erase(tag);
      } catch (...) {
        Module.HandleError(std::current_exception());
      }
    }
  } catch (...) {
    Module.HandleError(std::current_exception());
  }
}

}  // namespace corvane::framework
