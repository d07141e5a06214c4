#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/controls/layout/bitbtn_layout.h"
#include "skin/controls/layout/button_geometry.h"

namespace {

// Six pixels a character on 13-pixel lines; remembers how it was asked.
class TFixedMeasurer : public TsTextMeasurer {
 public:
  TSize MeasureText(std::string_view text, const TRect& start, unsigned format) override {
    ++Calls;
    Start = start;
    Format = format;
    return {6 * static_cast<int>(text.size()), 13};
  }
  int Calls = 0;
  TRect Start;
  unsigned Format = 0;
};

struct TLayoutCase {
  const char* Name;
  TRect Client;
  TSize Glyph;
  TSize Text;
  TButtonLayout Layout;
  TAlignment Alignment;
  int Margin;
  int Spacing;
  unsigned BiDi;
  TPoint GlyphPos;
  TRect TextBounds;
};

TEST(CalcButtonLayout, PlacesGlyphAndTextByLayoutAlignmentMarginAndSpacing) {
  const TRect b75{0, 0, 75, 25};
  const TRect b100{0, 0, 100, 30};
  const TRect tall{0, 0, 75, 60};
  const TLayoutCase cases[] = {
      // Margin and spacing -1: both (75 - 46) div 3 = 9, then centring raises the margin to 10.
      {"auto margin and spacing", b75, {16, 16}, {30, 13}, blGlyphLeft, taCenter, -1, -1, 0, {10, 5}, {35, 6, 65, 19}},
      // No caption: no spacing, the glyph alone centred.
      {"glyph only", b75, {16, 16}, {0, 0}, blGlyphLeft, taCenter, -1, 4, 0, {30, 5}, {46, 13, 46, 13}},
      {"caption only", b75, {0, 0}, {30, 13}, blGlyphLeft, taCenter, -1, 4, 0, {23, 13}, {23, 6, 53, 19}},
      // Right-to-left: the left glyph goes to the right of the text, and back.
      {"right to left", b75, {16, 16}, {30, 13}, blGlyphLeft, taCenter, -1, -1, kDtRight, {49, 5}, {10, 6, 40, 19}},
      {"right to left, glyph right", b100, {20, 20}, {40, 10}, blGlyphRight, taLeftJustify, 3, 2, kDtRight,
       {3, 5}, {25, 10, 65, 20}},
      // A negative spacing with a margin centres the text in what is left.
      {"spacing from margin", b100, {20, 20}, {40, 10}, blGlyphRight, taRightJustify, 5, -1, 0, {75, 5},
       {18, 10, 58, 20}},
      {"margin 2 off centre", b100, {20, 20}, {40, 10}, blGlyphLeft, taRightJustify, -1, 4, 0, {34, 5},
       {58, 10, 98, 20}},
      {"glyph right, left justified", b100, {20, 20}, {40, 10}, blGlyphRight, taLeftJustify, 3, 2, 0, {45, 5},
       {3, 10, 43, 20}},
      // Vertical blocks are centred whatever the margin.
      {"glyph top", tall, {16, 16}, {30, 13}, blGlyphTop, taLeftJustify, 7, 4, 0, {30, 13}, {23, 33, 53, 46}},
      {"glyph bottom", tall, {16, 16}, {30, 13}, blGlyphBottom, taCenter, -1, 4, 0, {30, 31}, {23, 14, 53, 27}},
      // An offset client; a long caption is cut at the margin from the right edge.
      {"offset client, long caption", {10, 20, 85, 45}, {16, 16}, {60, 13}, blGlyphLeft, taLeftJustify, 4, 4, 0,
       {14, 25}, {34, 26, 81, 39}},
  };
  for (const TLayoutCase& c : cases) {
    const TButtonContent got =
        CalcButtonLayout(c.Client, c.Glyph, c.Text, c.Layout, c.Alignment, c.Margin, c.Spacing, c.BiDi);
    EXPECT_EQ(got.GlyphPos.X, c.GlyphPos.X) << c.Name;
    EXPECT_EQ(got.GlyphPos.Y, c.GlyphPos.Y) << c.Name;
    EXPECT_EQ(got.TextBounds, c.TextBounds) << c.Name;
  }
}

TEST(CalcButtonLayout, EmptyAndNegativeSizesStayFinite) {
  // Sanitisers watch the arithmetic; every result stays near its inputs.
  const TRect clients[] = {{0, 0, 0, 0}, {0, 0, -40, -10}, {5, 5, 4, 4}};
  const TSize sizes[] = {{0, 0}, {-16, -16}, {16, 16}};
  for (const TRect& client : clients) {
    for (const TSize& g : sizes) {
      for (const TSize& t : sizes) {
        for (int layout = blGlyphLeft; layout <= blGlyphBottom; ++layout) {
          for (int align = taLeftJustify; align <= taCenter; ++align) {
            for (const int margin : {-1, 0, -5}) {
              const TButtonContent got = CalcButtonLayout(client, g, t, static_cast<TButtonLayout>(layout),
                                                          static_cast<TAlignment>(align), margin, -1, 0);
              EXPECT_LE(std::abs(got.GlyphPos.X), 200);
              EXPECT_LE(std::abs(got.GlyphPos.Y), 200);
              EXPECT_LE(std::abs(got.TextBounds.Right), 200);
              EXPECT_LE(std::abs(got.TextBounds.Bottom), 200);
            }
          }
        }
      }
    }
  }
}

TEST(BitBtnGlyph, FrameSizeNeverDividesByAFrameCountBelowOne) {
  struct {
    const char* Name;
    TsBitBtnGlyphSource Source;
    TSize Expected;
  } const cases[] = {
      {"four frames", {.GlyphBitmapSize = {64, 16}, .NumGlyphs = 4}, {16, 16}},
      {"no frame count", {.GlyphBitmapSize = {64, 16}, .NumGlyphs = 0}, {64, 16}},
      {"negative frame count", {.GlyphBitmapSize = {64, 16}, .NumGlyphs = -3}, {64, 16}},
      {"more frames than pixels", {.GlyphBitmapSize = {3, 16}, .NumGlyphs = 4}, {0, 16}},
      {"no glyph", {.NumGlyphs = 0}, {0, 0}},
      {"negative glyph", {.GlyphBitmapSize = {-8, 16}, .NumGlyphs = 1}, {0, 0}},
      {"image list", {true, 3, 2, {48, 24}, {64, 16}, 2}, {24, 24}},
      {"image list, no frame count", {true, 3, 0, {48, 24}, {64, 16}, 0}, {48, 24}},
      {"image index past the list", {true, 3, 3, {48, 24}, {64, 16}, 2}, {32, 16}},
      {"empty image list", {true, 0, 0, {48, 24}, {}, 1}, {0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(BitBtnGlyphSize(c.Source), c.Expected) << c.Name;

  EXPECT_EQ(GlyphFrameIndex(2, 4), 2);
  EXPECT_EQ(GlyphFrameIndex(3, 2), 1);
  EXPECT_EQ(GlyphFrameIndex(2, 0), 0);
  EXPECT_EQ(GlyphFrameIndex(-1, 3), 0);
}

TEST(BitBtnLayout, MeasuresTheCaptionWithinItsLimitAndPlacesIt) {
  TFixedMeasurer measurer;
  TsBitBtnLayoutInput in{.Width = 75, .Height = 25, .Caption = "Login", .Spacing = -1,
                         .Glyph = {.GlyphBitmapSize = {32, 16}, .NumGlyphs = 2}};
  const TsBitBtnLayout got = LayoutBitBtn(in, measurer);
  // Width - 2 x Margin less the glyph and the spacing: 75 + 2 - (16 - 1).
  EXPECT_EQ(measurer.Start, (TRect{0, 0, 62, 0}));
  EXPECT_EQ(measurer.Format, kDtCenter | kDtVCenter | kDtExpandTabs | kDtWordBreak | kDtCalcRect);
  EXPECT_EQ(got.GlyphSize, (TSize{16, 16}));
  EXPECT_EQ(got.TextSize, (TSize{30, 13}));
  EXPECT_EQ(got.Content.GlyphPos.X, 10);
  EXPECT_EQ(got.Content.GlyphPos.Y, 5);
  EXPECT_EQ(got.Content.TextBounds, (TRect{35, 6, 65, 19}));

  // Right to left: the text alignment mirrors, the reading flag joins, the glyph moves right.
  in.BiDi = {true, true};
  in.TextAlignment = taLeftJustify;
  in.WordWrap = false;
  const TsBitBtnLayout rtl = LayoutBitBtn(in, measurer);
  EXPECT_EQ(measurer.Format, kDtRight | kDtVCenter | kDtExpandTabs | kDtRtlReading | kDtCalcRect);
  EXPECT_EQ(BitBtnCaptionDrawFormat(in), kDtRight | kDtVCenter | kDtExpandTabs | kDtRtlReading | kDtEndEllipsis);
  EXPECT_GT(rtl.Content.GlyphPos.X, rtl.Content.TextBounds.Right);

  // A glyph above the caption takes nothing from its width; a hidden caption takes no room.
  in.Layout = blGlyphTop;
  in.Margin = 3;
  in.Caption = "OK";
  LayoutBitBtn(in, measurer);
  EXPECT_EQ(measurer.Start.Right, 75 - 6);
  const int calls = measurer.Calls;
  in.ShowCaption = false;
  const TsBitBtnLayout hidden = LayoutBitBtn(in, measurer);
  EXPECT_EQ(measurer.Calls, calls);
  EXPECT_EQ(hidden.TextSize, (TSize{0, 0}));
  EXPECT_EQ(hidden.Content.GlyphPos.Y, (25 - 16) / 2);
}

TEST(BitBtnLayout, ImageRectShiftsWhenPressedAndRisesWhenReflected) {
  EXPECT_EQ(BitBtnImageRect({10, 5}, {16, 16}, false, false), (TRect{10, 5, 26, 21}));
  EXPECT_EQ(BitBtnImageRect({10, 5}, {16, 16}, true, false), (TRect{11, 6, 27, 22}));
  EXPECT_EQ(BitBtnImageRect({10, 5}, {24, 16}, true, true), (TRect{11, 2, 35, 18}));
}

TEST(ButtonGeometry, CaptionAndImageRectanglesByAlignmentAndStyle) {
  struct {
    const char* Name;
    TsButtonGeometryInput In;
    TSize Text;
    TRect Caption;
    TRect Glyph;
  } const cases[] = {
      // The image's top at ImageMargins.Top + ContentMargin, the caption centred below it.
      {"image top", {.Width = 100, .Height = 80, .ImageMargins = {0, 8, 0, 0}, .ImageAlignment = iaTop,
                     .GlyphExist = true, .ImageSize = {16, 16}},
       {40, 13}, {6, 48, 94, 61}, {42, 14, 58, 30}},
      {"image bottom", {.Width = 100, .Height = 80, .ImageMargins = {0, 2, 0, 3}, .ImageAlignment = iaBottom,
                        .GlyphExist = true, .ImageSize = {16, 16}},
       {40, 13}, {6, 21, 94, 34}, {42, 55, 58, 71}},
      {"image left, pressed", {.Width = 100, .Height = 30, .ImageMargins = {2, 0, 3, 0}, .GlyphExist = true,
                               .ImageSize = {16, 16}, .ShiftContent = true},
       {40, 13}, {28, 9, 95, 23}, {9, 8, 25, 24}},
      // A split button leaves its 16-pixel band on the right.
      {"split, image right", {.Width = 116, .Height = 30, .Style = bsSplitButton, .ImageAlignment = iaRight,
                              .GlyphExist = true, .ImageSize = {16, 16}},
       {40, 13}, {6, 8, 78, 22}, {78, 7, 94, 23}},
      {"no image", {.Width = 75, .Height = 25, .ImageAlignment = iaLeft, .ImageSize = {16, 16}},
       {30, 13}, {21, 6, 53, 19}, {0, 0, 0, 0}},
      {"image centred", {.Width = 75, .Height = 25, .ImageAlignment = iaCenter, .GlyphExist = true,
                         .ImageSize = {16, 16}},
       {30, 13}, {21, 6, 53, 19}, {29, 4, 45, 20}},
      // A command link keeps room for a 32-pixel image even without one.
      {"command link", {.Width = 200, .Height = 60, .Style = bsCommandLink, .ImageMargins = {1, 0, 1, 0}},
       {90, 15}, {46, 6, 194, 21}, {0, 0, 0, 0}},
      {"command link with image", {.Width = 200, .Height = 60, .Style = bsCommandLink,
                                   .ImageMargins = {1, 0, 1, 0}, .GlyphExist = true, .ImageSize = {24, 24}},
       {90, 15}, {38, 6, 194, 21}, {7, 6, 31, 30}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ButtonCaptionRect(c.In, c.Text), c.Caption) << c.Name;
    EXPECT_EQ(ButtonGlyphRect(c.In), c.Glyph) << c.Name;
  }
}

TEST(ButtonGeometry, MeasuresOnlyAShownCaptionWithinTheStyleLimit) {
  TFixedMeasurer measurer;
  TsButtonGeometryInput in{.Width = 120, .Height = 40, .WordWrap = false};
  EXPECT_EQ(ButtonCaptionSize(in, "", measurer), (TSize{0, 0}));
  EXPECT_EQ(measurer.Calls, 0);
  EXPECT_EQ(ButtonCaptionSize(in, "Cancel", measurer), (TSize{36, 13}));
  EXPECT_EQ(measurer.Start, (TRect{6, 0, 114, 0}));
  EXPECT_EQ(measurer.Format, kDtCalcRect | kDtExpandTabs | kDtCenter | kDtSingleLine);
  in.Style = bsCommandLink;
  in.WordWrap = true;
  ButtonCaptionSize(in, "Cancel", measurer);
  EXPECT_EQ(measurer.Start, (TRect{6, 0, 120 - 32 - 18 - 6, 0}));
  EXPECT_EQ(measurer.Format, kDtCalcRect | kDtExpandTabs | kDtCenter | kDtWordBreak);
}

TEST(ButtonGeometry, GlyphIndexByStateFallsBackToTheImageIndex) {
  const TsButtonImageIndexes ix{.ImageIndex = 0, .HotImageIndex = 1, .PressedImageIndex = 2,
                                .SelectedImageIndex = 3, .DisabledImageIndex = 4};
  struct {
    TsButtonImageState State;
    int Count;
    int Expected;
  } const cases[] = {
      {{.Enabled = false, .Pressed = true}, 5, 4},
      {{.Pressed = true, .Focused = true}, 5, 2},
      {{.Focused = true, .State = 1}, 5, 3},
      {{.State = 1}, 5, 1},
      {{.State = 3}, 5, 3},
      {{.State = 2}, 5, 0},
      {{.Enabled = false}, 4, 0},  // past the list
  };
  for (const auto& c : cases) EXPECT_EQ(ButtonGlyphIndex(ix, c.State, c.Count), c.Expected);
  EXPECT_EQ(ButtonGlyphIndex({.ImageIndex = 1, .HotImageIndex = -1}, {.State = 1}, 3), 1);
}

}  // namespace
