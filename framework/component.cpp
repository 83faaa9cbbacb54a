#include "framework/component.h"

#include <algorithm>

namespace fw {

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) {
    owner->Insert(this);
  }
}

TComponent::~TComponent() {
  destroying_ = true;
  DestroyComponents();
  if (owner_ != nullptr) {
    owner_->Remove(this);
  }
}

void TComponent::DestroyComponents() {
  // Last added goes first, so a component never outlives what was created before it.
  while (!components_.empty()) {
    TComponent* last = components_.back();
    Remove(last);
    delete last;
  }
}

void TComponent::ComponentInserted(TComponent*) {}
void TComponent::ComponentRemoving(TComponent*) {}

void TComponent::Insert(TComponent* component) {
  component->owner_ = this;
  components_.push_back(component);
  ComponentInserted(component);
}

void TComponent::Remove(TComponent* component) {
  auto it = std::find(components_.begin(), components_.end(), component);
  if (it == components_.end()) {
    return;
  }
  ComponentRemoving(component);
  components_.erase(it);
  component->owner_ = nullptr;
}

}  // namespace fw
