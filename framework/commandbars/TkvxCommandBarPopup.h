// A popup item (kind 4): a menu on the bar with items of its own, stored
// and built like a bar's. A custom popup is the add-in's (found by its tag
// anywhere, else added); a built-in one is only adopted from the bar.
#pragma once

#include "framework/commandbars/TkvxCommandBarControl.h"
#include "framework/commandbars/TkvxCommandBarControls.h"

namespace corvane::framework {

class TkvxCommandBarPopup final : public TkvxCommandBarControl {
 public:
  explicit TkvxCommandBarPopup(TkvxCommandBarControls& Collection);
  ~TkvxCommandBarPopup() override;

  std::string_view ClassName() const override { return "TkvxCommandBarPopup"; }
  int32_t ControlKind() const override { return kvxKindPopup; }

  TkvxCommandBarControls& Controls() { return controls_; }
  const TkvxCommandBarControls& Controls() const { return controls_; }
  DesignItems* DesignedItems() override { return &controls_; }

  // The bar that drops down from the bound host popup; null while unbound
  // or when the host does not give it.
  com::ComPtr<IDispatch> HostMenuBar() const noexcept;
  // The base update, then the revision record (not for a temporary popup).
  bool UpdateControl() override;
  // Deletes the items' host controls first, last to first (each looked up
  // by its tag in the bar, then anywhere), then its own host control when
  // it is a custom one; unbound in every case.
  void DeleteHostControl(bool Temporary) override;
  // The shared properties, then copies of the source popup's items.
  void Assign(const TkvxCommandBarControl& Source) override;

 private:
  TkvxCommandBarControls controls_;
};

}  // namespace corvane::framework
