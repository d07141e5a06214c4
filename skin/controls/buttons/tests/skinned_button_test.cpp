// The skinned push buttons on a live skinned form: the state shown and its
// frame, hover, press and release in the cache, clicks by mouse and keys,
// the disabled and the classic looks, what repainting costs the form, and
// a long hover loop that must leave nothing behind.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "framework/application.h"
#include "framework/edit.h"
#include "skin/controls/buttons/skinned_bit_btn.h"
#include "skin/controls/buttons/skinned_button.h"
#include "skin/forms/skin_provider.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/paint/items/glow_picture.h"
#include "skin/paint/gdi_win.h"
#include "skin/win/glow_effects.h"
#include "skin/win/skin_manager.h"
#include "tests/support/leak_probe.h"
#include "tests/support/message_pump.h"
#include "tests/support/print_client.h"
#include "tests/support/internal_skin_manager.h"

namespace {

class SkinnedButtonTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // The glows show here too, though Wine composes nothing.
    GlowSwitches().IgnoreComposition = true;
    App.Initialize();
    Form = App.CreateForm<TForm>();
    Manager = NewInternalSkinManager(Form);
    Form->SetBorderStyle(bsSingle);
    Form->SetBorderIcons(biSystemMenu);
    Form->SetBounds(100, 100, 0, 0);
    Form->SetClientSize(305, 222);
    Provider = new TsSkinProvider(Form);
    // The login window's sign-in button.
    Button = new TsBitBtn(Form);
    Button->SetParent(Form);
    Button->SetBounds(224, 192, 75, 25);
    Button->SetSkinSection("BUTTON");
    Button->SetCaption(L"登陆");
    Button->SetTabOrder(1);
    Button->OnClick = [this](TComponent*) { ++Clicks; };
    Other = new TsButton(Form);
    Other->SetParent(Form);
    Other->SetBounds(10, 192, 75, 25);
    Other->SetCaption(L"Other");
    Other->OnClick = [this](TComponent*) { ++OtherClicks; };
    Edit = new TEdit(Form);
    Edit->SetParent(Form);
    Edit->SetBounds(10, 10, 120, 21);
    Form->Show();
    SetForegroundWindow(Form->GetHandle());
    UpdateWindow(Form->GetHandle());
    PumpFor(20);
  }
  HWND Handle() { return Button->GetHandle(); }
  void WaitForFade() {
    EXPECT_TRUE(PumpUntil([this] { return !Button->Skin().Fading(); }, 3000));
    UpdateWindow(Handle());
  }
  TBitmap32 CacheCopy() {
    const TBitmap32& cache = *Button->SkinData.CacheBitmap;
    TBitmap32 copy(cache.Width(), cache.Height());
    for (int y = 0; y < cache.Height(); ++y)
      for (int x = 0; x < cache.Width(); ++x) SetAPixel(copy, x, y, GetAPixel(cache, x, y));
    return copy;
  }
  void Send(UINT msg, WPARAM w = 0, LPARAM l = 0) { SendMessageW(Handle(), msg, w, l); }

  TApplication App;
  TForm* Form = nullptr;
  TsSkinManager* Manager = nullptr;
  TsSkinProvider* Provider = nullptr;
  TsBitBtn* Button = nullptr;
  TsButton* Other = nullptr;
  TEdit* Edit = nullptr;
  int Clicks = 0;
  int OtherClicks = 0;
};

bool Same(const TBitmap32& a, const TBitmap32& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (GetAPixel(a, x, y) != GetAPixel(b, x, y)) return false;
  return true;
}

