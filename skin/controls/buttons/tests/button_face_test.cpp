// The picture of a push button under the internal skin: which frame each
// state shows, and what each layer leaves in the picture.
#include "skin/controls/buttons/button_face.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/forms/frame/tests/frame_test_forms.h"
#include "skin/paint/pixel_changes.h"

namespace {

// "登陆" in the GBK code page.
constexpr std::string_view kSignIn = "\xB5\xC7\xC2\xBD";

struct TFaceRun {
  TsButtonFace Face;
  TsButtonCaption Caption;
  TsButtonFocus Focus;
  TacDrawGlyphData Glyph;
};

TFaceRun SignInButton(int state) {
  const TsSkinModel& skin = InternalSkinModel();
  TFaceRun run;
  run.Face.Skin = &skin;
  run.Face.SkinIndex = skin.GetSkinIndex("BUTTON");
  run.Face.BorderMaskIndex = skin.gd[static_cast<std::size_t>(run.Face.SkinIndex)].BorderMaskIndex;
  run.Face.Parent.FillColor = 0x00C0C0C0;
  run.Face.Width = 75;
  run.Face.Height = 25;
  run.Face.State = state;
  run.Caption.Text = std::string(kSignIn);
  run.Caption.Rect = {27, 6, 47, 19};
  run.Caption.Skin = {&skin, run.Face.SkinIndex};
  return run;
}

TBitmap32 Paint(const TFaceRun& run) {
  TBitmap32 bmp;
  TBlockRasteriser raster;
  EXPECT_TRUE(PaintButtonFace(bmp, run.Face, run.Caption, run.Glyph, run.Focus, raster).Painted);
  return bmp;
}

bool SamePixels(const TBitmap32& a, const TBitmap32& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (GetAPixel(a, x, y) != GetAPixel(b, x, y)) return false;
  return true;
}

}  // namespace

TEST(ButtonFace, FrameOfEachStateBySectionStates) {
  struct Case {
    int State, States, Frame;
  };
  const Case cases[] = {{0, 3, 0}, {1, 3, 1}, {2, 3, 2}, {3, 3, 1}, {3, 4, 3}, {3, 2, 1},
                        {2, 2, 1}, {3, 1, 0}, {1, 1, 0}, {2, 0, 0}, {3, 5, 3}};
  for (const Case& c : cases)
    EXPECT_EQ(ButtonFrameIndex(c.State, c.States), c.Frame) << c.State << " of " << c.States;
}

TEST(ButtonFace, StatesCaptionFocusAndDisabledLookDiffer) {
  const TBitmap32 normal = Paint(SignInButton(kBtnNormal));
  const TBitmap32 hot = Paint(SignInButton(kBtnHot));
  const TBitmap32 pressed = Paint(SignInButton(kBtnPressed));
  ASSERT_EQ(normal.Width(), 75);
  ASSERT_EQ(normal.Height(), 25);
  EXPECT_FALSE(SamePixels(normal, hot));
  EXPECT_FALSE(SamePixels(hot, pressed));
  EXPECT_FALSE(SamePixels(normal, pressed));

  // The block letters ink the caption's first column in the text colour, not beside it.
  const TsColor face = GetAPixel(normal, 60, 12);
  EXPECT_NE(GetAPixel(normal, 27, 12), face);
  EXPECT_EQ(GetAPixel(normal, 26, 12), face);

  TFaceRun focused = SignInButton(kBtnHot);
  focused.Focus = {true, {24, 4, 50, 21}, 0x000000FF};
  const TBitmap32 withFocus = Paint(focused);
  EXPECT_EQ(GetAPixel(withFocus, 25, 4), 0xFFFF0000u);
  EXPECT_EQ(GetAPixel(withFocus, 24, 5), 0xFFFF0000u);
  EXPECT_EQ(GetAPixel(withFocus, 24, 4), GetAPixel(hot, 24, 4));

  TFaceRun disabled = SignInButton(kBtnNormal);
  disabled.Face.Enabled = false;
  disabled.Face.DisabledKind = dkGrayed;
  const TBitmap32 gray = Paint(disabled);
  // The text colour loses saturation.
  const auto spread = [](TsColor p) {
    const int c[3] = {int(p & 0xFF), int((p >> 8) & 0xFF), int((p >> 16) & 0xFF)};
    return *std::max_element(c, c + 3) - *std::min_element(c, c + 3);
  };
  EXPECT_GT(spread(GetAPixel(normal, 27, 12)), 16);
  EXPECT_LT(spread(GetAPixel(gray, 27, 12)), spread(GetAPixel(normal, 27, 12)));
}

TEST(ButtonFace, GlyphFramesAlphaAndKeyedPixels) {
  // Two frames of 2 x 2: frame 0 red, frame 1 green; the bottom-left pixel of
  // a 24-bit frame is its key colour.
  TBitmap32 glyph(4, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) SetAPixel(glyph, x, y, x < 2 ? 0xFFFF0000u : 0x8000FF00u);
  SetAPixel(glyph, 0, 1, 0xFF0000FFu);  // frame 0's key
  TBitmap32 dest(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) SetAPixel(dest, x, y, 0xFF000000u);
  TacDrawGlyphData data;
  data.Dest = &dest;
  data.Glyph = &glyph;
  data.FrameCount = 2;
  data.Rect = {1, 1, 3, 3};
  acDrawGlyphEx(data);  // normal: frame 0, keyed
  EXPECT_EQ(GetAPixel(dest, 1, 1), 0xFFFF0000u);
  EXPECT_EQ(GetAPixel(dest, 1, 2), 0xFF000000u);  // the key left the background
  data.State = kBtnHot;
  data.GlyphHasAlpha = true;
  acDrawGlyphEx(data);  // hot: frame 1, half its alpha
  EXPECT_EQ(GetAPixel(dest, 1, 2), 0xFF008000u);
  data.State = kBtnNormal;
  data.GlyphHasAlpha = false;
  data.Enabled = false;
  data.DisabledGlyphKind = dgGrayed;
  acDrawGlyphEx(data);  // disabled and greyed: (255 + 0 + 0) / 3
  EXPECT_EQ(GetAPixel(dest, 2, 1), 0xFF555555u);
}
