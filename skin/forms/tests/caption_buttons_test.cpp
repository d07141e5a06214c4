// The caption buttons and the system menu of a skinned form: which buttons
// and glyphs show, pressing and releasing, the hover fade above a button, a
// close that frees the form from its own handler, a disabled close, the
// system menu's items and where it opens, and a long hover run.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/paint/gdi_win.h"
#include "tests/support/skinned_form.h"
#include "skin/paint/win/animations.h"
#include "skin/win/glow_effects.h"
#include "tests/support/leak_probe.h"

namespace {

using CaptionButtonsTest = SkinnedFormTest;

// The popups of system menus as opened: where, and which items show.
struct TMenuSeen {
  int Calls = 0;
  int X = 0, Y = 0;
  HWND Owner = nullptr;
  std::vector<std::wstring> Items;  // names, "-" for separators, in order
  std::vector<bool> Enabled;
  std::wstring Choose;  // the item to click, if any
  std::wstring CloseShortCut;
  bool TabInCaption = false;
};
TMenuSeen gSeen;

void RecordPopup(TsSystemMenu& Menu, HWND Owner, int X, int Y) {
  ++gSeen.Calls;
  gSeen.X = X;
  gSeen.Y = Y;
  gSeen.Owner = Owner;
  gSeen.Items.clear();
  gSeen.Enabled.clear();
  TMenuItem& root = Menu.GetItems();
  TMenuItem* chosen = nullptr;
  for (int i = 0; i < root.GetCount(); ++i) {
    TMenuItem* item = root.GetItem(i);
    gSeen.Items.push_back(item->GetCaption() == L"-" ? L"-" : item->GetName());
    gSeen.Enabled.push_back(item->GetEnabled());
    gSeen.TabInCaption |= item->GetCaption().find(L'\t') != std::wstring::npos;
    if (item->GetName() == L"acIC") gSeen.CloseShortCut = item->GetShortCutText();
    if (!gSeen.Choose.empty() && item->GetName() == gSeen.Choose) chosen = item;
  }
  if (chosen) chosen->Click();
}

// Watches the popups for the length of a test.
struct TMenuWatch {
  TSysMenuPopup Saved;
  TMenuWatch() : Saved(SetSysMenuPopup(RecordPopup)) { gSeen = {}; }
  ~TMenuWatch() { SetSysMenuPopup(Saved); }
};

TEST_F(CaptionButtonsTest, ButtonsAndGlyphsFollowBorderIconsAndWindowState) {
  const auto glyph = [&](const char* name) { return Manager->Model.GetMaskIndex("GLOBALINFO", name); };
  const int space = Manager->Model.SkinData.BISpace;
  TMenuWatch watch;
  struct {
    const char* Name;
    TBorderIcons Icons;
    TWindowState State;
    const char* CloseGlyph;
    bool Min, Help;
  } const rows[] = {
      {"login window", biSystemMenu, wsNormal, "BICLOSEALONE", false, false},
      {"signed in", biSystemMenu | biMinimize, wsMaximized, "BICONCLOSE", true, false},
      {"with help", biSystemMenu | biMinimize | biHelp, wsMaximized, "BICONCLOSE", true, true},
  };
  HWND window = Form->GetHandle();
  for (const auto& row : rows) {
    // Changed as the signed-in window changes them: the provider follows.
    Form->SetBorderIcons(row.Icons);
    Form->SetWindowState(row.State);
    EXPECT_FALSE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU) << row.Name << ": the system would draw buttons";
    ASSERT_TRUE(Provider->PrepareCache());
    const TacCaptionLayout& l = Provider->GetCache().Layout();
    EXPECT_EQ(l.ButtonClose.ImageIndex, glyph(row.CloseGlyph)) << row.Name;
    EXPECT_GE(l.ButtonClose.ImageIndex, 0) << row.Name;
    EXPECT_FALSE(l.ButtonMax.Visible()) << row.Name;
    ASSERT_EQ(l.ButtonMin.Visible(), row.Min) << row.Name;
    ASSERT_EQ(l.ButtonHelp.Visible(), row.Help) << row.Name;
    if (row.Min) {
      EXPECT_EQ(l.ButtonMin.ImageIndex, glyph("BICONMIN")) << row.Name;
      EXPECT_EQ(l.ButtonMin.Rect.Right, l.ButtonClose.Rect.Left - space) << row.Name;
      EXPECT_EQ(HitAt((l.ButtonMin.Rect.Left + l.ButtonMin.Rect.Right) / 2, l.CaptionVCenter), HTMINBUTTON);
    }
    if (row.Help) {
      EXPECT_EQ(l.ButtonHelp.Rect.Right, l.ButtonMin.Rect.Left - space - 6) << row.Name;
    }
    // The system menu follows too.
    SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    const bool minItem = std::find(gSeen.Items.begin(), gSeen.Items.end(), L"acIN") != gSeen.Items.end();
    EXPECT_EQ(minItem, row.Min) << row.Name;
  }
}

