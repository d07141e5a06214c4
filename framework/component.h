#pragma once
// Components: objects with an owner that owns (and frees) them, a name, a
// tag, and notifications when a sibling is inserted into or removed from
// the owner.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TComponent;

enum TOperation { opInsert, opRemove };

// Handlers in the framework's style: an event is a callable, empty when unset.
using TNotifyEvent = std::function<void(TComponent* Sender)>;

class TComponent {
 public:
  explicit TComponent(TComponent* AOwner);
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  // Frees every owned component (last inserted first), after telling each
  // sibling that it goes.
  virtual ~TComponent();

  TComponent* GetOwner() const { return FOwner; }
  const std::wstring& GetName() const { return FName; }
  void SetName(std::wstring AName) { FName = std::move(AName); }
  std::intptr_t GetTag() const { return FTag; }
  void SetTag(std::intptr_t ATag) { FTag = ATag; }

  int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* GetComponent(int Index) const { return FComponents.at(static_cast<size_t>(Index)); }

  bool IsLoading() const { return FLoading; }
  bool IsDestroying() const { return FDestroying; }
  // Marks the component as going away before its destructor chain reaches
  // this base, so that others stop talking to it at once.
  void Destroying() { FDestroying = true; }

  // A stored layout has been applied: components finish their set-up here.
  virtual void Loaded() { FLoading = false; }
  void BeginLoading() { FLoading = true; }

 protected:
  // AComponent has been inserted into or is being removed from the owner;
  // components holding references to it clear them here.
  virtual void Notification(TComponent* AComponent, TOperation Operation) {}
 private:
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void NotifyAll(TComponent* AComponent, TOperation Operation);

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::wstring FName;
  std::intptr_t FTag = 0;
  bool FLoading = false;
  bool FDestroying = false;
};
