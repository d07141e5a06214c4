// The one subclass path and the lifetimes of controls while their messages
// are being dispatched. Run with WINEDEBUG=warn+heap to have Wine's heap
// checks report any call into freed memory.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/app_events.h"
#include "framework/application.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/window_subclass.h"

namespace {

// A subclasser of another library: the system's subclass family, counting
// what reaches it.
struct TForeignSubclass {
  int Messages = 0;
  int NCDestroys = 0;
  static LRESULT CALLBACK Proc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id, DWORD_PTR Data) {
    auto* self = reinterpret_cast<TForeignSubclass*>(Data);
    ++self->Messages;
    if (Msg == WM_NCDESTROY) {
      ++self->NCDestroys;
      RemoveWindowSubclass(Window, Proc, Id);
    }
    return DefSubclassProc(Window, Msg, WParam, LParam);
  }
  void Attach(HWND Window) { SetWindowSubclass(Window, Proc, 7, reinterpret_cast<DWORD_PTR>(this)); }
  void Detach(HWND Window) { RemoveWindowSubclass(Window, Proc, 7); }
};

// A subclasser of the old kind, which swaps the window procedure itself.
struct TClassicSubclass {
  static inline WNDPROC Saved = nullptr;
  static inline int Messages = 0;
  static LRESULT CALLBACK Proc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    ++Messages;
    return CallWindowProcW(Saved, Window, Msg, WParam, LParam);
  }
};

HWND MakeStatic() {
  return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

TEST(WindowSubclass, OthersAboveAndBelowKeepWorkingWhicheverLeavesFirst) {
  for (bool oursFirst : {true, false}) {
    HWND window = MakeStatic();
    TForeignSubclass below, above;
    below.Attach(window);
    int ours = 0;
    std::unique_ptr<TWindowSubclass> subclass;
    subclass = std::make_unique<TWindowSubclass>([&](TMessage& Message) {
      ++ours;
      subclass->CallDefault(Message);
    });
    ASSERT_TRUE(subclass->Attach(window));
    // A second foreign one on top, under an id of its own.
    SetWindowSubclass(window, TForeignSubclass::Proc, 8, reinterpret_cast<DWORD_PTR>(&above));

    SendMessageW(window, WM_USER, 0, 0);
    EXPECT_EQ(ours, 1);
    EXPECT_EQ(below.Messages, 1);
    if (oursFirst) {
      subclass.reset();  // freed while attached: it leaves the chain first
      below.Detach(window);
    } else {
      below.Detach(window);
      subclass.reset();
    }
    SendMessageW(window, WM_USER, 0, 0);
    EXPECT_EQ(ours, 1) << "called after it was freed";
    EXPECT_EQ(below.Messages, 1);
    EXPECT_EQ(above.Messages, 2);  // still there, still working
    DestroyWindow(window);
    EXPECT_EQ(above.NCDestroys, 1);
  }
}

TEST(WindowSubclass, EveryHookOfTheChainSeesTheFinalMessage) {
  HWND window = MakeStatic();
  TForeignSubclass below;
  below.Attach(window);
  int ourNCDestroys = 0;
  TWindowSubclass subclass([&](TMessage& Message) {
    if (Message.Msg == WM_NCDESTROY) ++ourNCDestroys;  // does not pass it on: the chain does anyway
    else subclass.CallDefault(Message);
  });
  ASSERT_TRUE(subclass.Attach(window));
  // A classic subclasser above everything.
  TClassicSubclass::Saved = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TClassicSubclass::Proc)));
  DestroyWindow(window);
  EXPECT_EQ(ourNCDestroys, 1);
  EXPECT_EQ(below.NCDestroys, 1);
  EXPECT_FALSE(subclass.Attached());
  EXPECT_GT(TClassicSubclass::Messages, 0);
}

class LifetimeTest : public ::testing::Test {
 protected:
  void SetUp() override { App.Initialize(); }
  TApplication App;
};

// A control whose handler for one message does something drastic to itself.
class TSelfHarming : public TWinControl {
 public:
  using TWinControl::TWinControl;
  std::function<void()> OnUser;
  int* Alive = nullptr;
  bool SawDestroyingInDestructor = false;
  ~TSelfHarming() override {
    SawDestroyingInDestructor = IsDestroying();
    if (Alive) *Alive = SawDestroyingInDestructor ? 1 : -1;
  }

 protected:
  void Dispatch(TMessage& Message) override {
    if (Message.Msg == WM_USER && OnUser) {
      OnUser();
      Message.Result = 5;
      return;
    }
    TWinControl::Dispatch(Message);
  }
};

