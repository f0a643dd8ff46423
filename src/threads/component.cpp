#include "threads/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) : FOwner(AOwner) {
  if (FOwner != nullptr) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
  DestroyComponents();
  if (FOwner != nullptr) FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int Index) const {
  if (Index < 0 || static_cast<std::size_t>(Index) >= FComponents.size()) return nullptr;
  return FComponents[static_cast<std::size_t>(Index)];
}

void TComponent::DestroyComponents() {
  // One at a time from the back: a destructor may free or create further
  // components of this owner, so the list is read afresh on every step.
  while (!FComponents.empty()) {
    TComponent* Last = FComponents.back();
    FComponents.pop_back();
    Last->FOwner = nullptr;
    delete Last;
  }
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto It = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (It != FComponents.end()) FComponents.erase(It);
}
