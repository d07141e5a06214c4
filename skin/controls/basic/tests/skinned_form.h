#pragma once
// A shown form wearing the internal skin (manager and provider, as the login
// window has them), for the tests of the skinned controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "base/win_handles.h"
#include "framework/application.h"
#include "skin/forms/skin_provider.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/win/skin_manager.h"
#include "skins/internal_skin.h"

class SkinnedFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App.Initialize();
    Form = App.CreateForm<TForm>();
    Manager = new TsSkinManager(Form);
    Manager->BeginLoading();
    const auto package = InternalSkinPackage();
    Manager->InternalSkins.Add({"Lanque", {package.begin(), package.end()}});
    Manager->SetSkinName("Lanque");
    Manager->Loaded();
    Form->GetFont().SetName(L"MS Sans Serif");
    Form->GetFont().SetHeight(-11);
    Form->SetBounds(100, 100, 0, 0);
    Form->SetClientSize(305, 222);
    Provider = new TsSkinProvider(Form);
    Form->Show();
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

  // The client area of a window as its WM_PRINTCLIENT draws it.
  static TBitmap32 PrintClient(HWND Window) {
    RECT client;
    GetClientRect(Window, &client);
    TBitmap32 picture(client.right, client.bottom);
    const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
    const TSelectObject selected(dc.Get(), BitmapHandle(picture));
    SendMessageW(Window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    return picture;
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
};
