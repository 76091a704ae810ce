#include "framework/commandbars/TkvxCommandBarPopup.h"

#include "framework/commandbars/TkvxBarModule.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "platform/com/Dispatch.h"
#include "platform/com/ScopeExit.h"

namespace corvane::framework {

TkvxCommandBarPopup::TkvxCommandBarPopup(TkvxCommandBarControls& Collection)
    : TkvxCommandBarControl(Collection), controls_(Collection.OwnerBar(), this) {}

// The items go first: they still reach their popup while they are freed.
TkvxCommandBarPopup::~TkvxCommandBarPopup() { controls_.Clear(); }

com::ComPtr<IDispatch> TkvxCommandBarPopup::HostMenuBar() const noexcept {
  if (!HostControl()) return nullptr;
  try {
    return com::Dispatch(HostControl()).Get(Office::CommandBarPopup::CommandBar).ToDispatch();
  } catch (...) {
    return nullptr;
  }
}

bool TkvxCommandBarPopup::UpdateControl() {
  const bool applied = TkvxCommandBarControl::UpdateControl();
  if (applied && HostControl() && !Temporary()) WriteRecord();
  return applied;
}

void TkvxCommandBarPopup::Assign(const TkvxCommandBarControl& Source) {
  TkvxCommandBarControl::Assign(Source);
  if (const auto* popup = dynamic_cast<const TkvxCommandBarPopup*>(&Source)) controls_.Assign(popup->Controls());
}

void TkvxCommandBarPopup::DeleteHostControl(bool Temporary) {
  TkvxBarModule& module = Module();
  // A child's failure still leaves the popup unbound.
  const com::ScopeExit unbind([this] { AttachHostControl(nullptr); });
  for (size_t i = controls_.Count(); i-- > 0;) {
    TkvxCommandBarControl& child = controls_.Items(i);
    com::ComPtr<IDispatch> control = module.FindControlByTag(OwnerBar().HostBar(), std::nullopt, child.OfficeTag());
    if (!control) control = module.FindHostControlByTag(std::nullopt, child.OfficeTag());
    if (control) child.AttachHostControl(std::move(control));
    child.DeleteHostControl(Temporary);
  }
  // A built-in menu is the host's: only the add-in's own items leave it.
  if (HostControl() && !IsCustom()) AttachHostControl(nullptr);
  TkvxCommandBarControl::DeleteHostControl(Temporary);
}

}  // namespace corvane::framework
