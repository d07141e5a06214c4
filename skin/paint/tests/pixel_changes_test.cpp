#include <gtest/gtest.h>

#include "skin/paint/copies.h"
#include "skin/paint/tests/paint_test_util.h"
#include "skin/paint/pixel_changes.h"

TEST(PixelChanges, GrayScaleAveragesWithIntegerDivisionAndKeepsAlpha) {
  TBitmap32 bmp = RowBitmap({0x00010203, 0x7FFF0000, 0x00FF00FF});
  GrayScale(bmp);
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x00020202, 0x7F555555, 0x00AAAAAA}));
  TBitmap32 keyed = RowBitmap({0x00010203, 0x00FF00FF});
  GrayScaleTrans(keyed, sFuchsia);
  EXPECT_EQ(RowOf(keyed, 0), (std::vector<TsColor>{0x00020202, 0x00FF00FF}));
}

TEST(PixelChanges, ChangeBitmapPixelsSkipsTheKeyUnlessItIsClNone) {
  TBitmap32 bmp = RowBitmap({0x80FF0000, 0x00FF00FF});
  ChangeBitmapPixels(bmp, ChangeColorHUE, 120, sFuchsia);  // red to green, pixel order
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x8000FF00, 0x00FF00FF}));
  ChangeBitmapPixels(bmp, ChangeColorBrightness, -16, clNone);
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x8000EF00, 0x00EF00EF}));
  TBitmap32 toned = RowBitmap({0x11000080});
  ChangeBitmapPixels(toned, ChangeColorTone, 0x00FF00, clNone);
  EXPECT_EQ(GetAPixel(toned, 0, 0), 0x11007F00u);
  TBitmap32 grey = RowBitmap({0x00C86400});
  ChangeBitmapPixels(grey, ChangeColorSaturation, -255, clNone);
  EXPECT_EQ(GetAPixel(grey, 0, 0), 0x00646464u);
}

TEST(DisabledLook, GrayedDesaturatesByNinetyOrGreysAtMinusHundred) {
  TBitmap32 bmp = RowBitmap({0x00C86400, 0x00FF00FF});
  BmpDisabledKind(bmp, dkGrayed, 0, {}, EmptyCI);
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x00A56423, 0x00FF00FF}));
  TBitmap32 full = RowBitmap({0x00010203, 0x00FF00FF});
  GrayDisabled(full, -100);
  EXPECT_EQ(RowOf(full, 0), (std::vector<TsColor>{0x00020202, 0x00FF00FF}));
}

TEST(DisabledLook, BlendedTakesFortyPercentOfTheControl) {
  // Without a parent cache: toward the fill colour, or the control's colour
  // when the fill colour is the key.
  TBitmap32 bmp = RowBitmap({0x000000C8});
  TCacheInfo fill;
  fill.FillColor = 0x000000;
  BmpDisabledKind(bmp, dkBlended, 0x0000FF, {}, fill);
  EXPECT_EQ(GetAPixel(bmp, 0, 0), 0x00000050u);  // Round(200 * 0.4)
  TBitmap32 own = RowBitmap({0x000000C8});
  BmpDisabledKind(own, dkBlended, 0x0000FF, {}, EmptyCI);
  EXPECT_EQ(GetAPixel(own, 0, 0), 0x00990050u);  // red Round(0.6 * 255), blue Round(0.4 * 200)

  // With a ready cache: the parent's pixels at cache position + offset.
  TBitmap32 parent = FilledBitmap(4, 2, 0x00000064);
  SetAPixel(parent, 3, 1, 0x00FF00FF);  // key pixels of the parent are skipped
  TCacheInfo cache;
  cache.Bitmap = &parent;
  cache.X = 1;
  cache.Y = 1;
  cache.Ready = true;
  TBitmap32 control = RowBitmap({0x000000C8, 0x000000C8});
  BmpDisabledKind(control, dkBlended, 0, {1, 0}, cache);
  // Trunc(100 - (100 - 200) * 0.4) = 140 at parent (2, 1); parent (3, 1) is the key.
  EXPECT_EQ(RowOf(control, 0), (std::vector<TsColor>{0x0000008C, 0x000000C8}));
}

TEST(PixelChanges, GrayScaleDividesEverySumOfThreeChannelsExactly) {
  TBitmap32 bmp(256, 3);
  for (int k = 0; k < 3; ++k)
    for (int v = 0; v < 256; ++v) SetAPixel(bmp, v, k, MakeBytes(v, k == 0 ? 0 : 255, k == 2 ? 255 : v, 0x7F000000));
  TBitmap32 grey;
  CopyBmp(grey, bmp);
  GrayScale(grey);
  for (int k = 0; k < 3; ++k)
    for (int v = 0; v < 256; ++v) {
      const TsColor p = GetAPixel(bmp, v, k);
      const int g = (ByteOf(p, 0) + ByteOf(p, 1) + ByteOf(p, 2)) / 3;
      ASSERT_EQ(GetAPixel(grey, v, k), MakeBytes(g, g, g, 0x7F000000)) << "sum " << ByteOf(p, 0) + ByteOf(p, 1) + ByteOf(p, 2);
    }
}
