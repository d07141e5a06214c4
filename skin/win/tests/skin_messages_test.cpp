#include "skin/win/skin_messages.h"

#include <gtest/gtest.h>

#include "framework/application.h"
#include "skin/win/tests/skinned_test_controls.h"

namespace {

class SkinMessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Application = &App;
    Form = App.CreateForm<TForm>();
    Form->SetBounds(10, 10, 300, 200);
  }
  void TearDown() override {
    acBroadCastFilter = nullptr;
    Application = nullptr;
  }
  template <typename T>
  T* Add(T* control, TWinControl* parent, int left = 0) {
    control->SetParent(parent);
    control->SetBounds(left, 0, 20, 20);
    return control;
  }
  TApplication App;
  TForm* Form = nullptr;
};

TEST_F(SkinMessagesTest, SendingToWindowsAndControls) {
  auto* container = new TWinControl(Form);  // no parent: no window until asked
  auto* skinned = Add(new TSkinnedPanel(Form, 51), container);
  auto* graphic = Add(new TSkinnedGraphic(Form, 300), container);
  auto* plain = Add(new TRecordingControl(Form), container);

  EXPECT_EQ(SendAMessage(skinned, acmIsHandled), 0);  // no window yet
  container->GetHandle();
  EXPECT_EQ(SendAMessage(skinned, acmIsHandled), 1);
  EXPECT_EQ(SendAMessage(graphic, acmIsHandled), 1);  // direct dispatch
  EXPECT_EQ(SendAMessage(plain, acmIsHandled), 0);     // unskinned: passed on, answers 0
  EXPECT_EQ(plain->Commands, std::vector<int>{acmIsHandled});
  EXPECT_TRUE(GetBoolMsg(skinned->GetHandle(), acmIsHandled));
  EXPECT_FALSE(GetBoolMsg(plain->GetHandle(), acmIsHandled));
  EXPECT_EQ(SendAMessage(static_cast<HWND>(nullptr), acmIsHandled), 0);

  // The raw answer of the control form, the exact 1 of the window form.
  auto* data = reinterpret_cast<TsCommonData*>(GetBoolMsg(skinned, acmGetCommonData));
  EXPECT_EQ(data, &skinned->SkinData);
  EXPECT_FALSE(GetBoolMsg(skinned->GetHandle(), acmGetCommonData));

  skinned->Destroying();
  EXPECT_EQ(SendAMessage(skinned, acmIsHandled), 0);
}

TEST_F(SkinMessagesTest, BroadcastStopsAtAChildBeingDestroyed) {
  auto* first = Add(new TSkinnedGraphic(Form, 300), Form, 0);
  auto* second = Add(new TSkinnedPanel(Form, 51), Form, 30);
  auto* third = Add(new TSkinnedPanel(Form, 51), Form, 60);
  auto* fourth = Add(new TSkinnedPanel(Form, 51), Form, 90);
  Form->GetHandle();
  third->Destroying();
  TMessage message = MakeAcm(acmSetMarked);
  AlphaBroadCast(Form, message);
  EXPECT_EQ(first->Count(acmSetMarked), 1);
  EXPECT_EQ(second->Count(acmSetMarked), 1);
  EXPECT_EQ(third->Count(acmSetMarked), 0);
  EXPECT_EQ(fourth->Count(acmSetMarked), 0);
}

TEST_F(SkinMessagesTest, BroadcastRecursesIntoUnskinnedContainersUnlessFiltered) {
  auto* plain = Add(new TRecordingControl(Form), Form);
  plain->SetBounds(0, 0, 100, 100);
  auto* inner = Add(new TSkinnedPanel(Form, 51), plain);
  auto* skinned = Add(new TSkinnedPanel(Form, 51), Form, 120);
  skinned->SetBounds(120, 0, 100, 100);
  auto* grandchild = Add(new TSkinnedPanel(Form, 51), skinned);
  Form->GetHandle();

  TMessage message = MakeAcm(acmSetMarked);
  AlphaBroadCast(Form, message);
  EXPECT_EQ(plain->Commands, std::vector<int>{acmIsHandled});  // asked, then recursed into
  EXPECT_EQ(inner->Count(acmSetMarked), 1);
  EXPECT_EQ(skinned->Count(acmSetMarked), 1);
  EXPECT_EQ(grandchild->Count(acmSetMarked), 0);  // a skinned child passes it on itself

  acBroadCastFilter = [](TWinControl*) { return true; };
  AlphaBroadCast(Form, message);
  EXPECT_EQ(inner->Count(acmSetMarked), 1);
  EXPECT_EQ(skinned->Count(acmSetMarked), 2);

  AlphaBroadCast(skinned, message);
  EXPECT_EQ(grandchild->Count(acmSetMarked), 1);

  // A windowed child whose window is not made yet gets the message directly.
  auto* detached = new TSkinnedPanel(Form, 51);
  auto* unborn = new TSkinnedPanel(Form, 51);
  unborn->SetParent(detached);
  AlphaBroadCast(detached, message);
  EXPECT_FALSE(unborn->HandleAllocated());
  EXPECT_EQ(unborn->Count(acmSetMarked), 1);
}

TEST_F(SkinMessagesTest, WindowBroadcastWalksChildWindows) {
  auto* plain = Add(new TRecordingControl(Form), Form);
  plain->SetBounds(0, 0, 100, 100);
  auto* inner = Add(new TSkinnedPanel(Form, 51), plain);
  auto* skinned = Add(new TSkinnedPanel(Form, 51), Form, 120);
  auto* grandchild = Add(new TSkinnedPanel(Form, 51), skinned);
  TMessage message = MakeAcm(acmSetMarked);
  AlphaBroadCast(Form->GetHandle(), message);
  EXPECT_EQ(inner->Count(acmSetMarked), 1);
  EXPECT_EQ(skinned->Count(acmSetMarked), 1);
  EXPECT_EQ(grandchild->Count(acmSetMarked), 0);
}

TEST_F(SkinMessagesTest, ApplicationBroadcastReachesFormsButNotLoadingOnes) {
  auto* child = Add(new TSkinnedPanel(Form, 51), Form);
  auto* second = App.CreateForm<TForm>();
  auto* secondChild = Add(new TSkinnedPanel(second, 51), second);
  auto* loading = App.CreateForm<TForm>();
  auto* loadingChild = Add(new TSkinnedPanel(loading, 51), loading);
  loading->BeginLoading();
  Form->GetHandle();
  second->GetHandle();
  loading->GetHandle();

  auto* hooked = new TForm(nullptr);  // skinned through an adapter: in the hooked list
  auto* hookedChild = Add(new TSkinnedPanel(hooked, 51), hooked);
  hooked->GetHandle();
  HookedForms().Add(hooked);

  TMessage message = MakeAcm(acmSetMarked);
  AppBroadCastS(message);
  HookedForms().Remove(hooked);
  EXPECT_EQ(child->Count(acmSetMarked), 1);
  EXPECT_EQ(secondChild->Count(acmSetMarked), 1);
  EXPECT_EQ(loadingChild->Count(acmSetMarked), 0);
  EXPECT_EQ(hookedChild->Count(acmSetMarked), 1);
  delete hooked;
}

}  // namespace
