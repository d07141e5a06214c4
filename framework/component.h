#pragma once
// Components: objects with an owner that owns (and frees) them, a name, a
// tag, and notifications when a sibling is inserted into or removed from
// the owner, or when a component asked to hear of another's end sees it go.
//
// Freeing. `delete` on a component marks it as destroying before any
// destructor runs (so IsDestroying holds in every destructor of the chain),
// lets it take down what needs the whole object (BeforeDestruction: a
// control's window, for one), then destroys it. A component freed while one
// of its own messages is being dispatched leaves its owner at once and is
// destroyed when that dispatch returns.
#include <cstdint>
#include <functional>
#include <new>
#include <string>
#include <vector>

class TComponent;
class TComponentRefBase;

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
  // Components come from the first; `delete` takes the second, and the third
  // gives the memory back when a constructor throws.
  static void* operator new(std::size_t Size) { return ::operator new(Size); }
  void operator delete(TComponent* Component, std::destroying_delete_t);
  static void operator delete(void* Memory) { ::operator delete(Memory); }

  TComponent* GetOwner() const { return FOwner; }
  const std::wstring& GetName() const { return FName; }
  void SetName(std::wstring AName) { FName = std::move(AName); }
  std::intptr_t GetTag() const { return FTag; }
  void SetTag(std::intptr_t ATag) { FTag = ATag; }

  int GetComponentCount() const { return static_cast<int>(FComponents.size()); }
  TComponent* GetComponent(int Index) const { return FComponents.at(static_cast<size_t>(Index)); }

  bool IsLoading() const { return FLoading; }
  bool IsDestroying() const { return FDestroying; }
  // Marks the component as going away ahead of its freeing, so that others
  // stop talking to it at once.
  void Destroying() { FDestroying = true; }

  // A stored layout has been applied: components finish their set-up here.
  virtual void Loaded() { FLoading = false; }
  void BeginLoading() { FLoading = true; }

  // AComponent (of any owner) is told through Notification(this, opRemove)
  // when this component goes, and the other way round.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // While a scope of this kind lives, the component is in the middle of
  // handling one of its messages: freeing it then is put off until the
  // outermost scope ends.
  class TDispatchScope {
   public:
    explicit TDispatchScope(TComponent* Component) : FComponent(Component) { ++Component->FDispatchDepth; }
    TDispatchScope(const TDispatchScope&) = delete;
    TDispatchScope& operator=(const TDispatchScope&) = delete;
    ~TDispatchScope();

   private:
    TComponent* FComponent;
  };

 protected:
  // AComponent has been inserted into or is being removed from the owner
  // (or is a free-notification partner going away); components holding
  // references to it clear them here.
  virtual void Notification(TComponent* AComponent, TOperation Operation) {}
  // Runs on the whole object before the destructors, once freeing is due.
  virtual void BeforeDestruction() {}

 private:
  friend class TComponentRefBase;
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  void NotifyAll(TComponent* AComponent, TOperation Operation);
  void ReleaseLinks();

  TComponent* FOwner = nullptr;
  std::vector<TComponent*> FComponents;
  std::vector<TComponent*> FFreeNotifies;
  std::vector<TComponentRefBase*> FRefs;
  std::wstring FName;
  std::intptr_t FTag = 0;
  int FDispatchDepth = 0;
  bool FFreePending = false;
  bool FLoading = false;
  bool FDestroying = false;
};

// A pointer to a component that becomes null when the component is freed.
class TComponentRefBase {
 public:
  TComponentRefBase() = default;
  TComponentRefBase(const TComponentRefBase& Other) { Assign(Other.FTarget); }
  TComponentRefBase& operator=(const TComponentRefBase& Other) {
    Assign(Other.FTarget);
    return *this;
  }
  ~TComponentRefBase() { Assign(nullptr); }

 protected:
  void Assign(TComponent* Target);
  TComponent* FTarget = nullptr;

 private:
  friend class TComponent;
};

template <typename T>
class TComponentRef : public TComponentRefBase {
 public:
  TComponentRef() = default;
  TComponentRef(T* Target) { Assign(Target); }  // NOLINT: converts like the plain pointer
  TComponentRef& operator=(T* Target) {
    Assign(Target);
    return *this;
  }
  T* Get() const { return static_cast<T*>(FTarget); }
  T* operator->() const { return Get(); }
  explicit operator bool() const { return FTarget != nullptr; }
};
