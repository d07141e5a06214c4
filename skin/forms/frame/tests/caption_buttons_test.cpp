// Caption buttons without a window: the hover fade's alphas, one button
// redrawn over the saved caption background, and what the system menu shows
// for the forms of this program.
#include <gtest/gtest.h>

#include <vector>

#include "skin/forms/frame/caption_fade.h"
#include "skin/forms/frame/frame_cache.h"
#include "skin/forms/frame/tests/frame_test_forms.h"
#include "skin/paint/copies.h"

namespace {

// The alphas a fade shows: the one at its start, then one a tick until it
// polls the cursor or is done (at most 40 ticks).
std::vector<int> Alphas(TacButtonFade& fade, int started) {
  std::vector<int> shown;
  if (started >= 0) shown.push_back(started);
  for (int i = 0; i < 40; ++i) {
    const TacFadeTick tick = fade.Tick();
    if (tick.Kind != ftAlpha) {
      shown.push_back(tick.Kind == ftPoll ? 1000 : tick.Kind == ftDone ? -1 : -2);
      break;
    }
    shown.push_back(tick.Alpha);
  }
  return shown;
}

constexpr int kPoll = 1000, kDone = -1, kIdle = -2;

TEST(CaptionButtonFade, AlphasRiseAndFallByTheStepShare) {
  TacButtonFade hover;
  EXPECT_EQ(Alphas(hover, hover.Start(1, 10)),
            (std::vector<int>{25, 50, 75, 100, 125, 150, 175, 200, 225, 255, kPoll}));
  EXPECT_EQ(hover.Start(1, 10), -1);  // already the target
  EXPECT_EQ(hover.Retarget(0, 10, false), -1);
  EXPECT_EQ(Alphas(hover, -1), (std::vector<int>{250, 225, 200, 175, 150, 125, 100, 75, 50, 25, kDone}));
  EXPECT_EQ(hover.TargetState(), -1);
  EXPECT_FALSE(hover.Running());

  TacButtonFade turned;  // the mouse leaves half-way: out from where it stood, no jump
  EXPECT_EQ(Alphas(turned, turned.Start(1, 10)).size(), 11u);
  TacButtonFade half;
  std::vector<int> in{half.Start(1, 10)};
  for (int i = 0; i < 3; ++i) in.push_back(half.Tick().Alpha);
  EXPECT_EQ(in, (std::vector<int>{25, 50, 75, 100}));
  half.Retarget(0, 10, false);
  EXPECT_EQ(Alphas(half, -1), (std::vector<int>{125, 100, 75, 50, 25, kDone}));

  TacButtonFade pressed;  // one step: shown fully at once, no timer
  EXPECT_EQ(pressed.Start(2, 1), 255);
  EXPECT_FALSE(pressed.Running());
  EXPECT_EQ(Alphas(pressed, -1), (std::vector<int>{kIdle}));
  EXPECT_EQ(pressed.Retarget(1, 10, true), -1);  // back to hot: on from the step it stands at
  EXPECT_EQ(pressed.TargetState(), 1);
  EXPECT_EQ(Alphas(pressed, -1), (std::vector<int>{50, 75, 100, 125, 150, 175, 200, 225, 255, kPoll}));

  TacButtonFade three;  // 255 div 3 = 85
  EXPECT_EQ(Alphas(three, three.Start(1, 3)), (std::vector<int>{85, 170, 255, kPoll}));
  EXPECT_EQ(three.Retarget(2, 1, true), 255);  // pressed during the fade: full at once
  EXPECT_EQ(three.TargetState(), 2);
}

std::vector<TsColor> Pixels(const TBitmap32& bmp) {
  std::vector<TsColor> all;
  for (int y = 0; y < bmp.Height(); ++y) all.insert(all.end(), bmp.Row(y), bmp.Row(y) + bmp.Width());
  return all;
}

// "same", or where two pictures first differ.
std::string Compare(const TBitmap32& a, const TBitmap32& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return "sizes differ";
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Row(y)[x] != b.Row(y)[x]) return "differ at " + std::to_string(x) + "," + std::to_string(y);
  return "same";
}

