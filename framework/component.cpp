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
  ReleaseLinks();
}

void TComponent::operator delete(TComponent* Component, std::destroying_delete_t) {
  Component->FDestroying = true;
  Component->ReleaseLinks();  // references to it read null from now on
  if (Component->FDispatchDepth > 0) {
    // A handler of this component freed it: it leaves its owner now (so the
    // owner's own end does not free it twice) and goes when the handler returns.
    if (!Component->FFreePending) {
      Component->FFreePending = true;
      if (Component->FOwner) Component->FOwner->RemoveComponent(Component);
    }
    return;
  }
  Component->BeforeDestruction();
  Component->~TComponent();
  ::operator delete(Component);
}

TComponent::TDispatchScope::~TDispatchScope() {
  if (--FComponent->FDispatchDepth == 0 && FComponent->FFreePending) {
    FComponent->FFreePending = false;
    delete FComponent;
  }
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
  // A handler may free siblings: each is called only while it is still here.
  const std::vector<TComponent*> siblings = FComponents;
  for (TComponent* sibling : siblings)
    if (sibling != AComponent && std::find(FComponents.begin(), FComponents.end(), sibling) != FComponents.end())
      sibling->Notification(AComponent, Operation);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
    FFreeNotifies.push_back(AComponent);
  if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
      AComponent->FFreeNotifies.end())
    AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  std::erase(FFreeNotifies, AComponent);
  std::erase(AComponent->FFreeNotifies, this);
}

void TComponent::ReleaseLinks() {
  // Partners hear of the end once each; the list may shrink while they do.
  while (!FFreeNotifies.empty()) {
    TComponent* partner = FFreeNotifies.back();
    FFreeNotifies.pop_back();
    std::erase(partner->FFreeNotifies, this);
    partner->Notification(this, opRemove);
  }
  for (TComponentRefBase* ref : FRefs) ref->FTarget = nullptr;
  FRefs.clear();
}

void TComponentRefBase::Assign(TComponent* Target) {
  if (Target == FTarget) return;
  if (FTarget) std::erase(FTarget->FRefs, this);
  FTarget = Target;
  if (FTarget) FTarget->FRefs.push_back(this);
}
