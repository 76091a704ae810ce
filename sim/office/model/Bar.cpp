#include "sim/office/model/Bar.h"

#include <algorithm>

#include "sim/office/model/BuiltInCatalogue.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

Bar::Bar(BarProperties props, int32_t type, bool builtIn, bool temporary)
    : props_(std::move(props)), type_(type), builtIn_(builtIn), temporary_(temporary) {}

Bar::~Bar() = default;

std::vector<std::shared_ptr<Control>> Bar::Controls() const {
  std::vector<std::shared_ptr<Control>> result;
  for (const auto& entry : entries_) {
    if (!entry->sessionDeleted()) result.push_back(entry);
  }
  return result;
}

int32_t Bar::Count() const { return static_cast<int32_t>(Controls().size()); }

std::shared_ptr<Control> Bar::At(int32_t index) const {
  FailIfDead();
  const auto controls = Controls();
  if (index < 1 || index > static_cast<int32_t>(controls.size())) {
    ThrowInvalidArgument("Invalid procedure call or argument");
  }
  return controls[index - 1];
}

int32_t Bar::IndexOf(const Control& control) const {
  int32_t index = 0;
  for (const auto& entry : entries_) {
    if (entry->sessionDeleted()) continue;
    ++index;
    if (entry.get() == &control) return index;
  }
  return 0;
}

std::shared_ptr<Control> Bar::AddControl(const ControlSpec& request) {
  FailIfDead();
  const bool temporary = request.temporary || temporary_;
  std::shared_ptr<Control> control;
  if (request.id == kCustomControlId || request.id == 0) {
    const int32_t type = request.type == Office::msoControlCustom ? Office::msoControlButton : request.type;
    if (!IsKnownControlType(type) || type == Office::msoControlCustom)
      ThrowInvalidArgument("Invalid procedure call or argument");
    control = std::make_shared<Control>(type, kCustomControlId, false, temporary);
  } else {
    const BuiltInControl* known = FindBuiltInControl(request.id);
    if (!known || (request.type != Office::msoControlCustom && request.type != known->type)) {
      ThrowInvalidArgument("Invalid procedure call or argument");
    }
    control = MakeBuiltInControl(*known, temporary);
  }
  control->props().parameter = request.parameter;
  Insert(control, request.before);
  return control;
}

std::shared_ptr<Control> Bar::Find(const ControlQuery& query, bool recursive) const {
  for (const auto& control : Controls()) {
    if (query.Matches(*control)) return control;
    if (recursive && control->subBar()) {
      if (auto found = control->subBar()->Find(query, true)) return found;
    }
  }
  return nullptr;
}

void Bar::CollectMatches(const ControlQuery& query, std::vector<std::shared_ptr<Control>>& found) const {
  for (const auto& control : Controls()) {
    if (query.Matches(*control)) found.push_back(control);
    if (control->subBar()) control->subBar()->CollectMatches(query, found);
  }
}

void Bar::Insert(const std::shared_ptr<Control>& control, int32_t before) {
  FailIfDead();
  const auto controls = Controls();
  const auto count = static_cast<int32_t>(controls.size());
  if (before < 0 || before > count + 1) ThrowInvalidArgument("Invalid procedure call or argument");
  auto place = entries_.end();
  if (before != 0 && before <= count) place = std::find(entries_.begin(), entries_.end(), controls[before - 1]);
  entries_.insert(place, control);
  control->SetParent(shared_from_this());
  if (control->subBar()) control->subBar()->SetPopupOwner(control);
}

void Bar::Detach(const Control& control) {
  std::erase_if(entries_, [&](const auto& entry) { return entry.get() == &control; });
}

void Bar::Kill() {
  dead_ = true;
  for (const auto& entry : entries_) entry->Kill();
  entries_.clear();
}

void Bar::FailIfDead() const {
  if (dead_) ThrowFailed("The command bar has been deleted.");
}

}  // namespace corvane::sim::office
