// One command bar control as Office keeps it. A popup owns the bar that
// drops down from it. A control deleted for good is dead: its COM wrappers
// fail from then on. A permanent control deleted "for this session only"
// is merely hidden from its bar and comes back at the next start.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/core/EventSource.h"
#include "sim/office/model/ButtonFace.h"
#include "sim/office/model/ControlProperties.h"

namespace corvane::sim::office {

class Bar;

class Control : public std::enable_shared_from_this<Control> {
 public:
  Control(int32_t type, int32_t id, bool builtIn, bool temporary);
  ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  int32_t type() const { return type_; }
  int32_t id() const { return id_; }
  bool builtIn() const { return builtIn_; }
  bool temporary() const { return temporary_; }

  ControlProperties& props() { return props_; }
  const ControlProperties& props() const { return props_; }
  // List entries of edit, drop-down and combo boxes.
  std::vector<std::u16string>& items() { return items_; }
  const std::vector<std::u16string>& items() const { return items_; }
  ButtonFace& face() { return face_; }
  const ButtonFace& face() const { return face_; }

  // The sinks of its Click or Change events, made by the COM objects when a
  // client first asks; released when the control dies.
  std::shared_ptr<EventSource>& events() { return events_; }

  // The bar that drops down from a popup; null for other types.
  const std::shared_ptr<Bar>& subBar() const { return subBar_; }
  // The bar the control sits on; null once deleted.
  std::shared_ptr<Bar> parent() const { return parent_.lock(); }
  // 1-based position among its bar's controls.
  int32_t index() const;
  // On a bar, not deleted, not hidden for the session.
  bool live() const;
  bool sessionDeleted() const { return sessionDeleted_; }
  // The bar this control ends up on when its parents are followed up
  // through popups.
  std::shared_ptr<Bar> topBar() const;

  // Moves to another bar (null: the same one) before the control at a
  // 1-based index (0: at the end).
  void MoveTo(const std::shared_ptr<Bar>& bar, int32_t before);
  // A copy with the same properties (and a copy of a popup's bar) placed
  // on a bar; a built-in control stays built-in.
  std::shared_ptr<Control> CopyTo(const std::shared_ptr<Bar>& bar, int32_t before) const;
  // Temporary: only for this session (a permanent control then comes back
  // at the next start); else for good.
  void Delete(bool temporary);
  // Dead from now on, with everything on its drop-down bar.
  void Kill();

 private:
  friend class Bar;
  void SetParent(const std::shared_ptr<Bar>& bar) { parent_ = bar; }
  void FailIfDead() const;

  int32_t type_;
  int32_t id_;
  bool builtIn_;
  bool temporary_;
  bool dead_ = false;
  bool sessionDeleted_ = false;
  ControlProperties props_;
  std::vector<std::u16string> items_;
  ButtonFace face_;
  std::shared_ptr<Bar> subBar_;
  std::weak_ptr<Bar> parent_;
  std::shared_ptr<EventSource> events_;
};

}  // namespace corvane::sim::office
