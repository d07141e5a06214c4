#include "framework/app_events.h"
#include "framework/application.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/timer.h"

#include <gtest/gtest.h>

namespace {

class FormTest : public ::testing::Test {
 protected:
  void SetUp() override { App.Initialize(); }
  TApplication App;
};

TEST_F(FormTest, CloseQueryDecidesAndClosingTheMainFormEndsTheLoop) {
  auto* form = App.CreateForm<TForm>();
  int asked = 0;
  bool allow = false;
  form->OnCloseQuery = [&](TComponent*, bool& CanClose) {
    ++asked;
    CanClose = allow;
  };
  form->Show();
  SendMessageW(form->GetHandle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(form->GetVisible());
  EXPECT_FALSE(App.IsTerminated());

  allow = true;
  form->Close();
  EXPECT_EQ(asked, 2);
  EXPECT_FALSE(form->GetVisible());
  EXPECT_TRUE(App.IsTerminated());
}

// An installer asks a running copy to make way as the session's end does:
// the main form closes without asking; a cancelled end changes nothing, and
// other forms are left to the main one.
TEST_F(FormTest, TheEndOfTheSessionClosesTheMainFormWithoutAsking) {
  auto* form = App.CreateForm<TForm>();
  auto* other = App.CreateForm<TForm>();
  int asked = 0, closed = 0;
  form->OnCloseQuery = [&](TComponent*, bool& CanClose) {
    ++asked;
    CanClose = false;
  };
  form->OnClose = [&](TComponent*) { ++closed; };
  form->Show();
  other->Show();
  EXPECT_EQ(SendMessageW(form->GetHandle(), WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
  SendMessageW(form->GetHandle(), WM_ENDSESSION, FALSE, ENDSESSION_CLOSEAPP);
  SendMessageW(other->GetHandle(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
  EXPECT_TRUE(form->GetVisible());
  EXPECT_FALSE(App.IsTerminated());

  SendMessageW(form->GetHandle(), WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(form->GetVisible());
  EXPECT_TRUE(App.IsTerminated());
}

TEST_F(FormTest, ClientSizeAndBorderIconsShapeTheWindow) {
  auto* form = App.CreateForm<TForm>();
  form->SetBorderStyle(bsSingle);
  form->SetBorderIcons(biSystemMenu);
  form->SetClientSize(305, 222);
  HWND window = form->GetHandle();
  RECT client;
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, 305);
  EXPECT_EQ(client.bottom, 222);
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  form->SetBorderIcons(biSystemMenu | biMinimize);
  style = GetWindowLongPtrW(window, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
}

TEST_F(FormTest, ChildControlsGetWindowsAndButtonClicksReachTheirHandler) {
  auto* form = App.CreateForm<TForm>();
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(10, 10, 75, 25);
  auto* edit = new TEdit(form);
  edit->SetParent(form);
  edit->SetText(L"蓝鹊");
  int clicks = 0;
  button->OnClick = [&](TComponent* Sender) {
    EXPECT_EQ(Sender, button);
    ++clicks;
  };
  ASSERT_TRUE(button->HandleAllocated());
  EXPECT_EQ(GetParent(button->GetHandle()), form->GetHandle());
  SendMessageW(button->GetHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(clicks, 1);
  SetWindowTextW(edit->GetHandle(), L"12345");
  EXPECT_EQ(edit->GetText(), L"12345");

  delete button;  // a child freed before its form leaves the form whole
  EXPECT_EQ(form->GetControlCount(), 1);
}

TEST_F(FormTest, MinimisingTheMainFormMinimisesTheApplicationOnce) {
  auto* form = App.CreateForm<TForm>();
  auto* events = new TApplicationEvents(form);
  int minimized = 0, restored = 0, hooked = 0;
  events->OnMinimize = [&](TComponent*) { ++minimized; };
  events->OnRestore = [&](TComponent*) { ++restored; };
  const int hook = App.HookMainWindow([&](TMessage& Message) {
    if (Message.Msg == WM_SYSCOMMAND) ++hooked;
    return false;
  });
  form->Show();
  SendMessageW(form->GetHandle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(App.IsMinimized());
  EXPECT_TRUE(IsIconic(form->GetHandle()));
  App.Minimize();  // already minimised: nobody is told again
  EXPECT_EQ(minimized, 1);
  SendMessageW(form->GetHandle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(App.IsMinimized());
  EXPECT_EQ(restored, 1);
  EXPECT_EQ(hooked, 2);
  App.UnhookMainWindow(hook);
}

TEST_F(FormTest, TimerFiresThroughTheMessageLoop) {
  auto* form = App.CreateForm<TForm>();
  auto* timer = new TTimer(form);
  int ticks = 0;
  timer->SetInterval(10);
  timer->OnTimer = [&](TComponent*) {
    if (++ticks == 3) App.Terminate();
  };
  App.Run();
  EXPECT_EQ(ticks, 3);
  timer->SetEnabled(false);
}

}  // namespace