// Drives one message of the mouse at the close button (or the caption).
struct TMouseStep {
  const char* What;
  UINT Msg;
  int Code;
  // Afterwards: the close button's state, the hot code, the pressed flag and
  // the close requests so far.
  int State, Hot;
  bool Pressed;
  int Closes;
};

TEST_F(CaptionButtonsTest, OnlyTheButtonPressedActsAndOnlyWhenReleasedOverIt) {
  HWND window = Form->GetHandle();
  int closes = 0;
  Form->OnCloseQuery = [&](TComponent*, bool& CanClose) {
    ++closes;
    CanClose = false;  // the form stays for the next steps
  };
  ASSERT_TRUE(Provider->PrepareCache());
  const TacCaptionLayout& layout = Provider->GetCache().Layout();
  const LPARAM onClose = CentreOf(layout.ButtonClose.Rect);
  const LPARAM onCaption = CentreOf({100, 2, 110, 12});
  const TMouseStep steps[] = {
      {"hover", WM_NCMOUSEMOVE, HTCLOSE, 1, HTCLOSE, false, 0},
      {"press", WM_NCLBUTTONDOWN, HTCLOSE, 2, HTCLOSE, true, 0},
      {"move off", WM_NCMOUSEMOVE, HTCAPTION, 0, 0, true, 0},
      {"release off", WM_NCLBUTTONUP, HTCAPTION, 0, 0, false, 0},
      {"hover again", WM_NCMOUSEMOVE, HTCLOSE, 1, HTCLOSE, false, 0},
      {"press again", WM_NCLBUTTONDOWN, HTCLOSE, 2, HTCLOSE, true, 0},
      {"move off", WM_NCMOUSEMOVE, HTCAPTION, 0, 0, true, 0},
      {"move back", WM_NCMOUSEMOVE, HTCLOSE, 2, HTCLOSE, true, 0},
      {"release over it", WM_NCLBUTTONUP, HTCLOSE, 0, 0, false, 1},
      {"release unpressed", WM_NCLBUTTONUP, HTCLOSE, 0, 0, false, 1},
      {"hover", WM_NCMOUSEMOVE, HTCLOSE, 1, HTCLOSE, false, 1},
      {"press", WM_NCLBUTTONDOWN, HTCLOSE, 2, HTCLOSE, true, 1},
      {"leave the window", WM_NCMOUSELEAVE, 0, 0, -1, false, 1},
      {"release after leaving", WM_NCLBUTTONUP, HTCLOSE, 0, -1, false, 1},
  };
  for (const bool faded : {false, true}) {
    Manager->Effects.AllowGlowing = faded;
    closes = 0;
    ASSERT_TRUE(Provider->PrepareCache());
    const int rebuilds = Provider->GetCache().Rebuilds();
    bool closed = false;
    for (const TMouseStep& s : steps) {
      SendMessageW(window, s.Msg, static_cast<WPARAM>(s.Code), s.Code == HTCLOSE ? onClose : onCaption);
      const std::string what = std::string(faded ? "faded: " : "drawn: ") + s.What;
      EXPECT_EQ(Provider->GetButtonState(HTCLOSE), s.State) << what;
      EXPECT_EQ(Provider->GetHotCode(), s.Hot) << what;
      EXPECT_EQ(TsSkinProvider::ButtonPressed, s.Pressed) << what;
      EXPECT_EQ(closes, s.Closes) << what;
      closed = closed || closes > 0;
      // How the state shows: faded in above the button, or drawn into the picture.
      const TacSBAnimation* fade = Provider->GetButtonAnimation(HTCLOSE);
      const int drawn = Provider->GetCache().Layout().ButtonClose.State;
      if (faded && s.State > 0) {
        ASSERT_NE(fade, nullptr) << what;
        EXPECT_EQ(fade->Fade().TargetState(), s.State) << what;
        EXPECT_EQ(drawn, 0) << what;
      } else if (!faded) {
        EXPECT_EQ(fade, nullptr) << what;
        EXPECT_EQ(drawn, s.State) << what;
      }
      // Changing a button's look never paints the whole frame again.
      if (!closed) {
        EXPECT_EQ(Provider->GetCache().Rebuilds(), rebuilds) << what;
      }
    }
    EXPECT_TRUE(IsWindowVisible(window));
  }
}

