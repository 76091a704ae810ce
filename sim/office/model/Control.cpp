#include "sim/office/model/Control.h"

#include "sim/office/model/Bar.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

Control::Control(int32_t type, int32_t id, bool builtIn, bool temporary)
    : type_(type), id_(id), builtIn_(builtIn), temporary_(temporary) {
  if (type_ == Office::msoControlPopup) {
    BarProperties barProps;
    barProps.position = Office::msoBarPopup;
    subBar_ = std::make_shared<Bar>(barProps, Office::msoBarTypePopup, builtIn, temporary);
  }
  if (IsComboType(type_)) props_.width = 100;
}

Control::~Control() = default;

int32_t Control::index() const {
  auto bar = parent();
  return bar ? bar->IndexOf(*this) : 0;
}

bool Control::live() const { return !dead_ && !sessionDeleted_ && parent() != nullptr; }

std::shared_ptr<Bar> Control::topBar() const {
  auto bar = parent();
  while (bar) {
    auto owner = bar->popupOwner();
    if (!owner) break;
    bar = owner->parent();
  }
  return bar;
}

void Control::FailIfDead() const {
  if (!live()) ThrowFailed("The control has been deleted.");
}

void Control::MoveTo(const std::shared_ptr<Bar>& bar, int32_t before) {
  FailIfDead();
  auto self = shared_from_this();
  auto from = parent();
  auto target = bar ? bar : from;
  target->FailIfDead();
  for (auto b = target; b; b = b->popupOwner() ? b->popupOwner()->parent() : nullptr) {
    if (b == subBar_) ThrowInvalidArgument("A popup cannot be moved onto its own menu.");
  }
  // Validate the place before taking the control off its bar, so that a
  // refused move loses nothing. As in Office, Before names a place as the
  // bar stands before the move (Count + 1: the end), so on its own bar a
  // control moved down lands one place before the control it was put
  // before.
  if (before < 0 || before > target->Count() + 1) ThrowInvalidArgument("Invalid procedure call or argument");
  if (target == from && before > index()) --before;
  from->Detach(*this);
  target->Insert(self, before);
  parent_ = target;
}

std::shared_ptr<Control> Control::CopyTo(const std::shared_ptr<Bar>& bar, int32_t before) const {
  FailIfDead();
  auto target = bar ? bar : parent();
  auto copy = std::make_shared<Control>(type_, id_, builtIn_, target->temporary());
  copy->props_ = props_;
  copy->items_ = items_;
  copy->face_ = face_;
  target->Insert(copy, before);
  if (subBar_) {
    for (const auto& child : subBar_->Controls()) child->CopyTo(copy->subBar_, 0);
  }
  return copy;
}

void Control::Delete(bool temporary) {
  FailIfDead();
  if (temporary && !temporary_) {
    sessionDeleted_ = true;
    return;
  }
  auto bar = parent();
  bar->Detach(*this);
  Kill();
}

void Control::Kill() {
  dead_ = true;
  parent_.reset();
  events_.reset();
  if (subBar_) subBar_->Kill();
}

}  // namespace corvane::sim::office
