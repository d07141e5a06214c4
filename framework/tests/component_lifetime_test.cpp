// Lifetimes of components and listeners, portable: run natively under
// AddressSanitizer, any call into freed memory stops the test.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/component.h"
#include "framework/listener_list.h"

namespace {

struct TListener {
  std::vector<int>* Calls;
  int Id;
  std::function<void()> During;
  void Heard() {
    Calls->push_back(Id);
    if (During) During();
  }
};

TEST(ListenerList, LeaversAreNotCalledJoinersWaitForTheNextBroadcast) {
  std::vector<int> calls;
  TListenerList<TListener*> list;
  auto first = std::make_unique<TListener>(TListener{&calls, 1, {}});
  auto second = std::make_unique<TListener>(TListener{&calls, 2, {}});
  auto third = std::make_unique<TListener>(TListener{&calls, 3, {}});
  auto joiner = std::make_unique<TListener>(TListener{&calls, 4, {}});
  list.Add(first.get());
  list.Add(second.get());
  list.Add(third.get());
  first->During = [&] {
    list.Remove(second.get());
    second.reset();  // freed while the broadcast goes on
    list.Add(joiner.get());
    list.Remove(first.get());  // and the caller leaves too
  };
  list.Broadcast([](TListener* l) {
    l->Heard();
    return false;
  });
  EXPECT_EQ(calls, (std::vector<int>{1, 3}));
  calls.clear();
  list.Broadcast([](TListener* l) {
    l->Heard();
    return l->Id == 3;  // stops early
  });
  EXPECT_EQ(calls, (std::vector<int>{3}));
  EXPECT_TRUE(list.Contains(joiner.get()));
  EXPECT_FALSE(list.Contains(first.get()));
}

// What a freed component saw on its way out.
struct TExit {
  int Alive = 0;
  bool WholeInBeforeDestruction = false;
  bool DestroyingInDestructor = false;
};

class TCountedComponent : public TComponent {
 public:
  TCountedComponent(TComponent* AOwner, TExit& Exit) : TComponent(AOwner), FExit(Exit) { ++FExit.Alive; }
  ~TCountedComponent() override {
    FExit.DestroyingInDestructor = IsDestroying();
    --FExit.Alive;
  }
  virtual bool IsCounted() const { return true; }

 protected:
  void BeforeDestruction() override { FExit.WholeInBeforeDestruction = IsCounted(); }

 private:
  TExit& FExit;
};

TEST(ComponentLifetime, FreedInsideItsDispatchItGoesWhenTheOutermostDispatchEnds) {
  TExit exit;
  int& alive = exit.Alive;
  auto* owner = new TComponent(nullptr);
  auto* component = new TCountedComponent(owner, exit);
  TComponentRef<TCountedComponent> ref(component);
  {
    const TComponent::TDispatchScope outer(component);
    {
      const TComponent::TDispatchScope inner(component);
      delete component;  // a handler frees its own component
      EXPECT_EQ(alive, 1);
      EXPECT_TRUE(component->IsDestroying());
      EXPECT_EQ(owner->GetComponentCount(), 0);  // left its owner at once
      EXPECT_EQ(ref.Get(), nullptr);             // references read null at once
      delete component;  // freed again by someone else: still once
    }
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0);
  delete owner;  // does not free it a second time
  EXPECT_EQ(alive, 0);
}

TEST(ComponentLifetime, DestructorsSeeIsDestroyingAndTheWholeObjectIsThereBeforeThem) {
  TExit exit;
  delete new TCountedComponent(nullptr, exit);
  EXPECT_EQ(exit.Alive, 0);
  EXPECT_TRUE(exit.WholeInBeforeDestruction);  // a virtual call still reaches the derived class
  EXPECT_TRUE(exit.DestroyingInDestructor);
}

}  // namespace
