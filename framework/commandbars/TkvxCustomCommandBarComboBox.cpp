#include "framework/commandbars/TkvxCustomCommandBarComboBox.h"

#include "framework/commandbars/TkvxBarModule.h"
#include "framework/events/OfficeEventInterfaces.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"

namespace corvane::framework {

TkvxCustomCommandBarComboBox::TkvxCustomCommandBarComboBox(TkvxCommandBarControls& Collection)
    : TkvxCommandBarControl(Collection) {}

TkvxCustomCommandBarComboBox::~TkvxCustomCommandBarComboBox() = default;

void TkvxCustomCommandBarComboBox::DoClick() { RaiseItemEvent(OnChange); }

void TkvxCustomCommandBarComboBox::AttachHostControl(com::ComPtr<IDispatch> Control) {
  link_.Drop();
  TkvxCommandBarControl::AttachHostControl(std::move(Control));
  link_.Bind(*this, Office::CommandBarComboBox::iid);
}

void TkvxCustomCommandBarComboBox::SetItems(std::vector<std::u16string> Items) {
  items_ = std::move(Items);
  if (!HostBox() || !HasList()) return;
  Guarded(&TkvxCustomCommandBarComboBox::RefillHostList);
}

void TkvxCustomCommandBarComboBox::RefillHostList() {
  try {
    ClearHostList();
  } catch (const com::ComError&) {
    // The user may have re-created the box since it was bound.
    com::ComPtr<IDispatch> found = Module().FindHostControlByTag(HostControlType(), OfficeTag());
    if (!found) throw;
    AttachHostControl(std::move(found));
    ClearHostList();
  }
  AddHostItems();
}

void TkvxCustomCommandBarComboBox::ClearHostList() { com::Dispatch(HostBox()).Call(Office::CommandBarComboBox::Clear); }

void TkvxCustomCommandBarComboBox::AddHostItems() {
  com::Dispatch box(HostBox());
  for (const std::u16string& entry : items_) box.Call(Office::CommandBarComboBox::AddItem, {com::Variant(entry)});
}

void TkvxCustomCommandBarComboBox::Guarded(void (TkvxCustomCommandBarComboBox::*step)()) {
  try {
    (this->*step)();
  } catch (...) {
    Module().HandleError(std::current_exception());
  }
}

void TkvxCustomCommandBarComboBox::Assign(const TkvxCommandBarControl& Source) {
  TkvxCommandBarControl::Assign(Source);
  const auto* box = dynamic_cast<const TkvxCustomCommandBarComboBox*>(&Source);
  if (!box) return;
  SetStyle(box->Style());
  SetText(box->Text());
  if (!HasList()) return;
  SetDropdownLines(box->DropdownLines());
  SetDropdownWidth(box->DropdownWidth());
  SetListHeaderCount(box->ListHeaderCount());
  SetListIndex(box->ListIndex());
  SetItems(box->Items());
}

bool TkvxCustomCommandBarComboBox::UpdateControl() {
  const bool applied = TkvxCommandBarControl::UpdateControl();
  if (!applied || !HostBox()) return applied;
  IDispatch* box = HostBox().get();
  PushStoredOn(box, style_, Office::CommandBarComboBox::Style);
  if (HasList()) {
    if (dropdownLines_ != 0) PushStoredOn(box, dropdownLines_, Office::CommandBarComboBox::DropDownLines);
    if (dropdownWidth_ != 0) PushStoredOn(box, dropdownWidth_, Office::CommandBarComboBox::DropDownWidth);
    Guarded(&TkvxCustomCommandBarComboBox::ClearHostList);
  }
  PushStoredOn(box, text_, Office::CommandBarComboBox::Text);
  if (HasList()) {
    Guarded(&TkvxCustomCommandBarComboBox::AddHostItems);
    if (listIndex_ != 0) PushStoredOn(box, listIndex_, Office::CommandBarComboBox::ListIndex);
    if (listHeaderCount_ != -1) PushStoredOn(box, listHeaderCount_, Office::CommandBarComboBox::ListHeaderCount);
  }
  if (!Temporary()) WriteRecord();
  return applied;
}

}  // namespace corvane::framework