// The box of the pixels where two pictures differ, as left, top, right, bottom.
TRect DiffBox(const TBitmap32& a, const TBitmap32& b) {
  TRect box{a.Width(), a.Height(), 0, 0};
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (GetAPixel(a, x, y) != GetAPixel(b, x, y)) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

// The thread's top-level windows, all of them or only the visible glows.
std::vector<HWND> ThreadWindows(bool VisibleGlowsOnly) {
  struct TFound {
    bool Glows;
    std::vector<HWND> Windows;
  } found{VisibleGlowsOnly, {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) {
        auto& f = *reinterpret_cast<TFound*>(param);
        wchar_t name[32]{};
        GetClassNameW(window, name, 32);
        if (!f.Glows || (IsWindowVisible(window) && std::wstring(name) == L"LanqueGlow")) f.Windows.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.Windows;
}

}  // namespace

TEST_F(SkinnedButtonTest, StateAndFrameFollowFocusHoverPressAndDefault) {
  ASSERT_TRUE(Button->Skin().Skinned());
  const int states = Button->SkinData.Section()->States;
  // Other controls that may hold the focus: bit 0x8 set in styles that are no owner-drawn button.
  HWND radio = CreateWindowExW(0, L"BUTTON", L"r", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON, 140, 10, 40, 20,
                               Form->GetHandle(), nullptr, nullptr, nullptr);
  HWND upper = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_UPPERCASE, 190, 10, 40, 20,
                               Form->GetHandle(), nullptr, nullptr, nullptr);
  HWND check = CreateWindowExW(0, L"BUTTON", L"c", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 240, 10, 40, 20,
                               Form->GetHandle(), nullptr, nullptr, nullptr);
  struct Case {
    const char* Name;
    std::function<void()> Arrange;
    int State;
  };
  const Case cases[] = {
      {"plain", [&] { ::SetFocus(Edit->GetHandle()); }, kBtnNormal},
      {"default, focus in an edit", [&] { Button->SetDefault(true); }, kBtnDefault},
      {"default, focus on another skinned button", [&] { Other->SetFocus(); }, kBtnNormal},
      {"default, focus on a radio button", [&] { ::SetFocus(radio); }, kBtnDefault},
      {"default, focus in an upper-case edit", [&] { ::SetFocus(upper); }, kBtnDefault},
      {"default, focus on a check box", [&] { ::SetFocus(check); }, kBtnDefault},
      {"default and focused", [&] { Button->SetFocus(); }, kBtnHot},
      {"hovered", [&] { ::SetFocus(Edit->GetHandle()); Button->SetDefault(false); Send(CM_MOUSEENTER); }, kBtnHot},
      {"pushed by the native button", [&] { Send(BM_SETSTATE, TRUE); }, kBtnPressed},
      {"released, mouse gone", [&] { Send(BM_SETSTATE, FALSE); Send(CM_MOUSELEAVE); }, kBtnNormal},
      {"down", [&] { Button->SetDown(true); }, kBtnPressed},
  };
  for (const Case& c : cases) {
    c.Arrange();
    WaitForFade();
    EXPECT_EQ(Button->CurrentState(), c.State) << c.Name;
    EXPECT_EQ(ButtonFrameIndex(Button->CurrentState(), states), c.State == kBtnDefault && states < 4 ? 1 : c.State)
        << c.Name;
  }
  DestroyWindow(radio);
  DestroyWindow(upper);
  DestroyWindow(check);
}

TEST_F(SkinnedButtonTest, HoverPressAndReleaseRepaintTheCacheAndClickOnce) {
  Button->SetShowFocus(false);  // the press focuses the button: only the caption moves
  ::SetFocus(Edit->GetHandle());
  UpdateWindow(Handle());
  const TBitmap32 normal = CacheCopy();
  Send(CM_MOUSEENTER);
  EXPECT_TRUE(Button->Skin().Fading());
  WaitForFade();
  const TBitmap32 hot = CacheCopy();
  // The caption's ink: where the picture differs from the one without caption.
  const auto ink = [&] {
    Button->SetShowCaption(false);
    UpdateWindow(Handle());
    const TBitmap32 bare = CacheCopy();
    Button->SetShowCaption(true);
    UpdateWindow(Handle());
    return DiffBox(bare, CacheCopy());
  };
  const TRect hotInk = ink();
  Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 12));
  WaitForFade();
  EXPECT_EQ(Button->CurrentState(), kBtnPressed);
  const TBitmap32 pressed = CacheCopy();
  const TRect pressedInk = ink();
  Send(WM_LBUTTONUP, 0, MAKELPARAM(30, 12));
  WaitForFade();
  EXPECT_EQ(Clicks, 1);
  EXPECT_EQ(Button->CurrentState(), kBtnHot);  // focused by the press, the mouse still over it

  EXPECT_FALSE(Same(normal, hot));
  EXPECT_FALSE(Same(hot, pressed));
  ASSERT_FALSE(hotInk.IsEmpty());
  EXPECT_EQ(pressedInk, (TRect{hotInk.Left + 1, hotInk.Top + 1, hotInk.Right + 1, hotInk.Bottom + 1}));
  // What the window shows is the cache.
  TBitmap32 shown(75, 25);
  {
    const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
    const TSelectObject selected(dc.Get(), BitmapHandle(shown));
    SendMessageW(Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
  }
  GdiFlush();
  EXPECT_EQ(GetAPixel(shown, 37, 12) & 0xFFFFFF, GetAPixel(*Button->SkinData.CacheBitmap, 37, 12) & 0xFFFFFF);
}

