// Painting through the kept back buffer, the one timer window, and a long
// run of forms with every framework control that must leave no handle and
// no memory behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/application.h"
#include "framework/button.h"
#include "framework/edit.h"
#include "framework/form.h"
#include "framework/image.h"
#include "framework/image_list.h"
#include "framework/label.h"
#include "framework/menus.h"
#include "framework/timer.h"
#include "framework/timer_service.h"
#include "tests/support/leak_probe.h"

namespace {

class PaintTest : public ::testing::Test {
 protected:
  void SetUp() override { App.Initialize(); }
  TApplication App;
};

// A skin that paints the background as a gradient, so that the pixels of
// different roads to the picture can be told apart.
class TGradientSkin : public TSkinHooks {
 public:
  bool PaintBackground(TWinControl&, HDC DC, const RECT& Client) override {
    for (int y = Client.top; y < Client.bottom; ++y) {
      const RECT line{Client.left, y, Client.right, y + 1};
      SetBkColor(DC, RGB(y % 256, 40, 255 - y % 256));
      ExtTextOutW(DC, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
    }
    return true;
  }
};

// The client pixels a message paints into a 32-bit bitmap.
std::vector<DWORD> Painted(HWND Window, UINT Msg, WPARAM Flags = 0) {
  RECT client;
  GetClientRect(Window, &client);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), client.right, -client.bottom, 1, 32, BI_RGB};
  void* bits = nullptr;
  const TOwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  {
    const TSelectObject selected(dc.Get(), bitmap.Get());
    SendMessageW(Window, Msg, reinterpret_cast<WPARAM>(dc.Get()), static_cast<LPARAM>(Flags));
    GdiFlush();
  }
  const auto* pixels = static_cast<const DWORD*>(bits);
  std::vector<DWORD> out(pixels, pixels + client.right * client.bottom);
  for (DWORD& p : out) p &= 0xFFFFFF;
  return out;
}

TEST_F(PaintTest, PrintClientAndPrintGiveThePixelsOfPaint) {
  auto* form = App.CreateForm<TForm>();
  form->SetBounds(0, 0, 200, 150);
  TGradientSkin skin;
  form->SetSkinHooks(&skin);
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetBounds(10, 10, 120, 20);
  label->SetCaption(L"蓝鹊 Lanque");
  form->Show();
  const std::vector<DWORD> painted = Painted(form->GetHandle(), WM_PAINT);
  ASSERT_FALSE(painted.empty());
  EXPECT_NE(painted.front(), painted.back());  // the gradient, not one colour
  EXPECT_EQ(Painted(form->GetHandle(), WM_PRINTCLIENT, PRF_CLIENT), painted);
  EXPECT_EQ(Painted(form->GetHandle(), WM_PRINT, PRF_CLIENT), painted);
  form->SetSkinHooks(nullptr);
}

TEST_F(PaintTest, RepaintsAtOneSizeKeepOneBackBuffer) {
  auto* form = App.CreateForm<TForm>();
  form->SetBounds(0, 0, 200, 150);
  form->Show();
  UpdateWindow(form->GetHandle());
  const int made = TWinControl::BackBuffersMade();
  for (int i = 0; i < 1000; ++i) {
    InvalidateRect(form->GetHandle(), nullptr, FALSE);
    UpdateWindow(form->GetHandle());
  }
  EXPECT_LE(TWinControl::BackBuffersMade() - made, 1);  // none, or one if the first paint came now
  const int beforeResize = TWinControl::BackBuffersMade();
  form->SetBounds(0, 0, 260, 150);
  UpdateWindow(form->GetHandle());
  EXPECT_EQ(TWinControl::BackBuffersMade(), beforeResize + 1);
}

// Top-level and message-only windows of this thread.
int ThreadWindows() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), [](HWND, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&count));
  for (HWND w = nullptr; (w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) != nullptr;)
    if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId()) ++count;
  return count;
}

TEST_F(PaintTest, AHundredTimersShareOneHiddenWindow) {
  auto* form = App.CreateForm<TForm>();
  new TTimer(form);  // the thread's timer window exists from the first timer on
  const int windows = ThreadWindows();
  std::vector<int> ticks(100);
  for (int i = 0; i < 100; ++i) {
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    timer->OnTimer = [&, i, timer](TComponent*) {
      ++ticks[static_cast<size_t>(i)];
      timer->SetEnabled(false);
      if (std::all_of(ticks.begin(), ticks.end(), [](int t) { return t > 0; })) App.Terminate();
    };
  }
  EXPECT_EQ(ThreadWindows(), windows);
  App.Run();
  EXPECT_EQ(std::count(ticks.begin(), ticks.end(), 1), 100);  // each ticked, once
  EXPECT_EQ(TTimerService::Instance().RunningCount(), 1);     // the first, still enabled
}

TEST_F(PaintTest, FormsWithEveryControlComeAndGoWithoutLeaving) {
  std::vector<std::uint32_t> picture(16 * 16, 0x336699);
  auto makeAndFree = [&] {
    auto* form = App.CreateForm<TForm>();
    form->SetBounds(0, 0, 300, 200);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption(L"标签");
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetPasswordChar(L'*');
    auto* button = new TButton(form);
    button->SetParent(form);
    auto* check = new TCheckBox(form);
    check->SetParent(form);
    check->SetChecked(true);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetPicture(16, 16, picture.data());
    auto* timer = new TTimer(form);
    timer->SetInterval(5000);
    auto* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    menu->GetItems().Add(item);
    auto* images = new TImageList(form);
    images->AddIcon(App.GetIcon().GetHandle());
    label->GetFont().SetHeight(-14);  // a font of its own
    form->GetBackgroundBrush();
    form->Show();
    UpdateWindow(form->GetHandle());
    delete form;
  };
  EXPECT_EQ(LeakLoopDrift(LeakLoopCycles(100, 1000), 1000, [&](int) { makeAndFree(); }), "");
}

}  // namespace
