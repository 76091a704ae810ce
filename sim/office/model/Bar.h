// One command bar as Office keeps it: its properties and its controls in
// display order. Also the drop-down bar of a popup control. Controls hidden
// for the session stay in the list (they come back at the next start) but
// are not counted, indexed or found.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/office/model/BarProperties.h"
#include "sim/office/model/ControlQuery.h"

namespace corvane::sim::office {

class Control;

// CommandBarControls.Add's arguments; an id other than 1 asks for a copy
// of that built-in control.
struct ControlSpec {
  int32_t type = 0;  // 0 with a built-in id: the built-in control's type
  int32_t id = 1;
  std::u16string parameter;
  int32_t before = 0;  // 1-based; 0 at the end
  bool temporary = false;
};

class Bar : public std::enable_shared_from_this<Bar> {
 public:
  Bar(BarProperties props, int32_t type, bool builtIn, bool temporary);
  ~Bar();
  Bar(const Bar&) = delete;
  Bar& operator=(const Bar&) = delete;

  BarProperties& props() { return props_; }
  const BarProperties& props() const { return props_; }
  int32_t type() const { return type_; }
  bool builtIn() const { return builtIn_; }
  bool temporary() const { return temporary_; }
  bool live() const { return !dead_; }
  // The popup this bar drops down from; null for a top-level bar.
  std::shared_ptr<Control> popupOwner() const { return popupOwner_.lock(); }

  // Live controls in display order.
  std::vector<std::shared_ptr<Control>> Controls() const;
  int32_t Count() const;
  // 1-based; OfficeError when out of range.
  std::shared_ptr<Control> At(int32_t index) const;
  // 1-based index of a live control of this bar, 0 when it is not one.
  int32_t IndexOf(const Control& control) const;

  std::shared_ptr<Control> AddControl(const ControlSpec& request);
  // First match in display order, searching popups' bars depth-first when
  // recursive; null when none.
  std::shared_ptr<Control> Find(const ControlQuery& query, bool recursive) const;
  void CollectMatches(const ControlQuery& query, std::vector<std::shared_ptr<Control>>& found) const;

  // Every entry, session-deleted ones included, for persistence.
  const std::vector<std::shared_ptr<Control>>& Entries() const { return entries_; }
  // Places a control before the live control at a 1-based index (0, or
  // one past the last, at the end); OfficeError for any other index.
  void Insert(const std::shared_ptr<Control>& control, int32_t before);
  // Takes the entry off this bar (the control itself is unchanged).
  void Detach(const Control& control);

  // Dead from now on, with every control on it.
  void Kill();
  void FailIfDead() const;

 private:
  friend class Control;
  void SetPopupOwner(const std::shared_ptr<Control>& owner) { popupOwner_ = owner; }

  BarProperties props_;
  int32_t type_;
  bool builtIn_;
  bool temporary_;
  bool dead_ = false;
  std::vector<std::shared_ptr<Control>> entries_;
  std::weak_ptr<Control> popupOwner_;
};

}  // namespace corvane::sim::office