TEST_F(SkinnedButtonTest, SpaceClicksTheFocusedButtonEnterTheFocusedOrTheDefaultOne) {
  Button->SetDefault(true);
  // Keys go through the application's loop (dialog keys included); between
  // them a step message moves the focus and records the clicks so far.
  struct Step {
    std::function<void()> Before;
    HWND Target;
    UINT Key;
  };
  const std::vector<Step> steps = {
      {[&] { Button->SetFocus(); }, Handle(), VK_SPACE},
      {[&] { ::SetFocus(Edit->GetHandle()); }, Edit->GetHandle(), VK_RETURN},  // the default button
      {[&] { Other->SetFocus(); }, Other->GetHandle(), VK_RETURN},             // the focused one
      {[&] { Button->SetEnabled(false); ::SetFocus(Edit->GetHandle()); }, Edit->GetHandle(), VK_RETURN},
  };
  std::vector<std::pair<int, int>> counts;
  int pushedDuringSpace = -1;
  App.OnMessage = [&](MSG& Msg, bool& Handled) {
    if (Msg.message == WM_KEYUP && Msg.wParam == VK_SPACE) pushedDuringSpace = Button->CurrentState();
    if (Msg.hwnd != Form->GetHandle() || Msg.message < WM_APP) return;
    Handled = true;
    const size_t i = Msg.message - WM_APP;
    counts.emplace_back(Clicks, OtherClicks);
    if (i == steps.size()) return App.Terminate();
    steps[i].Before();
    PostMessageW(steps[i].Target, WM_KEYDOWN, steps[i].Key, 1);
    if (steps[i].Key == VK_SPACE) PostMessageW(steps[i].Target, WM_KEYUP, steps[i].Key, 0xC0000001);
    PostMessageW(Form->GetHandle(), WM_APP + static_cast<UINT>(i) + 1, 0, 0);
  };
  PostMessageW(Form->GetHandle(), WM_APP, 0, 0);
  App.Run();
  App.OnMessage = nullptr;
  EXPECT_EQ(pushedDuringSpace, kBtnPressed);
  EXPECT_EQ(counts, (std::vector<std::pair<int, int>>{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 1}}));
  EXPECT_EQ(Button->GetText(), L"登陆");  // the window text is the caption
}

TEST_F(SkinnedButtonTest, DisabledLookNeverAnimates) {
  ::SetFocus(Edit->GetHandle());
  UpdateWindow(Handle());
  const TBitmap32 enabled = CacheCopy();
  Button->SetEnabled(false);
  UpdateWindow(Handle());
  const TBitmap32 disabled = CacheCopy();
  EXPECT_FALSE(Same(enabled, disabled));
  Send(CM_MOUSEENTER);
  EXPECT_FALSE(Button->Skin().Fading());
  UpdateWindow(Handle());
  EXPECT_TRUE(Same(disabled, CacheCopy()));
}

TEST_F(SkinnedButtonTest, UnskinnedTheButtonDrawsTheClassicLook) {
  Manager->SetActive(false);
  PumpFor(20);
  ASSERT_FALSE(Button->Skin().Skinned());
  const auto print = [&] { return PrintClient(Handle()); };
  const auto rgb = [](TsColor p) { return static_cast<COLORREF>(SwapRedBlue(p) & 0xFFFFFF); };
  ::SetFocus(Edit->GetHandle());
  const auto light = [](COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c); };
  const TBitmap32 plain = print();
  // A raised edge around the face: light at the top left, dark at the bottom right.
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  EXPECT_EQ(rgb(GetAPixel(plain, 4, 12)), face);
  EXPECT_GT(light(rgb(GetAPixel(plain, 0, 0))), light(face));
  EXPECT_LT(light(rgb(GetAPixel(plain, 74, 24))), light(face));
  bool text = false;  // some pixel in the button text colour
  for (int y = 0; y < plain.Height(); ++y)
    for (int x = 0; x < plain.Width(); ++x) text |= rgb(GetAPixel(plain, x, y)) == GetSysColor(COLOR_BTNTEXT);
  EXPECT_TRUE(text);
  Button->SetDefault(true);  // the active default: a frame in the window-frame colour
  EXPECT_EQ(rgb(GetAPixel(print(), 0, 0)), GetSysColor(COLOR_WINDOWFRAME));
}

