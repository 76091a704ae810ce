#include "framework/commandbars/TkvxCommandBarControls.h"

#include <stdexcept>
#include <string>

#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

using ItemFactory = std::unique_ptr<TkvxCommandBarControl> (*)(TkvxCommandBarControls&);

struct ItemClass {
  int32_t kind;
  ItemFactory create;
};

// The item classes this program has; the other kinds are known by code
// (CommandBarTypes.h) but not built.
constexpr ItemClass kItemClasses[] = {
    {kvxKindButton,
     [](TkvxCommandBarControls& c) -> std::unique_ptr<TkvxCommandBarControl> {
       return std::make_unique<TkvxCommandBarButton>(c);
     }},
};

const ItemClass* FindItemClass(int32_t kind) {
  for (const auto& row : kItemClasses) {
    if (row.kind == kind) return &row;
  }
  return nullptr;
}

}  // namespace

TkvxCommandBarControls::TkvxCommandBarControls(TkvxCommandBar& OwnerBar) : ownerBar_(OwnerBar) {}

TkvxCommandBarControls::~TkvxCommandBarControls() = default;

bool TkvxCommandBarControls::HasItemClass(int32_t Kind) { return FindItemClass(Kind) != nullptr; }

TkvxCommandBarControl& TkvxCommandBarControls::AddControl(int32_t Kind) {
  const ItemClass* itemClass = FindItemClass(Kind);
  if (!itemClass) {
    throw com::ComError(E_INVALIDARG,
                        u"The control kind " + com::Utf8ToUtf16(std::to_string(Kind)) + u" has no item class.");
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

}  // namespace corvane::framework
