// The owned, ordered items of a command bar (or of a popup's menu); the
// design reader and writer see them as DesignItems.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/commandbars/TkvxCommandBarControl.h"
#include "framework/design/DesignItems.h"

namespace corvane::framework {

class TkvxCommandBar;
class TkvxCommandBarPopup;

class TkvxCommandBarControls final : public DesignItems {
 public:
  // The items of a bar, or of a popup's menu (ParentPopup) on that bar.
  explicit TkvxCommandBarControls(TkvxCommandBar& OwnerBar, TkvxCommandBarPopup* ParentPopup = nullptr);
  ~TkvxCommandBarControls();
  TkvxCommandBarControls(const TkvxCommandBarControls&) = delete;
  TkvxCommandBarControls& operator=(const TkvxCommandBarControls&) = delete;

  TkvxCommandBar& OwnerBar() const { return ownerBar_; }
  TkvxCommandBarPopup* ParentPopup() const { return parentPopup_; }

  // Appends a new item of the class of that kind code. A kind without an
  // item class raises ComError E_INVALIDARG and adds nothing. An advanced
  // control (kind 6) cannot go into a popup (framework error 31116); on a
  // bar it docks the bar at the top if it was a popup or menu bar, and
  // protects its docking.
  TkvxCommandBarControl& AddControl(int32_t Kind);
  // The first item in collection order whose Tag is Tag, or null.
  TkvxCommandBarControl* FindByTag(int32_t Tag) const;
  // 0-based; std::out_of_range outside 0 .. Count() - 1.
  TkvxCommandBarControl& Items(size_t Index) const;
  size_t Count() const { return items_.size(); }
  size_t IndexOf(const TkvxCommandBarControl* Item) const;
  void Clear();
  // Replaces the items by copies of Source's: the same kinds, each
  // assigned from its original. An item the collection refuses (an
  // advanced control into a popup) is thrown, the copies made so far kept.
  void Assign(const TkvxCommandBarControls& Source);

  // True for the kind codes AddControl can create.
  static bool HasItemClass(int32_t Kind);

  // DesignItems.
  size_t ItemCount() const override { return Count(); }
  TObject& ItemAt(size_t Index) const override { return Items(Index); }
  int32_t ItemKind(size_t Index) const override;
  const PropertyTable* ItemProperties(int32_t Kind) const override;
  void ClearItems() override { Clear(); }
  TObject& AddItem(int32_t Kind) override { return AddControl(Kind); }

 private:
  TkvxCommandBar& ownerBar_;
  TkvxCommandBarPopup* parentPopup_;
  std::vector<std::unique_ptr<TkvxCommandBarControl>> items_;
};

}  // namespace corvane::framework
