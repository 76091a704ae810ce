#include "framework/design/TComponent.h"

#include <algorithm>

namespace corvane::framework {

TComponent::TComponent(TComponent* Owner) : owner_(Owner) {
  if (owner_) owner_->InsertComponent(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (owner_) owner_->RemoveComponent(this);
}

TComponent* TComponent::FindComponent(std::string_view Name) const {
  for (TComponent* component : components_) {
    if (component->Name() == Name) return component;
  }
  return nullptr;
}

void TComponent::DestroyComponents() {
  // Each component removes itself from the list as it goes.
  while (!components_.empty()) delete components_.back();
}

void TComponent::InsertComponent(TComponent* component) { components_.push_back(component); }

void TComponent::RemoveComponent(TComponent* component) {
  components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
  ComponentRemoved(component);
}

void TComponent::ComponentRemoved(TComponent* Removed) {
  // Over a copy, skipping any that a component told has freed meanwhile.
  const std::vector<TComponent*> owned = components_;
  for (TComponent* component : owned) {
    if (std::find(components_.begin(), components_.end(), component) != components_.end()) {
      component->ComponentRemoved(Removed);
    }
  }
}

}  // namespace corvane::framework