TEST_F(CaptionButtonsTest, TheHoverFadeRisesAboveTheButtonAndFallsWhenTheMouseLeaves) {
  Manager->Effects.AllowGlowing = true;
  HWND window = Form->GetHandle();
  SetForegroundWindow(window);
  ASSERT_TRUE(Provider->PrepareCache());
  const TRect close = Provider->GetCache().Layout().ButtonClose.Rect;
  const LPARAM onClose = CentreOf(close);
  SetCursorPos(static_cast<short>(LOWORD(onClose)), static_cast<short>(HIWORD(onClose)));
  SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, onClose);
  TacSBAnimation* fade = Provider->GetButtonAnimation(HTCLOSE);
  ASSERT_NE(fade, nullptr);
  HWND popup = fade->Window();
  ASSERT_TRUE(IsWindow(popup));
  EXPECT_TRUE(IsWindowVisible(popup));
  const LONG_PTR ex = GetWindowLongPtrW(popup, GWL_EXSTYLE);
  for (const LONG_PTR bit : std::initializer_list<LONG_PTR>{WS_EX_LAYERED, WS_EX_TRANSPARENT, WS_EX_NOACTIVATE,
                                                            WS_EX_TOOLWINDOW})
    EXPECT_TRUE(ex & bit) << std::hex << bit;
  EXPECT_EQ(GetWindow(popup, GW_OWNER), window);
  EXPECT_EQ(GetActiveWindow(), window) << "the fade window is never activated";
  RECT at, bounds;
  GetWindowRect(popup, &at);
  GetWindowRect(window, &bounds);
  // Over the button, cut to the window (the button reaches above its top).
  EXPECT_EQ(at.left, bounds.left + close.Left);
  EXPECT_EQ(at.top, bounds.top + std::max(close.Top, 0));
  EXPECT_EQ(at.right, bounds.left + close.Right);
  EXPECT_EQ(at.bottom, bounds.top + close.Bottom);

  std::vector<int> alphas{fade->ShownAlpha()};
  for (int i = 0; i < 9; ++i) {
    fade->Tick();
    alphas.push_back(fade->ShownAlpha());
  }
  EXPECT_EQ(alphas, (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 255}));
  fade->Tick();  // fully shown: the cursor is still over the button
  EXPECT_EQ(Provider->GetHotCode(), HTCLOSE);
  EXPECT_EQ(Provider->GetButtonAnimation(HTCLOSE), fade);

  SetCursorPos(bounds.left + 100, bounds.top + 100);
  fade->Tick();  // the cursor has gone: the button is left and fades out
  EXPECT_EQ(Provider->GetHotCode(), -1);
  EXPECT_EQ(Provider->GetButtonState(HTCLOSE), 0);
  alphas.clear();
  for (int i = 0; i < 20 && Provider->GetButtonAnimation(HTCLOSE); ++i) {
    fade->Tick();
    if (Provider->GetButtonAnimation(HTCLOSE)) alphas.push_back(fade->ShownAlpha());
  }
  EXPECT_EQ(alphas, (std::vector<int>{250, 225, 200, 175, 150, 125, 100, 75, 50, 25}));
  EXPECT_EQ(Provider->GetButtonAnimation(HTCLOSE), nullptr);
  EXPECT_FALSE(IsWindow(popup));
  EXPECT_EQ(Provider->GetCache().Layout().ButtonClose.State, 0);
}

