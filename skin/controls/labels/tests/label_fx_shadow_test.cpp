#include <gtest/gtest.h>

#include "skin/controls/labels/label_fx_shadow.h"
#include "skin/controls/labels/sticky_place.h"

namespace {

TEST(LabelFx, ShadowRoomRotatedBoxAndTextPlace) {
  struct {
    TacShadowData Shadow;
    TacShadowExtent Extent;
  } const extents[] = {
      {{0, 4, 1, 255}, {-3, 5}},   // blur 4 at distance 1
      {{0, 0, 0, 255}, {0, 0}},    // no shadow
      {{0, 2, 6, 255}, {0, 8}},    // far and sharp: room only after
      {{0, 1, -3, 255}, {-4, 0}},  // cast up and left: room only before
  };
  for (const auto& c : extents) EXPECT_EQ(ShadowExtent(c.Shadow), c.Extent) << c.Shadow.Blur << "/" << c.Shadow.Distance;

  EXPECT_EQ(NearestEven(0.5), 0);
  EXPECT_EQ(NearestEven(1.5), 2);
  EXPECT_EQ(NearestEven(2.5), 2);
  EXPECT_EQ(NearestEven(-1.5), -2);

  struct {
    int Angle;
    int W, H, Ox, Oy;
  } const boxes[] = {
      {0, 40, 13, 0, 0},
      // ox = nearest(13.5) + (13 - 40) div 2, oy = nearest(26.5) + 27 div 2
      // (cos 90° is 6e-17 in doubles, too small to move 40 x cos off 40).
      {90, 13, 40, 1, 39},
      {180, 40, 13, 40, 13},  // upside down: the origin at the far corner
      {-90, 13, 40, 13, -1},  // oy = nearest(-13.5) + 13
  };
  for (const auto& c : boxes) {
    const TacRotatedBox box = RotatedTextBox(40, 13, c.Angle);
    EXPECT_EQ(box.Width, c.W) << c.Angle;
    EXPECT_EQ(box.Height, c.H) << c.Angle;
    EXPECT_EQ(box.OffsetX, c.Ox) << c.Angle;
    EXPECT_EQ(box.OffsetY, c.Oy) << c.Angle;
  }

  // Distance 1, blur 4 in a 48 x 23 label: 3 pixels inside left and top, 5 free right and bottom.
  const TacShadowExtent e{-3, 5};
  const TRect bounds{0, 0, 48, 23};
  EXPECT_EQ(FxTextRect(bounds, 40, 15, e, 1, taLeftJustify, tlTop), (TRect{3, 3, 43, 18}));
  EXPECT_EQ(FxTextRect(bounds, 40, 15, e, 1, taRightJustify, tlBottom), (TRect{3, 3, 43, 18}));
  EXPECT_EQ(FxTextRect(bounds, 40, 15, e, 1, taCenter, tlCenter), (TRect{4, 4, 44, 19}));
}

// A 3 x 3 picture with only its centre pixel (blue set) as text.
TBitmap32 CentreDot() {
  TBitmap32 text(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) text.Row(y)[x] = 0xFF000000u;
  text.Row(1)[1] = 0xFFFFFFFFu;
  text.Row(0)[2] = 0xFFFF0000u;  // red only: not text
  return text;
}

TEST(LabelFx, MaskBlursInOneInPlaceSweepAndGrowsOnly) {
  const TBitmap32 text = CentreDot();
  TacShadowMask mask;
  mask.Reset(3, 3);
  mask.Blur(text, 0);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(mask.At(x, y), 0);
  // The sweep reads the cells it has already smoothed above and to the left,
  // so the spread leans down and right.
  mask.Blur(text, 1);
  const int once[3][3] = {{0, 63, 15}, {63, 31, 11}, {15, 11, 5}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(mask.At(x, y), once[y][x]) << x << "," << y;
  // A second round stamps the text again over what the first one left.
  mask.Reset(3, 3);
  mask.Blur(text, 2);
  EXPECT_GT(mask.At(1, 1), once[1][1]);
  EXPECT_GT(mask.At(2, 2), once[2][2]);

  mask.Reset(10, 10);
  const size_t grown = mask.Capacity();
  EXPECT_EQ(grown, 2u * 12 * 12);
  mask.Reset(5, 5);
  EXPECT_EQ(mask.Capacity(), grown);
  EXPECT_EQ(mask.At(4, 4), 0);  // cleared all the same
  mask.Reset(20, 20);
  EXPECT_EQ(mask.Capacity(), 2u * 22 * 22);
}

TEST(LabelFx, ShadowMixesOverPictureOrBackground) {
  const TBitmap32 text = CentreDot();
  TacShadowMask mask;
  mask.Reset(3, 3);
  mask.Blur(text, 1);  // (1, 0) is 63
  struct {
    const char* Name;
    int Alpha;
    bool Transparent;
    TsColor Expected;  // pixel (1, 0)
  } const cases[] = {
      // v = 63 x 255 >> 8 = 62: red ((193 x 0x20 + 62 x 255) >> 8), green 193 x 0x40 >> 8, blue 193 x 0x60 >> 8.
      {"over the picture", 255, true, 0x7F553048u},
      // Over white: red (62 + 193) x 255 >> 8, green and blue 193 x 255 >> 8; the picture's alpha stays.
      {"over the label's colour", 255, false, 0x7FFEC0C0u},
      // Half opacity: v = 31.
      {"half opaque", 128, true, 0x7F3A3854u},
  };
  for (const auto& c : cases) {
    TBitmap32 picture(3, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 3; ++x) picture.Row(y)[x] = 0x7F204060u;
    ComposeShadow(picture, mask, {0x0000FF, 1, 1, c.Alpha}, c.Transparent, 0xFFFFFF);
    EXPECT_EQ(picture.Row(0)[1], c.Expected) << c.Name;
    // No shadow there: the picture, or the label's colour, unchanged.
    EXPECT_EQ(picture.Row(0)[0], c.Transparent ? 0x7F204060u : 0x7FFFFFFFu) << c.Name;
  }
}

TEST(LabelFx, BoundsFollowTheShadowRoom) {
  const TRect bounds{10, 10, 58, 33};
  struct {
    const char* Name;
    bool AutoSize;
    TAlignment Alignment;
    TTextLayout Layout;
    TRect Expected;
  } const cases[] = {
      // The text area (48 x 23) keeps its size and place: 3 more before, 5 after.
      {"fixed, left top", false, taLeftJustify, tlTop, {7, 7, 63, 38}},
      {"fixed, centred", false, taCenter, tlCenter, {6, 6, 62, 37}},
      // Sized to the 40 x 15 text box with its room.
      {"auto, left top", true, taLeftJustify, tlTop, {7, 7, 55, 30}},
      {"auto, right bottom", true, taRightJustify, tlBottom, {10, 10, 58, 33}},
  };
  for (const auto& c : cases) {
    TacFxBoundsInput in{bounds, {0, 0}, {-3, 5}, c.AutoSize, 40, 15, c.Alignment, c.Layout};
    const TRect moved = FxAdjustBounds(in);
    EXPECT_EQ(moved, c.Expected) << c.Name;
    // Taking the shadow away again gives the label back its old place.
    if (!c.AutoSize) {
      EXPECT_EQ(FxAdjustBounds({moved, {-3, 5}, {0, 0}, false, 0, 0, c.Alignment, c.Layout}), bounds) << c.Name;
    }
  }
}

TEST(StickyLabel, PlacesBesideTheReferenceByASide) {
  const TRect edit{100, 50, 220, 71};  // 120 x 21
  struct {
    TAlignTo Side;
    TPoint Expected;
  } const cases[] = {
      {altLeft, {58, 54}},    // 100 - 40 - 2; 50 + (21 - 13) div 2
      {altTop, {100, 35}},    // 50 - 13 - 2
      {altRight, {222, 54}},  // 100 + 120 + 2
      {altBottom, {100, 73}},
  };
  for (const auto& c : cases) EXPECT_EQ(StickyPosition(edit, 40, 13, c.Side, 2), c.Expected) << c.Side;
  EXPECT_EQ(OppositeSide(altTop), altBottom);
  EXPECT_EQ(OppositeSide(altBottom), altTop);
  EXPECT_EQ(OppositeSide(altLeft), altRight);
  EXPECT_EQ(OppositeSide(altRight), altLeft);
}

}  // namespace
