// Office's collection of command bars: the built-in ones and those added by
// add-ins or the user, searched by index, by name and for controls.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sim/office/model/ControlQuery.h"

namespace corvane::sim::office {

class Bar;
class Control;

class CommandBarSet {
 public:
  // A fresh installation: the built-in bars only.
  CommandBarSet();
  // Bars as restored from a previous run.
  explicit CommandBarSet(std::vector<std::shared_ptr<Bar>> bars);
  ~CommandBarSet();
  // Moving hands the bars over; only the last owner closes them.
  CommandBarSet(CommandBarSet&&) noexcept = default;
  CommandBarSet& operator=(CommandBarSet&&) = delete;
  CommandBarSet(const CommandBarSet&) = delete;
  CommandBarSet& operator=(const CommandBarSet&) = delete;

  // The host has closed: every bar and control is dead, the list empty.
  void Close();

  const std::vector<std::shared_ptr<Bar>>& Bars() const { return bars_; }
  int32_t Count() const { return static_cast<int32_t>(bars_.size()); }
  // 1-based; OfficeError when out of range.
  std::shared_ptr<Bar> At(int32_t index) const;
  // By Name, then by NameLocal, in any letter case; null when none.
  std::shared_ptr<Bar> Find(std::u16string_view name) const;
  // Add(Name, Position, MenuBar, Temporary). An empty name gets "Custom n";
  // a name already taken is refused.
  std::shared_ptr<Bar> Add(std::u16string name, int32_t position, bool menuBar, bool temporary);
  // Built-in bars cannot be deleted.
  void Delete(const Bar& bar);

  // The first match over all bars in index order, drop-down menus included.
  std::shared_ptr<Control> FindControl(const ControlQuery& query) const;
  // Every control with this tag, in the same order.
  std::vector<std::shared_ptr<Control>> ControlsTagged(const std::u16string& tag) const;

  // Whether buttons have the Picture and Mask members (newer versions).
  bool pictureMembers() const { return pictureMembers_; }
  void setPictureMembers(bool present) { pictureMembers_ = present; }

 private:
  std::u16string NextCustomName() const;

  std::vector<std::shared_ptr<Bar>> bars_;
  bool pictureMembers_ = true;
};

}  // namespace corvane::sim::office