TEST_F(SkinnedButtonTest, RepaintingAButtonNeverRebuildsTheFormsPicture) {
  ::SetFocus(Edit->GetHandle());
  UpdateWindow(Handle());
  const int formBuilds = Provider->GetCache().Rebuilds();
  const int buttonBuilds = TacButtonSkin::CacheBuilds();
  for (int i = 0; i < 20; ++i) {
    InvalidateRect(Handle(), nullptr, TRUE);
    UpdateWindow(Handle());
  }
  EXPECT_EQ(TacButtonSkin::CacheBuilds(), buttonBuilds);  // a copy of the cache only
  for (int i = 0; i < 20; ++i) Button->SkinData.Invalidate(true);
  EXPECT_EQ(TacButtonSkin::CacheBuilds(), buttonBuilds + 20);
  EXPECT_EQ(Provider->GetCache().Rebuilds(), formBuilds);
}

TEST_F(SkinnedButtonTest, HoversLeaveHandlesAndMemoryFlat) {
  ::SetFocus(Edit->GetHandle());
  // A hundred hovers a cycle, the last fade waited out.
  const auto hover = [&](int) {
    for (int i = 0; i < 100; ++i) {
      Send(CM_MOUSEENTER);
      Send(CM_MOUSELEAVE);
    }
    WaitForFade();
  };
  hover(0);
  const size_t windows = ThreadWindows(false).size();
  EXPECT_EQ(LeakLoopDrift(LeakLoopCycles(5, 100), 100, hover, 0), "");
  EXPECT_EQ(ThreadWindows(false).size(), windows);  // every hover glowed, in the same window
}

TEST_F(SkinnedButtonTest, AHotButtonGlowsInOneClickThroughWindowAroundItUntilLeftPressedOrDisabled) {
  ::SetFocus(Edit->GetHandle());
  const TsGeneralData& section = Manager->Model.gd[static_cast<size_t>(Button->SkinData.SkinIndex)];
  ASSERT_GT(section.Glow, 0);
  const int image = Manager->Model.GetMaskIndex("BUTTON", "GLOW0");
  ASSERT_GE(image, 0);
  RECT bounds{};
  GetWindowRect(Handle(), &bounds);
  const TacGlowPlacement expected =
      GlowPlacement({bounds.left, bounds.top, bounds.right, bounds.bottom}, {0, 0, 75, 25},
                    ImageMargins(Manager->Model.ma[static_cast<size_t>(image)]), section.GlowMargin);
  const auto glowRect = [&] {
    const std::vector<HWND> glows = ThreadWindows(true);
    EXPECT_EQ(glows.size(), 1u);
    RECT r{};
    if (!glows.empty()) GetWindowRect(glows.front(), &r);
    return TRect{r.left, r.top, r.right, r.bottom};
  };
  struct Step {
    const char* what;
    std::function<void()> act;
    bool glows;
  };
  const Step steps[] = {
      {"not hovered", [] {}, false},
      {"hovered", [&] { Send(CM_MOUSEENTER); }, true},
      {"hovered again", [&] { Send(CM_MOUSEENTER); }, true},
      {"pressed", [&] { Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 12)); }, false},
      {"released", [&] { Send(WM_LBUTTONUP, 0, MAKELPARAM(30, 12)); }, false},
      {"left", [&] { Send(CM_MOUSELEAVE); }, false},
      {"hovered after the click", [&] { Send(CM_MOUSEENTER); }, true},
      {"disabled", [&] { Button->SetEnabled(false); }, false},
      {"enabled and hovered", [&] { Button->SetEnabled(true); Send(CM_MOUSEENTER); }, true},
      {"moved", [&] { Button->SetBounds(220, 192, 75, 25); }, false},
  };
  for (const Step& step : steps) {
    step.act();
    WaitForFade();
    SCOPED_TRACE(step.what);
    if (!step.glows) {
      EXPECT_TRUE(ThreadWindows(true).empty());
      continue;
    }
    EXPECT_EQ(glowRect(), expected.Window);
    // A click on the glow beside the button reaches the form below it.
    const POINT beside{expected.Window.Left + 2, (expected.Window.Top + expected.Window.Bottom) / 2};
    EXPECT_EQ(WindowFromPoint(beside), Form->GetHandle());
  }
  // On a desktop that composes nothing, partial alpha would show opaque: no glow.
  if (!CompositionEnabled()) {
    Send(CM_MOUSELEAVE);
    GlowSwitches().IgnoreComposition = false;
    Send(CM_MOUSEENTER);
    WaitForFade();
    EXPECT_TRUE(ThreadWindows(true).empty());
    GlowSwitches().IgnoreComposition = true;
  }
  // The same without glowing allowed.
  Send(CM_MOUSELEAVE);
  Manager->Effects.AllowGlowing = false;
  Send(CM_MOUSEENTER);
  WaitForFade();
  EXPECT_TRUE(ThreadWindows(true).empty());
}
