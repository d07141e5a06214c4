// The skinned speed button on a live skinned form, driven by mouse messages
// to the form (the button has no window): its state and picture through
// hover, press and release, clicks, groups, styles, and a hover loop that
// must leave nothing behind.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

#include "skin/controls/buttons/skinned_speed_button.h"
#include "skin/controls/labels/web_label.h"
#include "skin/forms/ctrl_adapter.h"
#include "skin/win/skin_messages.h"
#include "tests/support/leak_probe.h"
#include "tests/support/message_pump.h"
#include "tests/support/print_client.h"
#include "tests/support/skinned_form.h"

namespace {

class SpeedButtonTest : public SkinnedFormTest {
 protected:
  TsSpeedButton* Speed(int Left, const wchar_t* Caption) {
    auto* button = Place<TsSpeedButton>(Left, 20, 60, 25);
    button->SetCaption(Caption);
    button->OnClick = [this, button](TComponent*) { Clicked.push_back(button); };
    return button;
  }
  // Mouse messages as the system sends them to the form's client area.
  void Mouse(UINT Msg, int X, int Y) {
    SendMessageW(Form->GetHandle(), Msg, Msg == WM_LBUTTONDOWN || Msg == WM_MOUSEMOVE ? MK_LBUTTON * Held : 0,
                 MAKELPARAM(X, Y));
    Held = Msg == WM_LBUTTONDOWN ? true : Msg == WM_LBUTTONUP ? false : Held;
  }
  void Click(const TsSpeedButton* Button) {
    const int x = Button->GetLeft() + 10, y = Button->GetTop() + 10;
    Mouse(WM_MOUSEMOVE, x, y);
    Mouse(WM_LBUTTONDOWN, x, y);
    Mouse(WM_LBUTTONUP, x, y);
  }
  void Settle(const TsSpeedButton* Button) {
    EXPECT_TRUE(PumpUntil([Button] { return !Button->Fading(); }, 3000));
    Pump();
  }
  static TBitmap32 Copy(const TBitmap32& From) {
    TBitmap32 copy(From.Width(), From.Height());
    for (int y = 0; y < From.Height(); ++y)
      for (int x = 0; x < From.Width(); ++x) SetAPixel(copy, x, y, GetAPixel(From, x, y));
    return copy;
  }