TEST_F(LifetimeTest, AHandlerMayDestroyItsWindowOrFreeItsOwnControl) {
  auto* form = App.CreateForm<TForm>();
  auto* control = new TSelfHarming(form);
  control->SetParent(form);
  HWND window = control->GetHandle();
  control->OnUser = [&] { DestroyWindow(window); };
  SendMessageW(window, WM_USER, 0, 0);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(control->HandleAllocated());
  EXPECT_EQ(TWinControl::FromHandle(window), nullptr);
  EXPECT_NE(control->GetHandle(), nullptr);  // made again on demand

  int destroyed = 0;  // 1: freed and IsDestroying held in the derived destructor
  control->Alive = &destroyed;
  window = control->GetHandle();
  control->OnUser = [&] {
    delete control;
    EXPECT_EQ(destroyed, 0) << "freed in the middle of its own handler";
    EXPECT_EQ(form->GetComponentCount(), 0);  // but gone from its owner at once
  };
  EXPECT_EQ(SendMessageW(window, WM_USER, 0, 0), 5);
  EXPECT_EQ(destroyed, 1);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(form->GetControlCount(), 0);
}

TEST_F(LifetimeTest, AListenerRemovedDuringABroadcastIsNotCalledAfterwards) {
  auto* form = App.CreateForm<TForm>();
  std::vector<int> calls;
  TApplicationEvents* second = nullptr;
  auto* first = new TApplicationEvents(form);
  second = new TApplicationEvents(form);
  auto* third = new TApplicationEvents(form);
  first->OnMinimize = [&](TComponent*) {
    calls.push_back(1);
    delete second;  // freed by an earlier listener of the same broadcast
    new TApplicationEvents(form);  // added during it: heard from the next one on
  };
  second->OnMinimize = [&](TComponent*) { calls.push_back(2); };
  third->OnMinimize = [&](TComponent*) { calls.push_back(3); };
  form->Show();
  App.Minimize();
  EXPECT_EQ(calls, (std::vector<int>{1, 3}));

  int hookCalls = 0;
  int hook = 0;
  hook = App.HookMainWindow([&](TMessage&) {
    ++hookCalls;
    App.UnhookMainWindow(hook);  // unhooks itself inside its own call
    return false;
  });
  SendMessageW(form->GetHandle(), WM_USER, 0, 0);
  SendMessageW(form->GetHandle(), WM_USER, 0, 0);
  EXPECT_EQ(hookCalls, 1);
  App.Restore();
}

// A component that keeps a pointer to another of a different owner.
class TPartner : public TComponent {
 public:
  using TComponent::TComponent;
  TComponent* Other = nullptr;
  TComponentRef<TComponent> Ref;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    if (Operation == opRemove && AComponent == Other) Other = nullptr;
  }
};

TEST_F(LifetimeTest, FreeNotificationsAndReferencesReachAcrossOwners) {
  auto* ownerA = new TComponent(nullptr);
  auto* ownerB = new TComponent(nullptr);
  auto* partner = new TPartner(ownerA);
  auto* target = new TComponent(ownerB);
  partner->Other = target;
  partner->Ref = target;
  target->FreeNotification(partner);
  delete ownerB;
  EXPECT_EQ(partner->Other, nullptr);
  EXPECT_EQ(partner->Ref.Get(), nullptr);
  delete ownerA;
}

TEST_F(LifetimeTest, ChildrenAreKnownToTheirParentFromTheirFirstNotice) {
  // A form that records, for each child's WM_PARENTNOTIFY, whether the child's
  // control could already be found from its window.
  struct TRecordingForm : TForm {
    using TForm::TForm;
    std::vector<std::pair<HWND, TWinControl*>> Created;
    void Dispatch(TMessage& Message) override {
      if (Message.Msg == WM_PARENTNOTIFY) {
        const TWMParentNotify notice(Message);
        if (notice.Event == WM_CREATE) Created.emplace_back(notice.Child, TWinControl::FromHandle(notice.Child));
      }
      TForm::Dispatch(Message);
    }
  };
  auto* form = new TRecordingForm(&App);
  form->GetHandle();
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(10, 40, 75, 25);
  ASSERT_EQ(form->Created.size(), 2u);
  EXPECT_EQ(form->Created[0], std::make_pair(edit->GetHandle(), static_cast<TWinControl*>(edit)));
  EXPECT_EQ(form->Created[1], std::make_pair(button->GetHandle(), static_cast<TWinControl*>(button)));

  // Reparenting moves the window itself.
  auto* other = new TForm(&App);
  HWND buttonWindow = button->GetHandle();
  button->SetParent(other);
  EXPECT_EQ(button->GetHandle(), buttonWindow);
  EXPECT_EQ(GetParent(buttonWindow), other->GetHandle());
  EXPECT_EQ(form->GetControlCount(), 1);
  EXPECT_EQ(other->GetControlCount(), 1);
  int clicks = 0;
  button->OnClick = [&](TComponent*) { ++clicks; };
  SendMessageW(buttonWindow, BM_CLICK, 0, 0);  // the notification reaches the new parent, then the button
  EXPECT_EQ(clicks, 1);
}

}  // namespace