TEST_F(CaptionButtonsTest, AHotCaptionButtonGlowsInItsOwnColourUntilTheMouseLeaves) {
  struct TGlowSwitch {
    ~TGlowSwitch() { GlowSwitches() = {}; }
  } restore;
  HWND window = Form->GetHandle();
  const LPARAM onCaption = CentreOf({100, 2, 110, 12});
  struct {
    TBorderIcons Icons;
    int Code;
    const char* Image;
  } const rows[] = {
      {biSystemMenu, HTCLOSE, "BICLOSEALONEGLOW0"},              // the login window: red
      {biSystemMenu | biMinimize, HTMINBUTTON, "BICONMINGLOW0"},  // the signed-in window: blue
      {biSystemMenu | biMinimize, HTHELP, nullptr},               // no glow for help (and no button)
  };
  for (const auto& row : rows) {
    Form->SetBorderIcons(row.Icons);
    ASSERT_TRUE(Provider->PrepareCache());
    const TsCaptionButton* button = Provider->GetCache().Layout().Button(row.Code);
    ASSERT_NE(button, nullptr);
    const LPARAM onButton = CentreOf(button->Rect);
    // No composed desktop (as under Wine): partial alpha would show opaque, so no glow.
    GlowSwitches().IgnoreComposition = false;
    if (!CompositionEnabled()) {
      SendMessageW(window, WM_NCMOUSEMOVE, row.Code, onButton);
      EXPECT_EQ(Provider->GetButtonGlow(row.Code), nullptr) << row.Code;
      SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onCaption);
    }
    GlowSwitches().IgnoreComposition = true;
    SendMessageW(window, WM_NCMOUSEMOVE, row.Code, onButton);
    HWND glow = Provider->GetButtonGlow(row.Code);
    if (!row.Image) {
      EXPECT_EQ(glow, nullptr);
      continue;
    }
    ASSERT_NE(glow, nullptr) << row.Image;
    EXPECT_TRUE(IsWindowVisible(glow));
    EXPECT_TRUE(GetWindowLongPtrW(glow, GWL_EXSTYLE) & WS_EX_TRANSPARENT) << "clicks pass through";
    // Around the button: the image's slices less the margin under the button on every side.
    const TsMaskData& image =
        Manager->Model.ma[static_cast<size_t>(Manager->Model.GetMaskIndex("GLOBALINFO", row.Image))];
    const int reach = image.MarginLeft - Manager->Model.SkinData.BIConCloseGlowMargin;
    ASSERT_GT(reach, 0);
    RECT at, bounds;
    GetWindowRect(glow, &at);
    GetWindowRect(window, &bounds);
    EXPECT_EQ(at.left, bounds.left + button->Rect.Left - reach);
    EXPECT_EQ(at.right, bounds.left + button->Rect.Right + reach);
    EXPECT_EQ(at.bottom, bounds.top + button->Rect.Bottom + reach);
    // Hot again: the same window, no second one.
    SendMessageW(window, WM_NCMOUSEMOVE, row.Code, onButton);
    EXPECT_EQ(Provider->GetButtonGlow(row.Code), glow);
    // Left for the caption: gone.
    SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onCaption);
    EXPECT_EQ(Provider->GetButtonGlow(row.Code), nullptr);
    EXPECT_FALSE(IsWindowVisible(glow));
    // Pressed: no glow either.
    SendMessageW(window, WM_NCMOUSEMOVE, row.Code, onButton);
    SendMessageW(window, WM_NCLBUTTONDOWN, row.Code, onButton);
    EXPECT_EQ(Provider->GetButtonGlow(row.Code), nullptr);
    SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onCaption);
    SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, onCaption);
  }
}

