#include <gtest/gtest.h>

#include <vector>

#include "skin/forms/animation/anim_frame.h"
#include "skin/forms/animation/form_animation.h"

namespace {

std::vector<int> Alphas(const std::vector<TacAnimFrame>& frames) {
  std::vector<int> alphas;
  for (const TacAnimFrame& f : frames) alphas.push_back(f.Alpha);
  return alphas;
}

}  // namespace

TEST(FormAnimation, StepsAreTwelveMillisecondsAndNoneBelow) {
  const struct {
    int Time, Steps;
  } cases[] = {{0, 0}, {-24, 0}, {11, 0}, {12, 1}, {23, 1}, {24, 2}, {120, 10}, {1000, 83}};
  for (const auto& c : cases) {
    EXPECT_EQ(FormAnimSteps(c.Time), c.Steps) << c.Time;
    EXPECT_EQ(ShowAnimFrames(800, 600, c.Time, 255, 1).size(), c.Steps ? c.Steps + 1u : 0u) << c.Time;
    EXPECT_EQ(HideAnimFrames(800, 600, c.Time, 255, 1).size(), c.Steps ? c.Steps + 1u : 0u) << c.Time;
    // Without a step the cover starts at the full alpha: the form appears at once.
    EXPECT_EQ(ShowStartAlpha(c.Time, 255), c.Steps ? 0 : 255) << c.Time;
  }
}

TEST(FormAnimation, ShowFadesInFromAZoomOfAnEighth) {
  // 800 x 600 over 120 ms: ten steps of 25.5, rounded halves to even; the
  // inset starts at 100 x 75 and shrinks by 10 x 7.5 per frame.
  const std::vector<TacAnimFrame> zoom = ShowAnimFrames(800, 600, 120, 255, 1);
  EXPECT_EQ(Alphas(zoom), (std::vector<int>{26, 51, 76, 102, 128, 153, 178, 204, 230, 255, 255}));
  const struct {
    size_t Frame;
    TRect Rect;
  } rects[] = {{0, {100, 75, 700, 525}}, {1, {90, 68, 710, 533}}, {5, {50, 38, 750, 563}}, {10, {0, 0, 800, 600}}};
  for (const auto& r : rects) {
    EXPECT_EQ(zoom[r.Frame].Rect, r.Rect) << "frame " << r.Frame;
    EXPECT_TRUE(zoom[r.Frame].Stretched) << "frame " << r.Frame;
  }
  EXPECT_EQ(ShowFinalFrame(800, 600, 255), (TacAnimFrame{255, {0, 0, 800, 600}, false}));
  // Without the zoom every frame is the picture unscaled; a lower top alpha caps the fade.
  for (const TacAnimFrame& f : ShowAnimFrames(800, 600, 36, 200, 0))
    EXPECT_EQ(f, (TacAnimFrame{f.Alpha, {0, 0, 800, 600}, false}));
  EXPECT_EQ(Alphas(ShowAnimFrames(800, 600, 36, 200, 0)), (std::vector<int>{67, 133, 200, 200}));
}

TEST(FormAnimation, HideFadesOutAndShrinksToThreeQuarters) {
  const std::vector<TacAnimFrame> zoom = HideAnimFrames(800, 600, 120, 255, 1);
  EXPECT_EQ(Alphas(zoom), (std::vector<int>{230, 204, 178, 153, 128, 102, 76, 51, 26, 0, 0}));
  EXPECT_EQ(zoom[0].Rect, (TRect{0, 0, 800, 600}));
  EXPECT_EQ(zoom[1].Rect, (TRect{10, 8, 790, 592}));    // 7.5 and 592.5: halves to even
  EXPECT_EQ(zoom[10].Rect, (TRect{100, 75, 700, 525}));  // an eighth in from every side
  for (const TacAnimFrame& f : HideAnimFrames(800, 600, 120, 255, 0)) EXPECT_FALSE(f.Stretched);
}

