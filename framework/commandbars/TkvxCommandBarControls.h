// The owned, ordered items of a command bar (or of a popup's menu).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/commandbars/TkvxCommandBarControl.h"

namespace corvane::framework {

class TkvxCommandBar;

class TkvxCommandBarControls {
 public:
  explicit TkvxCommandBarControls(TkvxCommandBar& OwnerBar);
  ~TkvxCommandBarControls();
  TkvxCommandBarControls(const TkvxCommandBarControls&) = delete;
  TkvxCommandBarControls& operator=(const TkvxCommandBarControls&) = delete;

  TkvxCommandBar& OwnerBar() const { return ownerBar_; }

  // Appends a new item of the class of that kind code. A kind without an
  // item class in this program raises ComError E_INVALIDARG and adds nothing.
  TkvxCommandBarControl& AddControl(int32_t Kind);
  // The first item in collection order whose Tag is Tag, or null.
  TkvxCommandBarControl* FindByTag(int32_t Tag) const;
  // 0-based; std::out_of_range outside 0 .. Count() - 1.
  TkvxCommandBarControl& Items(size_t Index) const;
  size_t Count() const { return items_.size(); }
  size_t IndexOf(const TkvxCommandBarControl* Item) const;
  void Clear();

  // True for the kind codes AddControl can create.
  static bool HasItemClass(int32_t Kind);

 private:
  TkvxCommandBar& ownerBar_;
  std::vector<std::unique_ptr<TkvxCommandBarControl>> items_;
};

}  // namespace corvane::framework
