#include "sim/office/model/CommandBarSet.h"

#include <algorithm>

#include "platform/com/Text.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/BuiltInCatalogue.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

using com::AsciiEqualNoCase;

CommandBarSet::CommandBarSet() : bars_(MakeBuiltInBars()) {}

CommandBarSet::CommandBarSet(std::vector<std::shared_ptr<Bar>> bars) : bars_(std::move(bars)) {}

CommandBarSet::~CommandBarSet() { Close(); }

void CommandBarSet::Close() {
  // Wrappers the client still holds must see a closed host as gone.
  for (const auto& bar : bars_) bar->Kill();
  bars_.clear();
}

std::shared_ptr<Bar> CommandBarSet::At(int32_t index) const {
  if (index < 1 || index > Count()) ThrowInvalidArgument("Invalid procedure call or argument");
  return bars_[index - 1];
}

std::shared_ptr<Bar> CommandBarSet::Find(std::u16string_view name) const {
  for (const auto& bar : bars_) {
    if (AsciiEqualNoCase(bar->props().name, name)) return bar;
  }
  for (const auto& bar : bars_) {
    if (AsciiEqualNoCase(bar->props().nameLocal, name)) return bar;
  }
  return nullptr;
}

std::u16string CommandBarSet::NextCustomName() const {
  for (int n = 1;; ++n) {
    auto name = u"Custom " + com::Utf8ToUtf16(std::to_string(n));
    if (!Find(name)) return name;
  }
}

std::shared_ptr<Bar> CommandBarSet::Add(std::u16string name, int32_t position, bool menuBar, bool temporary) {
  if (!IsValidPosition(position)) ThrowInvalidArgument("Invalid procedure call or argument");
  if (name.empty()) name = NextCustomName();
  if (Find(name)) ThrowInvalidArgument("Invalid procedure call or argument");
  BarProperties props;
  props.name = props.nameLocal = name;
  props.position = position;
  const int32_t type = position == Office::msoBarPopup
                           ? Office::msoBarTypePopup
                           : (menuBar ? Office::msoBarTypeMenuBar : Office::msoBarTypeNormal);
  auto bar = std::make_shared<Bar>(props, type, false, temporary);
  bars_.push_back(bar);
  return bar;
}

void CommandBarSet::Delete(const Bar& bar) {
  bar.FailIfDead();
  if (bar.builtIn()) ThrowFailed("A built-in command bar cannot be deleted.");
  auto found = std::find_if(bars_.begin(), bars_.end(), [&](const auto& b) { return b.get() == &bar; });
  if (found == bars_.end()) ThrowFailed("The command bar has been deleted.");
  auto doomed = *found;
  bars_.erase(found);
  doomed->Kill();
}

std::shared_ptr<Control> CommandBarSet::FindControl(const ControlQuery& query) const {
  for (const auto& bar : bars_) {
    if (query.visibleOnly && !bar->props().visible) continue;
    if (auto found = bar->Find(query, true)) return found;
  }
  return nullptr;
}

std::vector<std::shared_ptr<Control>> CommandBarSet::ControlsTagged(const std::u16string& tag) const {
  std::vector<std::shared_ptr<Control>> found;
  ControlQuery query;
  query.tag = tag;
  for (const auto& bar : bars_) bar->CollectMatches(query, found);
  return found;
}

}  // namespace corvane::sim::office
