#include "skin/paint/items/glow_picture.h"

#include <gtest/gtest.h>

#include "skin/data/skin_model.h"
#include "skin/paint/items/tests/paint_test_skin.h"

namespace {

TEST(GlowPlacement, SizeAndPlaceFollowTheSlicesTheMarginAndTheVisiblePart) {
  const TRect control{100, 50, 175, 75};  // 75 x 25
  const TSliceMargins slices{10, 8, 12, 6};
  struct Case {
    const char* what;
    TRect visible;
    int margin;
    TRect window;
    TRect cut;
  };
  const Case cases[] = {
      {"whole, no margin", {0, 0, 75, 25}, 0, {90, 42, 187, 81}, {0, 0, 97, 39}},
      {"whole, margin 3", {0, 0, 75, 25}, 3, {93, 45, 184, 78}, {0, 0, 91, 33}},
      {"left part hidden", {20, 0, 75, 25}, 3, {120, 45, 184, 78}, {27, 0, 91, 33}},
      {"top part hidden", {0, 5, 75, 25}, 3, {93, 55, 184, 78}, {0, 10, 91, 33}},
      {"right part hidden", {0, 0, 60, 25}, 3, {93, 45, 160, 78}, {0, 0, 67, 33}},
      {"bottom part hidden", {0, 0, 75, 20}, 0, {90, 42, 187, 70}, {0, 0, 97, 28}},
      {"visible beyond the control", {-5, -5, 90, 40}, 0, {90, 42, 187, 81}, {0, 0, 97, 39}},
      {"nothing visible", {0, 0, 0, 25}, 0, {}, {}},
  };
  for (const Case& c : cases) {
    const TacGlowPlacement p = GlowPlacement(control, c.visible, slices, c.margin);
    EXPECT_EQ(p.Window, c.window) << c.what;
    EXPECT_EQ(p.Cut, c.cut) << c.what;
    if (!p.Window.IsEmpty()) {
      EXPECT_EQ(p.Window.Width(), p.Cut.Width()) << c.what;
      EXPECT_EQ(p.Window.Height(), p.Cut.Height()) << c.what;
    }
  }
  // Margins eating more than the slices and the control leave nothing.
  EXPECT_TRUE(GlowPlacement({0, 0, 4, 4}, {0, 0, 4, 4}, {1, 1, 1, 1}, 4).Window.IsEmpty());
}

TEST(GlowSaturation, ScalesTruncatesAndLimits) {
  const int cases[][2] = {{0, 0}, {1, 2}, {-1, -2}, {10, 25}, {40, 102}, {100, 255}, {101, 255}, {-300, -255}};
  for (const auto& c : cases) EXPECT_EQ(GlowSaturation(c[0]), c[1]) << c[0];
}

// A 9 x 9 glow image with 3-pixel slices: each pixel's alpha and colour say where it came from.
struct TGlowImage {
  TGlowImage() {
    md.Owner = &model;
    md.Kind = itisaGlow;
    md.FrameCount = 1;
    md.Image = Picture(9, 9, [](int x, int y) {
      const bool edge = x < 3 || x > 5 || y < 3 || y > 5;
      return edge ? (static_cast<TsColor>(40 + 20 * x) << 24) | static_cast<TsColor>(0x10 * (y + 1)) : 0xFF123456u;
    });
    md.SourceRect = {0, 0, 9, 9};
    md.MarginLeft = md.MarginTop = md.MarginRight = md.MarginBottom = 3;
  }
  TsSkinModel model;
  TsMaskData md;
};

TEST(MakeGlowPicture, DrawsTheSlicesAroundAnEmptyCentrePremultipliedAndCutsWithoutShiftingThem) {
  TGlowImage glow;
  const TSliceMargins slices = ImageMargins(glow.md);
  const TRect control{0, 0, 20, 10};
  const TacGlowPlacement whole = GlowPlacement(control, {0, 0, 20, 10}, slices, 1);
  const TBitmap32 all = MakeGlowPicture(glow.md, whole, {});
  ASSERT_EQ(all.Width(), 24);
  ASSERT_EQ(all.Height(), 14);
  // The corner pixel of the image, premultiplied: alpha 40, blue 0x10 -> 0x10 * 40 >> 8.
  EXPECT_EQ(all.Row(0)[0], (40u << 24) | ((0x10u * 40) >> 8));
  EXPECT_EQ(all.Row(13)[23] >> 24, 40u + 20 * 8);  // the far corner comes from the image's far corner
  EXPECT_EQ(all.Row(7)[12], 0u);                   // under the control nothing: clicks and colours pass
  // A control seen only in part: the cut shows exactly those pixels of the whole picture.
  const TacGlowPlacement part = GlowPlacement(control, {6, 2, 15, 10}, slices, 1);
  const TBitmap32 cut = MakeGlowPicture(glow.md, part, {});
  ASSERT_EQ(cut.Width(), part.Cut.Width());
  ASSERT_EQ(cut.Height(), part.Cut.Height());
  for (int y = 0; y < cut.Height(); ++y)
    for (int x = 0; x < cut.Width(); ++x)
      ASSERT_EQ(cut.Row(y)[x], all.Row(part.Cut.Top + y)[part.Cut.Left + x]) << x << "," << y;
}

TEST(MakeGlowPicture, TakesTheControlsColourChangesAndNothingForAnEmptyPlacement) {
  TGlowImage glow;
  const TSliceMargins slices = ImageMargins(glow.md);
  const TacGlowPlacement p = GlowPlacement({0, 0, 20, 10}, {0, 0, 20, 10}, slices, 0);
  const TBitmap32 plain = MakeGlowPicture(glow.md, p, {});
  const TBitmap32 grey = MakeGlowPicture(glow.md, p, {clNone, 0, -100});
  const TBitmap32 toned = MakeGlowPicture(glow.md, p, {0x0000FF, 0, 0});
  const TsColor a = plain.Row(0)[2], g = grey.Row(0)[2], t = toned.Row(0)[2];
  EXPECT_EQ(a >> 24, g >> 24);
  EXPECT_NE(a, g);
  EXPECT_EQ((g >> 16) & 0xFF, g & 0xFF);  // fully desaturated: red as blue
  EXPECT_NE(a, t);
  EXPECT_TRUE(MakeGlowPicture(glow.md, GlowPlacement({0, 0, 20, 10}, {}, slices, 0), {}).Empty());
}

}  // namespace
