#include "framework/commandbars/TkvxCommandBarControls.h"

#include <stdexcept>
#include <string>

#include "framework/commandbars/CommandBarDesign.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarAdvancedControl.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/commandbars/TkvxCommandBarComboBox.h"
#include "framework/commandbars/TkvxCommandBarDropDownList.h"
#include "framework/commandbars/TkvxCommandBarEdit.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "platform/com/ComError.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

using ItemFactory = std::unique_ptr<TkvxCommandBarControl> (*)(TkvxCommandBarControls&);

struct ItemClass {
  int32_t kind;
  ItemFactory create;
};

template <class T>
std::unique_ptr<TkvxCommandBarControl> Make(TkvxCommandBarControls& collection) {
  return std::make_unique<T>(collection);
}

constexpr ItemClass kItemClasses[] = {
    {kvxKindButton, Make<TkvxCommandBarButton>},
    {kvxKindEdit, Make<TkvxCommandBarEdit>},
    {kvxKindDropDownList, Make<TkvxCommandBarDropDownList>},
    {kvxKindComboBox, Make<TkvxCommandBarComboBox>},
    {kvxKindPopup, Make<TkvxCommandBarPopup>},
    {kvxKindControl, Make<TkvxCommandBarControl>},
    {kvxKindAdvancedControl, Make<TkvxCommandBarAdvancedControl>},
};

// An advanced control needs a docked, dock-protected toolbar.
void PrepareBarForAdvancedControl(TkvxCommandBar& bar) {
  const TkvxMsoBarPosition position = bar.Position();
  if (position == kvxMsoBarPopup || position == kvxMsoBarMenuBar) bar.SetPosition(kvxMsoBarTop);
  bar.SetProtection(kvxMsoBarNoChangeDock);
}

const ItemClass* FindItemClass(int32_t kind) {
  for (const auto& row : kItemClasses) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

}  // namespace

TkvxCommandBarControls::TkvxCommandBarControls(TkvxCommandBar& OwnerBar, TkvxCommandBarPopup* ParentPopup)
    : ownerBar_(OwnerBar), parentPopup_(ParentPopup) {}

TkvxCommandBarControls::~TkvxCommandBarControls() = default;

bool TkvxCommandBarControls::HasItemClass(int32_t Kind) { return FindItemClass(Kind) != nullptr; }

int32_t TkvxCommandBarControls::ItemKind(size_t Index) const { return Items(Index).ControlKind(); }

const PropertyTable* TkvxCommandBarControls::ItemProperties(int32_t Kind) const {
  return HasItemClass(Kind) ? ItemPropertyTable(Kind) : nullptr;
}

TkvxCommandBarControl& TkvxCommandBarControls::AddControl(int32_t Kind) {
  const ItemClass* itemClass = FindItemClass(Kind);
  if (!itemClass) {
    throw com::ComError(E_INVALIDARG,
                        u"The control kind " + com::Utf8ToUtf16(std::to_string(Kind)) + u" has no item class.");
  }
  if (Kind == kvxKindAdvancedControl) {
    if (parentPopup_) com::RaiseFrameworkError(com::FrameworkError::kAdvancedControlInPopup);
    PrepareBarForAdvancedControl(ownerBar_);
  }
  items_.push_back(itemClass->create(*this));
  return *items_.back();
}

TkvxCommandBarControl* TkvxCommandBarControls::FindByTag(int32_t Tag) const {
  for (const auto& item : items_) {
    if (item->Tag() == Tag) return item.get();
  }
  return nullptr;
}

TkvxCommandBarControl& TkvxCommandBarControls::Items(size_t Index) const {
  if (Index >= items_.size()) throw std::out_of_range("command bar item index out of range");
  return *items_[Index];
}

size_t TkvxCommandBarControls::IndexOf(const TkvxCommandBarControl* Item) const {
  for (size_t i = 0; i < items_.size(); ++i) {
    if (items_[i].get() == Item) return i;
  }
  throw std::invalid_argument("the item is not in this collection");
}

void TkvxCommandBarControls::Clear() { items_.clear(); }

void TkvxCommandBarControls::Assign(const TkvxCommandBarControls& Source) {
  if (&Source == this) return;
  Clear();
  for (const auto& item : Source.items_) AddControl(item->ControlKind()).Assign(*item);
}

}  // namespace corvane::framework