// A button redrawn on its own leaves the same picture as a whole rebuild in
// that state, whatever state it showed before, and rebuilds nothing.
TEST(CaptionButtonRepaint, OneButtonOverTheSavedBackgroundEqualsAWholeRebuild) {
  const TsSkinModel& skin = InternalSkinModel();
  TBlockRasteriser raster;
  TacFrameForm maximised = MaximisedFrameForm();  // on a narrow screen: the same frame, fewer pixels
  maximised.BorderIcons |= biMaximize | biHelp;
  maximised.Width = 400 + 2 * 4;
  maximised.Height = 120 + 2 * 4;
  maximised.ClientWidth = 400;
  maximised.ClientHeight = 120 - 19;
  TacFrameForm closeOff = LoginFrameForm();
  closeOff.CloseEnabled = false;
  TacFrameForm inactive = LoginFrameForm();
  inactive.Active = false;
  struct {
    const char* Name;
    TacFrameForm Form;
    int Code;
  } const cases[] = {
      {"login close", LoginFrameForm(), kHtClose},    {"max close", maximised, kHtClose},
      {"max restore", maximised, kHtMaxButton},       {"max minimise", maximised, kHtMinButton},
      {"max help", maximised, kHtHelp},               {"close disabled", closeOff, kHtClose},
      {"inactive close", inactive, kHtClose},
  };
  const auto setState = [](TacFrameForm& f, int code, int state) {
    (code == kHtClose ? f.ButtonStates.Close : code == kHtMaxButton ? f.ButtonStates.Max
                      : code == kHtMinButton                        ? f.ButtonStates.Min
                                                                    : f.ButtonStates.Help) = state;
  };
  for (const auto& c : cases) {
    TacFrameCache cache;
    ASSERT_TRUE(cache.PaintAll(skin, c.Form, {}, raster)) << c.Name;
    const int rebuilds = cache.Rebuilds();
    for (const int state : {1, 2, 0, 2, 1, 0}) {
      const TRect changed = cache.RepaintButton(skin, c.Form, c.Code, state);
      EXPECT_FALSE(changed.IsEmpty()) << c.Name;
      TacFrameForm whole = c.Form;
      setState(whole, c.Code, state);
      TacFrameCache expected;
      ASSERT_TRUE(expected.PaintAll(skin, whole, {}, raster));
      EXPECT_EQ(Compare(cache.Bitmap(), expected.Bitmap()), "same") << c.Name << " state " << state;
      // The hover fade's picture of the state: the same pixels, on their own.
      TRect at;
      const TBitmap32 picture = cache.ButtonPicture(skin, c.Form, c.Code, state, at);
      ASSERT_EQ(at, CutToPicture(cache.Layout().Button(c.Code)->Rect, cache.Bitmap())) << c.Name;
      TBitmap32 part(at.Width(), at.Height());
      CopyImage(part, {0, 0}, expected.Bitmap(), at);
      EXPECT_EQ(Compare(picture, part), "same") << c.Name << " state " << state;
    }
    EXPECT_EQ(cache.Rebuilds(), rebuilds) << c.Name;
  }

  TacFrameCache cache;  // a hidden button changes nothing
  ASSERT_TRUE(cache.PaintAll(skin, LoginFrameForm(), {}, raster));
  const std::vector<TsColor> before = Pixels(cache.Bitmap());
  EXPECT_TRUE(cache.RepaintButton(skin, LoginFrameForm(), kHtMinButton, 1).IsEmpty());
  EXPECT_EQ(Pixels(cache.Bitmap()), before);
}

// What the skinned system menu shows (visible) and lets act (enabled).
TEST(SystemMenuState, FollowsBorderStyleIconsAndWindowState) {
  struct Row {
    const char* Name;
    TBorderStyle Style;
    TBorderIcons Icons;
    TWindowState State;
    bool MainForm;
    // restore, move, size, minimise, maximise, close: visible then enabled
    const char* Visible;
    const char* Enabled;
  } const rows[] = {
      {"login", bsSingle, biSystemMenu, wsNormal, true, "RMS--C", "-M---C"},
      {"signed in", bsSingle, biSystemMenu | biMinimize, wsMaximized, true, "RMSN-C", "---N-C"},
      {"sizeable", bsSizeable, biSystemMenu | biMinimize | biMaximize, wsNormal, true, "RMSNXC", "-MSNXC"},
      {"minimised", bsSizeable, biSystemMenu | biMinimize | biMaximize, wsMinimized, true, "RMSNXC", "RM-NXC"},
      {"minimised other", bsSizeable, biSystemMenu | biMinimize, wsMinimized, false, "RMSNXC", "RM---C"},
      {"dialog", bsDialog, biSystemMenu, wsNormal, true, "-M---C", "-MS--C"},
      {"tool window", bsToolWindow, biSystemMenu, wsNormal, true, "-M---C", "-MS--C"},
      {"no system menu", bsSingle, biMinimize, wsNormal, true, "-MS---", "-M-N-C"},
  };
  for (const Row& r : rows) {
    TacFrameForm f = LoginFrameForm();
    f.BorderStyle = r.Style;
    f.BorderIcons = r.Icons;
    f.WindowState = r.State;
    f.MainForm = r.MainForm;
    const TacSysMenuState m = SysMenuState(f);
    const auto flags = [](bool restore, bool move, bool size, bool min, bool max, bool close) {
      return std::string{restore ? 'R' : '-', move ? 'M' : '-', size ? 'S' : '-',
                         min ? 'N' : '-', max ? 'X' : '-', close ? 'C' : '-'};
    };
    EXPECT_EQ(flags(m.VisibleRestore, true, m.VisibleSize, m.VisibleMin, m.VisibleMax, m.VisibleClose), r.Visible)
        << r.Name;
    EXPECT_EQ(flags(m.EnabledRestore, m.EnabledMove, m.EnabledSize, m.EnabledMin, m.EnabledMax, m.EnabledClose),
              r.Enabled)
        << r.Name;
  }
}

}  // namespace
