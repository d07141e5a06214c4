#include <gtest/gtest.h>

#include "skin/controls/layout/speed_button_layout.h"

namespace {

// A 100 x 40 button, margin 2 (general margin 5), spacing 4, a 16 x 16
// glyph, a caption measured 30 x 13.
TsSpeedButtonGeometry Base(TButtonLayout layout, TAlignment alignment) {
  TsSpeedButtonGeometry g;
  g.Width = 100;
  g.Height = 40;
  g.Layout = layout;
  g.Alignment = alignment;
  g.Margin = 2;
  g.Spacing = 4;
  g.HasCaption = true;
  g.Glyph = {16, 16};
  g.Text = {30, 13};
  return g;
}

TEST(SpeedButtonLayout, CaptionAndGlyphByLayoutAndAlignment) {
  struct {
    const char* Name;
    TButtonLayout Layout;
    TAlignment Alignment;
    TRect Caption;  // as drawn: one pixel wider left, two right
    TRect Glyph;
  } const cases[] = {
      // Beside the glyph: the caption's room is 100 - 16 - 4 = 80, c = (80 - 30) div 2 - 5 = 20;
      // the glyph's hx = (100 - 16 - 4 - 30) div 2 - 5 = 20.
      {"left, left", blGlyphLeft, taLeftJustify, {24, 13, 97, 27}, {5, 12, 21, 28}},
      {"left, right", blGlyphLeft, taRightJustify, {24, 13, 97, 27}, {45, 12, 61, 28}},
      {"left, centre", blGlyphLeft, taCenter, {44, 13, 77, 27}, {25, 12, 41, 28}},
      {"right, left", blGlyphRight, taLeftJustify, {4, 13, 37, 27}, {41, 12, 57, 28}},
      {"right, right", blGlyphRight, taRightJustify, {4, 13, 77, 27}, {79, 12, 95, 28}},
      {"right, centre", blGlyphRight, taCenter, {24, 13, 57, 27}, {59, 12, 75, 28}},
      // Above and below: v = (40 - 16 - 4 - 13) div 2 - 5 = -2.
      {"top", blGlyphTop, taCenter, {34, 23, 67, 37}, {43, 3, 59, 19}},
      {"bottom", blGlyphBottom, taCenter, {34, 3, 67, 17}, {43, 21, 59, 37}},
  };
  for (const auto& c : cases) {
    const TsSpeedButtonGeometry g = Base(c.Layout, c.Alignment);
    EXPECT_EQ(SpeedCaptionRect(g), c.Caption) << c.Name;
    EXPECT_EQ(SpeedImgRect(g), c.Glyph) << c.Name;
  }
}

TEST(SpeedButtonLayout, PressShiftOffsetArrowReflectionAndLimits) {
  TsSpeedButtonGeometry g = Base(blGlyphLeft, taCenter);
  g.ShiftContent = true;
  EXPECT_EQ(SpeedCaptionRect(g), (TRect{45, 14, 78, 28}));
  EXPECT_EQ(SpeedImgRect(g), (TRect{26, 13, 42, 29}));
  // The glyph after a left-justified caption: the caption's shifted right
  // (38) + spacing - 1, then the glyph's own shift.
  g = Base(blGlyphRight, taLeftJustify);
  g.ShiftContent = true;
  EXPECT_EQ(SpeedImgRect(g).Left, 42);

  g = Base(blGlyphLeft, taCenter);
  g.TextOffset = 3;
  EXPECT_EQ(SpeedCaptionRect(g), (TRect{47, 13, 80, 27}));
  // A split arrow narrows the room: c = (80 - 16 - 30) div 2 - 5 = 12.
  g = Base(blGlyphLeft, taCenter);
  g.ArrowWidth = kSpeedArrowWidth;
  EXPECT_EQ(SpeedCaptionRect(g).Left, 36);
  EXPECT_EQ(SpeedMaxTextWidth(g), 100 - 4 - 16 - 20);
  // A trailing arrow takes room from the centred block too.
  g.ArrowWidth = 0;
  g.ArrowAfterCaption = true;
  EXPECT_EQ(SpeedCaptionRect(g).Left, 36);

  g = Base(blGlyphTop, taCenter);
  g.Glyph = {16, 18};
  g.Reflected = true;
  const TRect plain = [&] { TsSpeedButtonGeometry p = g; p.Reflected = false; return SpeedImgRect(p); }();
  EXPECT_EQ(SpeedImgRect(g).Top, plain.Top - 3);
  EXPECT_EQ(SpeedImgRect(g).Height(), 18);

  // No caption: no spacing, the glyph alone centred; no text limit.
  g = Base(blGlyphLeft, taCenter);
  g.HasCaption = false;
  g.Text = {};
  EXPECT_EQ(SpeedImgRect(g), (TRect{42, 12, 58, 28}));
  EXPECT_EQ(SpeedMaxTextWidth(g), 0);
  g = Base(blGlyphTop, taCenter);
  EXPECT_EQ(SpeedMaxTextWidth(g), 96);
  g.ShowCaption = false;
  EXPECT_EQ(SpeedMaxTextWidth(g), 0);
  EXPECT_EQ(SpeedGenMargin(-1), 0);
  EXPECT_EQ(SpeedGenMargin(0), 3);
}

}  // namespace