// A close whose handlers free the form, the provider, or only the window:
// the release handler touches none of them afterwards.
TEST_F(CaptionButtonsTest, ACloseThatFreesTheFormFromItsOwnHandler) {
  enum TEnd { endFreeForm, endFreeProvider, endDestroyWindow };
  for (const TEnd end : {endFreeForm, endFreeProvider, endDestroyWindow}) {
    for (const bool faded : {false, true}) {
      Manager->Effects.AllowGlowing = faded;
      auto* form = App.CreateForm<TForm>();
      form->SetBorderStyle(bsSingle);
      form->SetBorderIcons(biSystemMenu);
      form->SetBounds(200, 150, 320, 250);
      auto* provider = new TsSkinProvider(form);
      form->Show();
      HWND window = form->GetHandle();
      const TComponentRef<TForm> formAlive(form);
      const TComponentRef<TsSkinProvider> providerAlive(provider);
      if (end == endFreeForm) form->OnClose = [form](TComponent*) { delete form; };
      if (end == endFreeProvider) form->OnClose = [provider](TComponent*) { delete provider; };
      if (end == endDestroyWindow)
        form->OnCloseQuery = [window](TComponent*, bool& CanClose) {
          DestroyWindow(window);
          CanClose = false;
        };
      ASSERT_TRUE(provider->PrepareCache());
      const LPARAM onClose = [&] {
        const TRect r = provider->GetCache().Layout().ButtonClose.Rect;
        RECT bounds;
        GetWindowRect(window, &bounds);
        return MAKELPARAM(bounds.left + (r.Left + r.Right) / 2, bounds.top + (r.Top + r.Bottom) / 2);
      }();
      SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, onClose);
      SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, onClose);
      SendMessageW(window, WM_NCLBUTTONUP, HTCLOSE, onClose);
      const std::string what = std::to_string(end) + (faded ? " faded" : " drawn");
      EXPECT_FALSE(TsSkinProvider::ButtonPressed) << what;
      switch (end) {
        case endFreeForm:
          EXPECT_FALSE(formAlive) << what;
          EXPECT_FALSE(providerAlive) << what;
          EXPECT_FALSE(IsWindow(window)) << what;
          break;
        case endFreeProvider:
          ASSERT_TRUE(formAlive) << what;
          EXPECT_FALSE(providerAlive) << what;
          EXPECT_EQ(form->GetSkinHooks(), nullptr) << what;
          EXPECT_TRUE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU) << what << ": the form's own frame again";
          delete form;
          break;
        case endDestroyWindow:
          ASSERT_TRUE(formAlive) << what;
          EXPECT_TRUE(providerAlive) << what;
          EXPECT_FALSE(IsWindow(window)) << what;
          EXPECT_FALSE(form->HandleAllocated()) << what << ": no new window made after the old one went";
          delete form;
          break;
      }
    }
  }
  EXPECT_EQ(acAnimCount, 0);
}

TEST_F(CaptionButtonsTest, ADisabledCloseCommandDrawsDisabledAndIgnoresClicks) {
  HWND window = Form->GetHandle();
  int closes = 0;
  Form->OnCloseQuery = [&](TComponent*, bool& CanClose) {
    ++closes;
    CanClose = false;
  };
  ASSERT_TRUE(Provider->PrepareCache());
  const TRect close = Provider->GetCache().Layout().ButtonClose.Rect;
  const auto closePixels = [&] {
    std::vector<TsColor> pixels;
    const TBitmap32& bmp = Provider->GetCache().Bitmap();
    for (int y = std::max(close.Top, 0); y < close.Bottom; ++y)
      pixels.insert(pixels.end(), bmp.Row(y) + close.Left, bmp.Row(y) + close.Right);
    return pixels;
  };
  const std::vector<TsColor> enabled = closePixels();
  const LPARAM onClose = CentreOf(close);
  const POINT middle{(close.Left + close.Right) / 2, (close.Top + close.Bottom) / 2};

  EnableMenuItem(::GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);  // any repaint of the frame shows it
  Provider->MarkChanged();
  ASSERT_TRUE(Provider->PrepareCache());
  const std::vector<TsColor> disabled = closePixels();
  EXPECT_NE(disabled, enabled);
  EXPECT_EQ(HitAt(middle.x, middle.y), HTCAPTION);
  for (const bool faded : {false, true}) {
    Manager->Effects.AllowGlowing = faded;
    // Even a press aimed at it straight is not taken.
    SendMessageW(window, WM_NCLBUTTONDOWN, HTCLOSE, onClose);
    EXPECT_EQ(Provider->GetButtonState(HTCLOSE), 0);
    EXPECT_FALSE(TsSkinProvider::ButtonPressed);
    SendMessageW(window, WM_NCLBUTTONUP, HTCLOSE, onClose);
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(Provider->GetButtonAnimation(HTCLOSE), nullptr);
    EXPECT_EQ(closePixels(), disabled);
  }
  Provider->GetSystemMenu()->UpdateItems();
  EXPECT_FALSE(Provider->GetSystemMenu()->ItemClose->GetEnabled());

  EnableMenuItem(::GetSystemMenu(window, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_ENABLED);
  Provider->MarkChanged();
  ASSERT_TRUE(Provider->PrepareCache());
  EXPECT_EQ(closePixels(), enabled);
  EXPECT_EQ(HitAt(middle.x, middle.y), HTCLOSE);
}

TEST_F(CaptionButtonsTest, TheSystemMenuOpensBelowTheIconWithTheLoginWindowsItems) {
  TMenuWatch watch;
  HWND window = Form->GetHandle();
  int closes = 0;
  Form->OnCloseQuery = [&](TComponent*, bool& CanClose) {
    ++closes;
    CanClose = false;
  };
  ASSERT_TRUE(Provider->PrepareCache());
  const TacCaptionLayout& l = Provider->GetCache().Layout();
  RECT bounds;
  GetWindowRect(window, &bounds);
  const int frame = l.Geometry.SysBorderWidth, icon = l.IconRect.Height();
  ASSERT_EQ(icon, 16);

  SendMessageW(window, WM_NCLBUTTONDOWN, HTSYSMENU, CentreOf(l.IconRect));
  ASSERT_EQ(gSeen.Calls, 1);
  EXPECT_EQ(gSeen.Owner, window);
  EXPECT_EQ(gSeen.X, bounds.left + frame);
  EXPECT_EQ(gSeen.Y, bounds.top + frame + icon + frame);
  // Restore and size show but cannot act; minimise and maximise are not there.
  EXPECT_EQ(gSeen.Items, (std::vector<std::wstring>{L"acIR", L"acIM", L"acIS", L"-", L"acIC"}));
  EXPECT_EQ(gSeen.Enabled, (std::vector<bool>{false, true, false, true, true}));
  // The system's "Close<tab>Alt+F4": the shortcut is shown apart, right-aligned.
  EXPECT_FALSE(gSeen.TabInCaption);
  EXPECT_EQ(gSeen.CloseShortCut, L"Alt+F4");

  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');  // Alt+Space
  EXPECT_EQ(gSeen.Calls, 2);
  EXPECT_EQ(gSeen.X, bounds.left + frame);
  EXPECT_EQ(gSeen.Y, bounds.top + frame + icon);

  SendMessageW(window, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(bounds.left + 120, bounds.top + 9));
  EXPECT_EQ(gSeen.Calls, 3);
  EXPECT_EQ(gSeen.X, bounds.left + 120);
  EXPECT_EQ(gSeen.Y, bounds.top + 9);

  gSeen.Choose = L"acIC";  // the close item asks the form to close
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  EXPECT_EQ(closes, 1);
  gSeen.Choose.clear();

  ShowWindow(window, SW_MINIMIZE);
  GetWindowRect(window, &bounds);
  SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, ' ');
  EXPECT_EQ(gSeen.Y, bounds.top + frame + icon - 16) << "16 pixels higher when minimised";
  EXPECT_EQ(gSeen.Enabled.front(), true) << "a minimised window can be restored";
}