TEST(FormAnimation, MinimiseTravelsToTheTaskbarAndRestoreComesBack) {
  // A 400 x 300 form at (100, 100), the taskbar below from y 1000: the target
  // is the point (300, 1000). Ten steps from alpha 63, 7 a step.
  const TRect form{100, 100, 500, 400};
  const TRect target = MinimizeTarget(form, {0, 1000, 1280, 1024}, tbeBottom);
  ASSERT_EQ(target, (TRect{300, 1000, 300, 1000}));
  TacMinimizeAnim anim(form, target, MinimizeSteps(120, true), MinimizeTopAlpha(true));
  std::vector<TacMinimizeFrame> down;
  TacMinimizeFrame frame;
  while (anim.MinimizeTick(frame)) down.push_back(frame);
  ASSERT_EQ(down.size(), 8u);  // the ninth step reaches alpha 0 and draws nothing
  // First step: centre down by 75, sides in by 20 and 15: 360 x 270 centred at (300, 325).
  EXPECT_EQ(down[0], (TacMinimizeFrame{{56, {20, 15, 380, 285}, true}, {100, 175}}));
  EXPECT_EQ(down[7].Frame.Alpha, 7);
  EXPECT_EQ(down[7].Frame.Rect, (TRect{160, 120, 240, 180}));  // 80 x 60 after eight steps
  EXPECT_EQ(anim.Alpha(), 0);
  std::vector<TacMinimizeFrame> up;
  while (anim.RestoreTick(frame)) up.push_back(frame);
  ASSERT_EQ(up.size(), 8u);
  // Restoring retraces the way: the same frames in the opposite order.
  for (size_t i = 0; i < up.size(); ++i) EXPECT_EQ(up[i], down[down.size() - 1 - i]) << i;
}

TEST(FormAnimation, MinimiseWithoutSmoothStepsEndsAtOnce) {
  // One step from 255: the first tick reaches alpha 0, and a restore 255.
  TacMinimizeAnim anim({0, 0, 100, 100}, {50, 500, 50, 500}, MinimizeSteps(120, false), MinimizeTopAlpha(false));
  TacMinimizeFrame frame;
  EXPECT_FALSE(anim.MinimizeTick(frame));
  EXPECT_FALSE(anim.RestoreTick(frame));
  EXPECT_EQ(MinimizeSteps(5, true), 1);
}

TEST(FormAnimation, TheTargetLiesOnTheTaskbarsInnerEdge) {
  const TRect form{100, 200, 301, 401};  // centre (200, 300)
  const struct {
    TacTaskbarEdge Edge;
    TRect Taskbar;
    TPoint At;
  } cases[] = {{tbeLeft, {0, 0, 40, 768}, {40, 300}},
               {tbeRight, {984, 0, 1024, 768}, {984, 300}},
               {tbeTop, {0, 0, 1024, 30}, {200, 30}},
               {tbeBottom, {0, 738, 1024, 768}, {200, 738}},
               {tbeNone, {}, {0, 0}}};
  for (const auto& c : cases)
    EXPECT_EQ(MinimizeTarget(form, c.Taskbar, c.Edge), (TRect{c.At.X, c.At.Y, c.At.X, c.At.Y})) << c.Edge;
}

TEST(AnimFrame, StretchesByTheNearestPixelAndComposesOverTheBackground) {
  TBitmap32 picture(2, 2);
  SetAPixel(picture, 0, 0, 0xFF0000FF);
  SetAPixel(picture, 1, 0, 0xFF00FF00);
  SetAPixel(picture, 0, 1, 0xFFFF0000);
  SetAPixel(picture, 1, 1, 0x00000000);  // cut away by the region
  TBitmap32 work(6, 4);
  SetAPixel(work, 5, 3, 0xFFFFFFFF);
  DrawAnimFrame(picture, {128, {1, 0, 5, 4}, true}, true, work);
  const TsColor want[4][6] = {{0, 0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00, 0},
                              {0, 0xFF0000FF, 0xFF0000FF, 0xFF00FF00, 0xFF00FF00, 0},
                              {0, 0xFFFF0000, 0xFFFF0000, 0, 0, 0},
                              {0, 0xFFFF0000, 0xFFFF0000, 0, 0, 0}};
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(GetAPixel(work, x, y), want[y][x]) << x << "," << y;
  // A rectangle reaching out of the work bitmap is clipped, not written past it.
  DrawAnimFrame(picture, {255, {-2, -2, 8, 6}, true}, true, work);
  EXPECT_EQ(GetAPixel(work, 0, 0), 0xFF0000FFu);
  EXPECT_EQ(GetAPixel(work, 5, 3), 0u);

  // At alpha 128 (weight 129) a full pixel over grey 100 meets it halfway;
  // a cut-away pixel leaves the background; the screen is opaque.
  DrawAnimFrame(picture, {128, {1, 0, 5, 4}, true}, true, work);
  TBitmap32 behind(6, 4), screen(6, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 6; ++x) SetAPixel(behind, x, y, 0x00646464);
  ComposeAnimFrame(work, 128, behind, screen);
  EXPECT_EQ(GetAPixel(screen, 1, 0), 0xFF3131B2u);  // (255 * 129 + 100 * 127) >> 8 = 178, 100 * 127 >> 8 = 49
  EXPECT_EQ(GetAPixel(screen, 3, 3), 0xFF646464u);
  EXPECT_EQ(GetAPixel(screen, 0, 0), 0xFF646464u);
  ComposeAnimFrame(work, 255, behind, screen);
  EXPECT_EQ(GetAPixel(screen, 3, 0), 0xFF00FF00u);
}
