#pragma once
// A test fixture: the login window's frame (single border, system menu only,
// 305 x 222 client) skinned by the internal skin and shown.
#include <windows.h>
#include <gtest/gtest.h>

#include "framework/application.h"
#include "skin/forms/skin_provider.h"
#include "skin/win/skin_manager.h"
#include "tests/support/internal_skin_manager.h"

class SkinnedFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Form = App.CreateForm<TForm>();
    Manager = NewInternalSkinManager(Form);
    // The login window's frame: single border, system menu only.
    Form->SetBorderStyle(bsSingle);
    Form->SetBorderIcons(biSystemMenu);
    Form->SetCaption(L"蓝鹊商务版登陆");
    Form->SetBounds(100, 100, 0, 0);
    Form->SetClientSize(305, 222);
    SavedProc = GetWindowLongPtrW(Form->GetHandle(), GWLP_WNDPROC);
    Provider = new TsSkinProvider(Form);
    Form->Show();
    UpdateWindow(Form->GetHandle());
  }
  // A point relative to the window's top-left corner, answered by the window.
  LRESULT HitAt(int x, int y) {
    RECT bounds;
    GetWindowRect(Form->GetHandle(), &bounds);
    return SendMessageW(Form->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(bounds.left + x, bounds.top + y));
  }

  // The screen point at the centre of a rectangle given relative to the window.
  LPARAM CentreOf(const TRect& r) {
    RECT bounds;
    GetWindowRect(Form->GetHandle(), &bounds);
    return MAKELPARAM(bounds.left + (r.Left + r.Right) / 2, bounds.top + (r.Top + r.Bottom) / 2);
  }

  TApplication App;
  TForm* Form = nullptr;
  TsSkinManager* Manager = nullptr;
  TsSkinProvider* Provider = nullptr;
  LONG_PTR SavedProc = 0;
};
