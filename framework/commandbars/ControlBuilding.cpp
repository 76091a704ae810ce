#include "framework/commandbars/ControlBuilding.h"

#include <optional>

#include "framework/commandbars/DesignRecords.h"
#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "platform/com/Dispatch.h"
#include "platform/com/FrameworkError.h"
#include "published/Office.h"

namespace corvane::framework {
namespace {

using Control = com::ComPtr<IDispatch>;

// The Before argument of Add: Before, else the place of the BeforeID or
// AfterID control in the parent bar; missing (at the end) otherwise.
com::Variant Placement(const TkvxCommandBarControl& item, const Control& parent) {
  if (item.Before() != 0) return com::Variant(item.Before());
  const int32_t anchorId = item.BeforeID() != 0 ? item.BeforeID() : item.AfterID();
  if (anchorId == 0) return com::Variant::Omitted();
  const Control anchor = item.Module().FindControlById(parent, std::nullopt, anchorId);
  if (!anchor) return com::Variant::Omitted();
  const int32_t index = com::Dispatch(anchor).Get(Office::CommandBarControl::Index).ToInt32();
  return com::Variant(item.BeforeID() != 0 ? index : index + 1);
}

Control AddHostControl(TkvxCommandBarControl& item, const Control& parent, com::Variant type, com::Variant id) {
  com::Dispatch controls(com::Dispatch(parent).Get(Office::CommandBar::Controls).ToDispatch());
  return controls
      .Call(Office::CommandBarControls::Add, {std::move(type), std::move(id), com::Variant(item.Parameter()),
                                              Placement(item, parent), com::Variant(item.Temporary())})
      .ToDispatch();
}

// A built-in button either runs its own command or calls the add-in.
void SetBuiltInAction(TkvxCommandBarButton& button) noexcept {
  try {
    const std::u16string action =
        button.DisableStandardAction() ? u"!<" + button.Module().ProgID() + u">" : std::u16string();
    com::Dispatch(button.HostControl()).Put(Office::CommandBarControl::OnAction, com::Variant(action));
  } catch (...) {
    // The standard action stays; nothing the user would need to hear of.
  }
}

bool UserDeleted(const TkvxCommandBarControl& item) {
  return !item.Temporary() &&
         DesignRecords(item.Module(), DesignRecords::kControls).Holds(item.OfficeTag(), item.PropertyChanged());
}

com::Variant Optional(std::optional<int32_t> value) { return value ? com::Variant(*value) : com::Variant::Omitted(); }

// FindControl of a bar (with its menus) or, without a bar, of all the
// host's bars. A failing call is thrown: taken for "not there" it would
// make the build add a second control.
Control FindOrThrow(TkvxBarModule& module, const Control& bar, std::optional<int32_t> type, std::optional<int32_t> id,
                    const std::u16string& tag) {
  const com::Variant tagArg = tag.empty() ? com::Variant::Omitted() : com::Variant(tag);
  if (bar) {
    return com::Dispatch(bar)
        .Call(Office::CommandBar::FindControl,
              {Optional(type), Optional(id), tagArg, com::Variant::Omitted(), com::Variant(true)})
        .ToDispatch();
  }
  if (!module.CommandBars()) module.FillCommandBarCache();
  if (!module.CommandBars()) return nullptr;
  return com::Dispatch(module.CommandBars())
      .Call(Office::CommandBars::FindControl, {Optional(type), Optional(id), tagArg, com::Variant::Omitted()})
      .ToDispatch();
}

// By id and tag together on a bar, the type missing; null on any failure.
Control FindByIdAndTag(TkvxBarModule& module, const Control& bar, int32_t id, const std::u16string& tag) noexcept {
  if (!bar) return nullptr;
  try {
    return FindOrThrow(module, bar, std::nullopt, id, tag);
  } catch (...) {
    return nullptr;
  }
}

// Buttons and boxes (kinds 0 to 3): a custom one found anywhere, a
// built-in one on its bar; not re-created once the user deleted it.
void BuildStandard(TkvxCommandBarControl& item, const Control& parent) {
  TkvxBarModule& module = item.Module();
  const int32_t type = item.HostControlType();
  // A custom one anywhere, so that a control the user dragged elsewhere
  // stays there; a built-in one on its bar.
  const Control where = item.IsCustom() ? nullptr : item.OwnerBar().HostBar();
  if (!item.IsCustom() && !where) return;
  Control control = FindOrThrow(module, where, type, std::nullopt, item.OfficeTag());
  if (!control) {
    if (UserDeleted(item)) return;
    control = AddHostControl(item, parent, com::Variant(type), com::Variant(item.OfficeID()));
  }
  if (!control) return;
  item.AttachHostControl(control);
  auto* button = dynamic_cast<TkvxCommandBarButton*>(&item);
  if (button && !item.IsCustom()) SetBuiltInAction(*button);
  item.UpdateControl();
}

// A custom popup is the add-in's, found anywhere or added; a built-in one
// is only adopted from the bar. Its items are built in its menu.
void BuildPopup(TkvxCommandBarControl& item, const Control& parent) {
  auto& popup = static_cast<TkvxCommandBarPopup&>(item);
  TkvxBarModule& module = item.Module();
  const bool custom = item.IsCustom();
  Control control =
      custom ? FindOrThrow(module, nullptr, TkvxBarModule::kControlPopup, std::nullopt, item.OfficeTag())
             : module.FindControlById(item.OwnerBar().HostBar(), TkvxBarModule::kControlPopup, item.OfficeID());
  if (!control && custom) {
    control = AddHostControl(item, parent, com::Variant(TkvxBarModule::kControlPopup), com::Variant::Omitted());
  }
  if (!control) return;
  item.AttachHostControl(control);
  if (custom) item.UpdateControl();
  const Control menu = popup.HostMenuBar();
  if (!menu) return;
  for (size_t i = 0; i < popup.Controls().Count(); ++i) BuildControl(popup.Controls().Items(i), menu);
}

// A host built-in control adopted by its id and tag, or added by its id.
void BuildPlain(TkvxCommandBarControl& item, const Control& parent) {
  if (item.IsCustom()) return;
  const Control bar = item.OwnerBar().HostBar();
  if (!bar) return;
  Control control = FindOrThrow(item.Module(), bar, std::nullopt, item.OfficeID(), item.OfficeTag());
  if (!control) control = AddHostControl(item, parent, com::Variant::Omitted(), com::Variant(item.OfficeID()));
  if (!control) return;
  item.AttachHostControl(control);
  item.UpdateControl();
}

// No host has an adapter for advanced controls: nothing is built, but a
// built-in bar is refused as the place for one.
void BuildAdvanced(TkvxCommandBarControl& item, const Control&) {
  if (item.OwnerBar().IsBuiltIn()) com::RaiseFrameworkError(com::FrameworkError::kAdvancedControlInBuiltInBar);
}

struct KindBuilder {
  int32_t kind;
  void (*build)(TkvxCommandBarControl&, const Control&);
};

constexpr KindBuilder kBuilders[] = {
    {kvxKindButton, BuildStandard},          {kvxKindEdit, BuildStandard}, {kvxKindDropDownList, BuildStandard},
    {kvxKindComboBox, BuildStandard},        {kvxKindPopup, BuildPopup},   {kvxKindControl, BuildPlain},
    {kvxKindAdvancedControl, BuildAdvanced},
};

void Build(TkvxCommandBarControl& item, const Control& parent) {
  if (item.Module().HostKind() == ohaMapPoint) com::RaiseFrameworkError(com::FrameworkError::kMapPointControl);
  for (const auto& row : kBuilders) {
    if (row.kind == item.ControlKind()) return row.build(item, parent);
  }
}

bool ControlsHaveItemTagged(const TkvxCommandBarControls& controls, const std::u16string& tag) {
  for (size_t i = 0; i < controls.Count(); ++i) {
    const TkvxCommandBarControl& item = controls.Items(i);
    if (item.OfficeTag() == tag) return true;
    const auto* popup = dynamic_cast<const TkvxCommandBarPopup*>(&item);
    if (popup && ControlsHaveItemTagged(popup->Controls(), tag)) return true;
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

bool ModuleHasItemTagged(const TkvxBarModule& Module, const std::u16string& OfficeTag) {
  for (const TkvxCommandBar* bar : Module.CommandBarList()) {
    if (ControlsHaveItemTagged(bar->Controls(), OfficeTag)) return true;
  }
  return false;
}

com::ComPtr<IDispatch> FindRemovedControl(TkvxCommandBarControl& Item, const com::ComPtr<IDispatch>& HostBar) {
  TkvxBarModule& module = Item.Module();
  const int32_t kind = Item.ControlKind();
  const int32_t type = Item.HostControlType();
  const bool custom = Item.IsCustom();
  if (kind == kvxKindPopup && !custom) {
    Control control = module.FindControlById(HostBar, type, Item.OfficeID());
    return control ? control : module.FindHostControlById(type, Item.OfficeID());
  }
  if (kind == kvxKindControl && !custom) return FindByIdAndTag(module, HostBar, Item.OfficeID(), Item.OfficeTag());
  Control control = module.FindControlByTag(HostBar, type, Item.OfficeTag());
  // A custom control may have been dragged to any bar.
  if (!control && custom) control = module.FindHostControlByTag(type, Item.OfficeTag());
  return control;
}

void RemoveOrphanControls(TkvxBarModule& Module, const TkvxCommandBar& Bar) noexcept {
  try {
    DesignRecords records(Module, DesignRecords::kControls);
    for (const std::u16string& tag : records.Names()) {
      if (tag.empty() || ModuleHasItemTagged(Module, tag)) continue;
      com::ComPtr<IDispatch> control;
      if (Bar.HostBar()) control = Module.FindControlByTag(Bar.HostBar(), std::nullopt, tag);
      if (!control) control = Module.FindHostControlByTag(std::nullopt, tag);
      if (!control) continue;
      try {
        com::Dispatch(control).Call(Office::CommandBarControl::Delete, {com::Variant(false)});
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
