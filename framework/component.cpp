#include "framework/component.h"

#include <algorithm>

TComponent::TComponent(TComponent* AOwner) {
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  FDestroying = true;
  while (!FComponents.empty()) {
    // Deleting the child removes it from FComponents through RemoveComponent.
    delete FComponents.back();
  }
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::InsertComponent(TComponent* AComponent) {
  AComponent->FOwner = this;
  FComponents.push_back(AComponent);
  NotifyAll(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  auto it = std::find(FComponents.begin(), FComponents.end(), AComponent);
  if (it == FComponents.end()) return;
  FComponents.erase(it);
  AComponent->FOwner = nullptr;
  NotifyAll(AComponent, opRemove);
}

void TComponent::NotifyAll(TComponent* AComponent, TOperation Operation) {
  Notification(AComponent, Operation);
  // Copy: a handler may free components.
  const std::vector<TComponent*> siblings = FComponents;
  for (TComponent* sibling : siblings)
    if (sibling != AComponent) sibling->Notification(AComponent, Operation);
}