  std::vector<TsSpeedButton*> Clicked;
  bool Held = false;
};

TEST_F(SpeedButtonTest, StateAndPictureFollowHoverPressReleaseAndEnabled) {
  TsSpeedButton* button = Speed(20, L"Tool");
  Pump();
  ASSERT_TRUE(button->SkinData.Skinned(true));
  EXPECT_EQ(button->SkinData.GetSkinSection(), "SPEEDBUTTON");
  const TBitmap32 normal = Copy(*button->SkinData.CacheBitmap);
  const TRect whole{0, 0, 60, 25};
  // Entering fades from the old picture to the new one.
  Mouse(WM_MOUSEMOVE, 30, 30);
  EXPECT_TRUE(button->Fading());
  Mouse(WM_MOUSEMOVE, 200, 150);
  Settle(button);
  struct Step {
    const char* What;
    std::function<void()> Act;
    int State;
    size_t Clicks;
    bool LooksNormal;
  };
  const Step steps[] = {
      {"away", [&] { Mouse(WM_MOUSEMOVE, 200, 150); }, 0, 0, true},
      {"hovered", [&] { Mouse(WM_MOUSEMOVE, 30, 30); }, 1, 0, false},
      {"pressed", [&] { Mouse(WM_LBUTTONDOWN, 30, 30); }, 2, 0, false},
      // Dragged off while held: up again, and released there no click.
      {"dragged off", [&] { Mouse(WM_MOUSEMOVE, 200, 150); }, 0, 0, true},
      {"released off", [&] { Mouse(WM_LBUTTONUP, 200, 150); }, 0, 0, true},
      {"pressed again", [&] { Mouse(WM_MOUSEMOVE, 30, 30); Mouse(WM_LBUTTONDOWN, 30, 30); }, 2, 0, false},
      {"released over", [&] { Mouse(WM_LBUTTONUP, 30, 30); }, 1, 1, false},
      {"left", [&] { Mouse(WM_MOUSEMOVE, 200, 150); }, 0, 1, true},
      // A disabled button takes no hover and no click.
      {"disabled", [&] { button->SetEnabled(false); Click(button); }, 0, 1, false},
      {"enabled", [&] { button->SetEnabled(true); Mouse(WM_MOUSEMOVE, 200, 150); }, 0, 1, true},
  };
  for (const Step& step : steps) {
    step.Act();
    Settle(button);
    EXPECT_EQ(button->CurrentState(), step.State) << step.What;
    EXPECT_EQ(Clicked.size(), step.Clicks) << step.What;
    EXPECT_FALSE(button->SkinData.CacheIsStale()) << step.What;
    EXPECT_EQ(!Differ(normal, *button->SkinData.CacheBitmap, whole), step.LooksNormal) << step.What;
  }
  // The picture is what the form shows at the button's place.
  const TBitmap32 shown = PrintClient(Form->GetHandle());
  EXPECT_EQ(GetAPixel(shown, 20 + 30, 20 + 12) & 0xFFFFFF, GetAPixel(normal, 30, 12) & 0xFFFFFF);
}

TEST_F(SpeedButtonTest, AGroupKeepsOneButtonDownAndAllowAllUpLetsItUp) {
  TsSpeedButton* a = Speed(10, L"A");
  TsSpeedButton* b = Speed(80, L"B");
  TsSpeedButton* c = Speed(150, L"C");
  TsSpeedButton* loose = Speed(220, L"D");
  for (TsSpeedButton* button : {a, b, c}) button->SetGroupIndex(1);
  Pump();
  struct Step {
    const char* What;
    std::function<void()> Act;
    bool A, B, C;
  };
  const Step steps[] = {
      {"a clicked", [&] { Click(a); }, true, false, false},
      {"b clicked", [&] { Click(b); }, false, true, false},
      {"b clicked again stays down", [&] { Click(b); }, false, true, false},
      {"c set down", [&] { c->SetDown(true); }, false, false, true},
      {"all up allowed, c clicked", [&] { a->SetAllowAllUp(true); Click(c); }, false, false, false},
      {"a clicked", [&] { Click(a); }, true, false, false},
  };
  for (const Step& step : steps) {
    step.Act();
    Settle(a);
    EXPECT_EQ(a->GetDown(), step.A) << step.What;
    EXPECT_EQ(b->GetDown(), step.B) << step.What;
    EXPECT_EQ(c->GetDown(), step.C) << step.What;
    EXPECT_EQ(a->CurrentState() == 2, step.A) << step.What;  // a down button shows pressed
  }
  EXPECT_TRUE(c->GetAllowAllUp());  // shared by the group
  EXPECT_EQ(Clicked.size(), 5u);  // setting Down is no click
  // A button of no group is never down.
  loose->SetDown(true);
  Click(loose);
  EXPECT_FALSE(loose->GetDown());
}

TEST_F(SpeedButtonTest, StylesChangeWidthAndSeparatorsNeverGetHot) {
  TsSpeedButton* button = Speed(10, L"Menu");
  button->SetButtonStyle(tbsDropDown);
  EXPECT_EQ(button->GetWidth(), 76);
  EXPECT_EQ(button->ArrowWidth(), 16);  // a click handler: a split part
  button->SetButtonStyle(tbsCheck);
  EXPECT_EQ(button->GetWidth(), 60);
  button->SetBlend(150);
  EXPECT_EQ(button->GetBlend(), 100);
  button->SetBlend(-5);
  EXPECT_EQ(button->GetBlend(), 0);

  TsSpeedButton* separator = Speed(100, L"");
  separator->SetButtonStyle(tbsSeparator);
  Pump();
  Mouse(WM_MOUSEMOVE, 110, 30);
  Settle(separator);
  EXPECT_EQ(separator->CurrentState(), 0);
  // Only the parent's background: the form's picture under it.
  const TBitmap32 cache = Copy(*separator->SkinData.CacheBitmap);
  Mouse(WM_MOUSEMOVE, 200, 150);
  const TBitmap32 shown = PrintClient(Form->GetHandle());
  for (const TPoint p : {TPoint{2, 2}, TPoint{30, 12}, TPoint{57, 22}})
    EXPECT_EQ(GetAPixel(cache, p.X, p.Y) & 0xFFFFFF, GetAPixel(shown, 100 + p.X, 20 + p.Y) & 0xFFFFFF);
}

TEST_F(SpeedButtonTest, AListedFrameworkSpeedButtonIsSkinnedFromOutsideWhileTheSkinLasts) {
  auto* plain = Place<TSpeedButton>(20, 60, 60, 25);
  plain->SetCaption(L"Std");
  int clicks = 0;
  plain->OnClick = [&clicks](TComponent*) { ++clicks; };
  Manager->SetActive(false);
  Pump();
  const TBitmap32 classic = PrintClient(Form->GetHandle());
  Manager->ThirdParty[tpSpeedButton] = "TSpeedButton";
  Manager->LoadThirdNames(false);
  Manager->SetActive(true);
  Provider->GetAdapter()->AddAllItems();
  Pump();
  ASSERT_TRUE(IsHandledControl(plain));
  const TRect place{20, 60, 80, 85};
  const TBitmap32 skinned = PrintClient(Form->GetHandle());
  EXPECT_TRUE(Differ(classic, skinned, place));
  Mouse(WM_MOUSEMOVE, 40, 70);
  Pump();
  EXPECT_TRUE(Differ(skinned, PrintClient(Form->GetHandle()), place));  // hot
  Mouse(WM_LBUTTONDOWN, 40, 70);
  Mouse(WM_LBUTTONUP, 40, 70);
  EXPECT_EQ(clicks, 1);  // the framework still handles the mouse
  Mouse(WM_MOUSEMOVE, 250, 150);
  Pump();
  EXPECT_FALSE(Differ(skinned, PrintClient(Form->GetHandle()), place));
  // Without the skin the button is given back and paints its classic look.
  Manager->SetActive(false);
  Pump();
  EXPECT_FALSE(IsHandledControl(plain));
  EXPECT_FALSE(Differ(classic, PrintClient(Form->GetHandle()), place));
}

TEST_F(SpeedButtonTest, HoveringButtonsAndLinksLeavesNothingBehind) {
  TsSpeedButton* button = Speed(20, L"Tool");
  auto* link = Place<TsWebLabel>(120, 20, 80, 16);
  link->SetCaption(L"lanque.example");
  Pump();
  const auto hover = [&](int) {
    Mouse(WM_MOUSEMOVE, 30, 30);
    PumpFor(8);
    Mouse(WM_MOUSEMOVE, 130, 25);
    PumpFor(8);
    Mouse(WM_MOUSEMOVE, 250, 150);
    PumpFor(8);
    Settle(button);
  };
  // The first cycles make the pictures, fade timers and fonts.
  EXPECT_EQ(LeakLoopDrift(LeakLoopCycles(15, 150), 150, hover, 5), "");
  EXPECT_FALSE(link->MouseAbove());
  EXPECT_EQ(button->CurrentState(), 0);
}

}  // namespace
