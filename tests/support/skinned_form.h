#pragma once
// A test fixture: a shown form wearing the internal skin (manager and
// provider, as the login window has them) with the login window's frame
// (single border, system menu only, 305 x 222 client), for the tests of
// skinned forms and controls.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/application.h"
#include "skin/forms/skin_provider.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/win/skin_manager.h"
#include "tests/support/internal_skin_manager.h"

class SkinnedFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Form = App.CreateForm<TForm>();
    Manager = NewInternalSkinManager(Form);
    Form->GetFont().SetName(L"MS Sans Serif");
    Form->GetFont().SetHeight(-11);
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

  template <typename T>
  T* Place(int Left, int Top, int Width, int Height) {
    auto* control = new T(Form);
    control->SetBounds(Left, Top, Width, Height);
    control->SetParent(Form);
    return control;
  }

  // Runs queued messages the way the application does (dialog keys
  // included) until nothing is left, then paints what is invalid.
  void Pump() {
    for (int round = 0; round < 3; ++round) {
      App.ProcessMessages();
      RedrawWindow(Form->GetHandle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
      Sleep(5);
    }
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

  // True when the two pictures differ somewhere inside rect.
  static bool Differ(const TBitmap32& a, const TBitmap32& b, const TRect& rect) {
    for (int y = rect.Top; y < rect.Bottom; ++y)
      for (int x = rect.Left; x < rect.Right; ++x)
        if ((GetAPixel(a, x, y) & 0xFFFFFF) != (GetAPixel(b, x, y) & 0xFFFFFF)) return true;
    return false;
  }

  TApplication App;
  TForm* Form = nullptr;
  TsSkinManager* Manager = nullptr;
  TsSkinProvider* Provider = nullptr;
  LONG_PTR SavedProc = 0;
};