// Every tenth hover fades in above the button (a layered window made and
// freed each time), the others draw the button into the picture.
TEST_F(CaptionButtonsTest, HoveringTheCloseButtonLeavesNothingBehind) {
  HWND window = Form->GetHandle();
  ASSERT_TRUE(Provider->PrepareCache());
  const LPARAM onClose = CentreOf(Provider->GetCache().Layout().ButtonClose.Rect);
  const LPARAM onCaption = CentreOf({100, 2, 110, 12});
  int fades = 0, hot = 0;
  const auto hover = [&](int i) {
    Manager->Effects.AllowGlowing = i % 10 == 0;
    SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, onClose);
    hot += Provider->GetButtonState(HTCLOSE) == 1;
    fades += Provider->GetButtonAnimation(HTCLOSE) != nullptr;
    SendMessageW(window, WM_NCMOUSEMOVE, HTCAPTION, onCaption);
    for (int tick = 0; tick < 30; ++tick)
      if (TacSBAnimation* fade = Provider->GetButtonAnimation(HTCLOSE)) fade->Tick();
  };
  for (int i = 0; i < 20; ++i) hover(i);
  const int rebuilds = Provider->GetCache().Rebuilds();
  fades = hot = 0;
  const int cycles = LeakLoopCycles(1000, 10000);
  const std::string drift = LeakLoopDrift(cycles, 10000, hover, 0);
  EXPECT_EQ(hot, cycles);
  EXPECT_EQ(fades, cycles / 10);
  EXPECT_EQ(Provider->GetButtonAnimation(HTCLOSE), nullptr);
  EXPECT_EQ(drift, "");
  EXPECT_EQ(Provider->GetCache().Rebuilds(), rebuilds);
  EXPECT_EQ(acAnimCount, 0);
}

}  // namespace
