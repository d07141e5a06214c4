#include "framework/component.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Records the notifications it receives and forgets a referenced component
// when that one goes.
class TWatcher : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* Watched = nullptr;
  std::vector<std::pair<TComponent*, TOperation>> Seen;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    Seen.emplace_back(AComponent, Operation);
    if (Operation == opRemove && AComponent == Watched) Watched = nullptr;
  }
};

class TCounted : public TComponent {
 public:
  TCounted(TComponent* AOwner, int& Alive) : TComponent(AOwner), FAlive(Alive) { ++FAlive; }
  ~TCounted() override { --FAlive; }

 private:
  int& FAlive;
};

TEST(Component, OwnerFreesWhatItOwnsAndSiblingsHearOfInsertAndRemove) {
  int alive = 0;
  auto* owner = new TComponent(nullptr);
  auto* watcher = new TWatcher(owner);
  auto* first = new TCounted(owner, alive);
  auto* second = new TCounted(owner, alive);
  watcher->Watched = second;
  EXPECT_EQ(owner->GetComponentCount(), 3);
  EXPECT_EQ(first->GetOwner(), owner);
  ASSERT_EQ(watcher->Seen.size(), 2u);
  EXPECT_EQ(watcher->Seen[0], std::make_pair(static_cast<TComponent*>(first), opInsert));

  delete second;  // freed early: the watcher drops its reference
  EXPECT_EQ(watcher->Watched, nullptr);
  EXPECT_EQ(owner->GetComponentCount(), 2);
  EXPECT_EQ(alive, 1);

  delete owner;
  EXPECT_EQ(alive, 0);
}

}  // namespace
