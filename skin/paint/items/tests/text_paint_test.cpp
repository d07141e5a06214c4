#include "skin/paint/items/text_paint.h"

#include <gtest/gtest.h>

#include "skin/paint/items/tests/paint_test_skin.h"

namespace {

// Block letters: each character inks a 4-pixel-wide column block from the
// rectangle's top-left corner, the fourth column at half coverage; a
// character takes 5 pixels, a two-byte character (GBK lead byte) 10.
class TBlockRasteriser final : public TsTextRasteriser {
 public:
  void DrawBlack(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned) override {
    ++Draws;
    const int w = TextWidth(text);
    for (int y = std::max(rect.Top, 0); y < std::min({rect.Bottom, rect.Top + 6, bmp.Height()}); ++y)
      for (int x = std::max(rect.Left, 0); x < std::min({rect.Right, rect.Left + w, bmp.Width()}); ++x) {
        const int column = (x - rect.Left) % 5;
        if (column < 3) bmp.Row(y)[x] = 0;
        else if (column == 3) bmp.Row(y)[x] = (bmp.Row(y)[x] & 0xFF000000u) | 0x808080;
      }
    // An underline: one more inked row below the letters.
    const int line = rect.Top + 6;
    if (Underline && line >= 0 && line < std::min(rect.Bottom, bmp.Height()))
      for (int x = std::max(rect.Left, 0); x < std::min({rect.Right, rect.Left + w, bmp.Width()}); ++x)
        bmp.Row(line)[x] = 0;
  }
  void SetUnderline(bool underline) override { Underline = underline; }
  bool Underline = false;
  int TextWidth(std::string_view text) override {
    int w = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      w += 5;
      if (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i, w += 5;
    }
    return w;
  }
  bool IsLeadByte(unsigned char c) const override { return c >= 0x81 && c <= 0xFE; }
  int Draws = 0;
};

TBitmap32 Grey(int w, int h, TsColor value) {
  return Picture(w, h, [=](int, int) { return value; });
}

TEST(WriteText32, ALeftContourDrawsWhiteOnePixelLeftUnderBlackText) {
  TTestSkin skin("[LABEL]\nSTATES=1\nFONTCOLOR=0\nTCLEFT=16777215\n", Grey(2, 2, Opaque(0)));
  TBlockRasteriser raster;
  TBitmap32 bmp = Grey(20, 8, 0x40808080);
  WriteText32(bmp, "A", true, 0, &skin.Model, false, skin.Section("LABEL"), {5, 0, 15, 8}, 0, raster);
  EXPECT_EQ(bmp.Row(2)[4], 0xFFFFFFFFu);  // the contour, one pixel left
  EXPECT_EQ(bmp.Row(2)[5], 0xFF000000u);  // the text over it
  EXPECT_EQ(bmp.Row(2)[7], 0xFF000000u);
  EXPECT_EQ(bmp.Row(2)[3], 0x40808080u);  // never inked: untouched, alpha included
  EXPECT_EQ(bmp.Row(7)[5], 0x40808080u);

  TBitmap32 disabled = Grey(20, 8, 0x40808080);
  WriteText32(disabled, "A", false, 0, &skin.Model, false, skin.Section("LABEL"), {5, 0, 15, 8}, 0, raster);
  EXPECT_EQ(disabled.Row(2)[4], 0x40808080u);  // contours only when enabled
}

TEST(WriteText32, CoverageMixesTheColourByEachChannelOfTheScratch) {
  TBlockRasteriser raster;
  TBitmap32 bmp = Grey(10, 6, 0);
  WriteText32(bmp, "A", true, 0, nullptr, false, -1, {0, 0, 10, 6}, 0x0000FF, raster);
  EXPECT_EQ(bmp.Row(0)[0], 0xFFFF0000u);  // fully inked: the colour
  EXPECT_EQ(bmp.Row(0)[3], 0xFF7F0000u);  // half: ((0 - 255) * 128 + 255 * 256) >> 8
  EXPECT_EQ(bmp.Row(0)[4], 0u);

  TBitmap32 outside = Grey(4, 4, 0x11223344);
  WriteText32(outside, "AB", true, 0, nullptr, false, -1, {-3, 2, 7, 9}, 0, raster);  // cut at every edge
  EXPECT_EQ(outside.Row(2)[0], 0xFF111922u);  // the half-covered last column of "A"
  EXPECT_EQ(outside.Row(1)[0], 0x11223344u);
  EXPECT_EQ(outside.Row(2)[1], 0x11223344u);  // the gap between the letters
  EXPECT_EQ(outside.Row(3)[2], 0xFF000000u);
  WriteText32(outside, "", true, 0, nullptr, false, -1, {0, 0, 4, 4}, 0, raster);
  EXPECT_EQ(outside.Row(1)[0], 0x11223344u);
}

TEST(CutText, CutsWholeCharactersAndAppendsDots) {
  TBlockRasteriser raster;
  EXPECT_EQ(CutText("ABCDEF", 30, raster), "ABCDEF");
  EXPECT_EQ(CutText("ABCDEF", 29, raster), "AB...");
  EXPECT_EQ(CutText("ABCDEF", 10, raster), "...");  // narrower than the dots
  EXPECT_EQ(CutText("ABCDEF", 0, raster), "");
  // "A", a two-byte character, "B": never half of the two-byte character.
  const std::string mixed = "A\xC0\xB6" "BCDE";
  EXPECT_EQ(CutText(mixed, 30, raster), "A\xC0\xB6...");
  EXPECT_EQ(CutText(mixed, 29, raster), "A...");
  EXPECT_EQ(CutText(mixed, 24, raster), "A...");
}

TEST(Blur8, WhiteStaysWhiteAndADotSpreadsEvenly) {
  TGrey8 white{5, 5, std::vector<std::uint8_t>(25, 255)};
  Blur8(white, 3);
  EXPECT_EQ(white.Bits, std::vector<std::uint8_t>(25, 255));

  TGrey8 dot{9, 9, std::vector<std::uint8_t>(81, 255)};
  dot.Row(4)[4] = 0;
  TGrey8 same = dot;
  Blur8(same, 0);
  EXPECT_EQ(same.Bits, dot.Bits);
  Blur8(dot, 1.5);
  EXPECT_LT(dot.Row(4)[4], dot.Row(4)[5]);
  EXPECT_LT(dot.Row(4)[5], dot.Row(4)[6]);
  EXPECT_NEAR(dot.Row(4)[3], dot.Row(4)[5], 1);
  EXPECT_NEAR(dot.Row(3)[4], dot.Row(4)[5], 1);
  EXPECT_GE(dot.Row(0)[0], 254);
}

TEST(acDrawGlowForText, GlowsAroundTheTextAndRebuildsTheMaskForAnotherText) {
  TBlockRasteriser raster;
  TacGlowMask glow;
  TBitmap32 bmp = Grey(40, 30, 0x00000000);
  acDrawGlowForText(bmp, "A", {10, 10, 30, 20}, glow, 0xFFFFFF, 3, 15, 0, raster);
  EXPECT_EQ(glow.Mask.Width, 20 + 2 * 7);
  EXPECT_GT(bmp.Row(12)[9] >> 24, 0u);            // beside the text: some glow, alpha raised
  EXPECT_GT(bmp.Row(12)[9] & 0xFF, 0u);
  EXPECT_EQ(bmp.Row(0)[39], 0u);                  // far away: untouched
  EXPECT_EQ(bmp.Row(12)[25], 0u);                 // beyond the one letter
  const int draws = raster.Draws;
  acDrawGlowForText(bmp, "A", {10, 10, 30, 20}, glow, 0xFFFFFF, 3, 15, 0, raster);
  EXPECT_EQ(raster.Draws, draws);  // the same mask again
  acDrawGlowForText(bmp, "AAA", {10, 10, 30, 20}, glow, 0xFFFFFF, 3, 15, 0, raster);
  EXPECT_GT(raster.Draws, draws);
  EXPECT_GT(bmp.Row(12)[25] >> 24, 0u);
}

// Captions of skinned controls.
class Caption : public ::testing::Test {
 protected:
  TTestSkin skin_{"[WEBBUTTON]\nSTATES=2\nTRANSPARENCY=100\nFONTCOLOR=255\nHOTFONTCOLOR=65280\n"
                  "[BUTTON]\nSTATES=3\nFONTCOLOR=16711680\nTCRIGHT=255\nHOTTRANSPARENCY=100\n",
                  Grey(2, 2, Opaque(0))};
  TBlockRasteriser raster_;
  TBitmap32 canvas_ = Grey(20, 10, 0x40808080);
  TsCaptionSkin Skinned(const char* section) {
    TsCaptionSkin c;
    c.Skin = &skin_.Model;
    c.SkinIndex = skin_.Section(section);
    return c;
  }
};

TEST_F(Caption, AHotWebButtonIsUnderlinedAndANormalOneIsNot) {
  WriteTextEx(canvas_, "A", true, false, Skinned("WEBBUTTON"), 0, {0, 0, 20, 10}, 0, raster_);
  EXPECT_EQ(canvas_.Row(6)[0], 0x40808080u);
  EXPECT_EQ(canvas_.Row(0)[0], Opaque(0xFF0000));  // FONTCOLOR 255 is red
  WriteTextEx(canvas_, "A", true, true, Skinned("WEBBUTTON"), 0, {0, 0, 20, 10}, 0, raster_);
  EXPECT_EQ(canvas_.Row(6)[0], Opaque(0x00FF00));  // the hot colour, underlined
  EXPECT_FALSE(raster_.Underline);                  // only for that caption

  TBitmap32 button = Grey(20, 10, 0x40808080);
  WriteTextEx(button, "A", true, true, Skinned("BUTTON"), 0, {0, 0, 20, 10}, 0, raster_);
  EXPECT_EQ(button.Row(6)[0], 0x40808080u);
}

TEST_F(Caption, FontSectionContoursAndColourChanges) {
  TsCaptionSkin c = Skinned("WEBBUTTON");
  c.FontIndex = skin_.Section("BUTTON");
  WriteTextEx(canvas_, "A", true, false, c, 0, {0, 0, 20, 10}, 0, raster_);
  EXPECT_EQ(canvas_.Row(0)[0], Opaque(0x0000FF));  // BUTTON's blue text
  // Its red right contour one pixel right: the half-covered last column there, over grey.
  EXPECT_EQ(canvas_.Row(0)[4], 0xFFBF4040u);
  TBitmap32 disabled = Grey(20, 10, 0x40808080);
  WriteTextEx(disabled, "A", false, false, c, 0, {0, 0, 20, 10}, 0, raster_);
  EXPECT_EQ(disabled.Row(0)[4], 0x40808080u);  // no contours when disabled

  c.Colors.Saturation = -100;
  EXPECT_EQ(ChangedTextColor(0xFF0000, c.Colors), ChangeSaturation(0xFF0000, -254));  // -100 x 2.55 truncated
  c.Colors = {0x00FF00, 0, 0};
  EXPECT_EQ(ChangedTextColor(0x808080, c.Colors), 0x007F00u);  // the tone scaled by the brightest channel
}

TEST_F(Caption, DisabledPlainTextIsEmbossedInHighlightThenShadow) {
  WriteTextEx(canvas_, "A", false, false, TsCaptionSkin{}, 0, {0, 0, 20, 10}, 0, raster_);
  const TsColor shadow = Opaque(SwapRedBlue(ColorToRGB(0x80000010u)));
  const TsColor highlight = Opaque(SwapRedBlue(ColorToRGB(0x80000014u)));
  EXPECT_EQ(canvas_.Row(1)[1], shadow);
  EXPECT_EQ(canvas_.Row(6)[1], highlight);  // below the letter: only the shifted copy
  TBitmap32 enabled = Grey(20, 10, 0x40808080);
  WriteTextEx(enabled, "A", true, false, TsCaptionSkin{}, 0, {0, 0, 20, 10}, 0x00FF00, raster_);
  EXPECT_EQ(enabled.Row(1)[1], Opaque(0x00FF00));
  EXPECT_EQ(enabled.Row(6)[1], 0x40808080u);
}

TEST_F(Caption, SharedSectionsWithATransparentStateUseTheParentsFont) {
  EXPECT_TRUE(UsesParentFontSection(skin_.Model, skin_.Section("WEBBUTTON"), 0));
  EXPECT_FALSE(UsesParentFontSection(skin_.Model, skin_.Section("BUTTON"), 1));  // not a shared section
  EXPECT_FALSE(UsesParentFontSection(skin_.Model, -1, 0));
}

}  // namespace
