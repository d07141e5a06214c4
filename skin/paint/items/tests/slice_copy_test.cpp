#include "skin/paint/items/slice_copy.h"

#include <gtest/gtest.h>

#include "skin/paint/items/skin_rect.h"
#include "skin/paint/items/tests/paint_test_skin.h"

namespace {

// A one-frame record four pixels wide: the picture row above its mask row.
// Picture: plain, plain, hole, plain. Mask: 0 (picture), 255 (background), 128, 128.
TsMaskData MaskedRow() {
  const TsColor picture[4] = {Opaque(0x102030), Opaque(0x102030), sFuchsia, Opaque(0x405060)};
  const TsColor mask[4] = {Opaque(0), Opaque(0xFFFFFF), Opaque(0x808080), Opaque(0x808080)};
  TsMaskData md;
  md.Image = Picture(4, 2, [&](int x, int y) { return y == 0 ? picture[x] : mask[x]; });
  md.SourceRect = {0, 0, 4, 2};
  md.FrameCount = 1;
  md.MaskKind = 1;
  return md;
}

TBitmap32 Filled(int w, int h, TsColor value) {
  return Picture(w, h, [=](int, int) { return value; });
}

std::vector<TsColor> RowOf(const TBitmap32& bmp, int y, int from, int to) {
  return {bmp.Row(y) + from, bmp.Row(y) + to};
}

TEST(CopyByMask, ReadyCacheWithUseCacheShowsTheParentInHolesAndMakesEveryPixelOpaque) {
  const TsMaskData md = MaskedRow();
  const TBitmap32 parent = Picture(10, 10, [](int x, int y) { return Opaque(static_cast<TsColor>(x << 8 | y)); });
  TBitmap32 dst = Filled(6, 1, 0x11C0C0C0);
  CopyByMask(dst, {1, 0, 5, 1}, {0, 0, 4, 1}, md, true, ReadyCache(parent, 3, 4));
  // m = 0 gives the picture; m = 255 keeps 255/256 of the background; 128 halves.
  EXPECT_EQ(RowOf(dst, 0, 0, 6), (std::vector<TsColor>{0x11C0C0C0, 0xFF102030, 0xFFBFBFBF, Opaque(6 << 8 | 4),
                                                        0xFF808890, 0x11C0C0C0}));
}

TEST(CopyByMask, ReadyCacheWithoutUseCacheMixesHolesLikeAnyPixel) {
  const TsMaskData md = MaskedRow();
  const TBitmap32 parent = Filled(10, 10, Opaque(0));
  TBitmap32 dst = Filled(4, 1, 0x11C0C0C0);
  CopyByMask(dst, {0, 0, 4, 1}, {0, 0, 4, 1}, md, false, ReadyCache(parent, 0, 0));
  EXPECT_EQ(dst.Row(0)[2], 0xFFDF60DFu);
  EXPECT_EQ(dst.Row(0)[0], 0xFF102030u);
}

TEST(CopyByMask, WithoutReadyCacheHolesTakeTheFillColourOrStayAndAlphaIsKept) {
  const TsMaskData md = MaskedRow();
  TBitmap32 withCache = Filled(4, 1, 0x11C0C0C0);
  CopyByMask(withCache, {0, 0, 4, 1}, {0, 0, 4, 1}, md, true, FillOnly(0x0000FF));
  EXPECT_EQ(RowOf(withCache, 0, 0, 4), (std::vector<TsColor>{0x11102030, 0x11BFBFBF, 0xFFFF0000, 0x11808890}));

  TBitmap32 without = Filled(4, 1, 0x11C0C0C0);
  CopyByMask(without, {0, 0, 4, 1}, {0, 0, 4, 1}, md, false, FillOnly(0x0000FF));
  EXPECT_EQ(without.Row(0)[2], 0x11C0C0C0u);

  // No parent colour at all: the hole stays a key pixel for the window region.
  TBitmap32 keyed = Filled(4, 1, 0x11C0C0C0);
  CopyByMask(keyed, {0, 0, 4, 1}, {0, 0, 4, 1}, md, true, EmptyCI);
  EXPECT_EQ(keyed.Row(0)[2], sFuchsia);
}

TEST(CopyByMask, SlicesReachingPastEitherBitmapAreCut) {
  const TsMaskData md = MaskedRow();
  TBitmap32 dst = Filled(3, 1, 0x00C0C0C0);
  CopyByMask(dst, {-1, 0, 3, 1}, {0, 0, 4, 1}, md, false, EmptyCI);  // from source column 1
  EXPECT_EQ(RowOf(dst, 0, 0, 3), (std::vector<TsColor>{0x00BFBFBF, 0x00C0C0C0, 0x00808890}));
  CopyByMask(dst, {0, 0, 3, 1}, {2, 0, 5, 1}, md, false, EmptyCI);  // column 4 does not exist
  EXPECT_EQ(RowOf(dst, 0, 0, 3), (std::vector<TsColor>{0x00BFBFBF, 0x00808890, 0x00808890}));
}

TEST(SliceTile, RepeatsFromThePhaseAndCutsTheLastCopy) {
  const TBitmap32 pic = Picture(3, 1, [](int x, int) { return Opaque(static_cast<TsColor>(x + 1)); });
  TBitmap32 dst = Filled(9, 1, 0);
  SliceTile(dst, {1, 0, 8, 1}, {&pic, TSliceMix::Plain, 0}, {0, 0, 3, 1}, {});
  EXPECT_EQ(RowOf(dst, 0, 0, 9), (std::vector<TsColor>{0, Opaque(1), Opaque(2), Opaque(3), Opaque(1), Opaque(2),
                                                       Opaque(3), Opaque(1), 0}));
  SliceTile(dst, {0, 0, 4, 1}, {&pic, TSliceMix::Plain, 0}, {0, 0, 3, 1}, {}, {4, 0});
  EXPECT_EQ(RowOf(dst, 0, 0, 4), (std::vector<TsColor>{Opaque(2), Opaque(3), Opaque(1), Opaque(2)}));
}

TEST(TileBitmap, StretchesByNearestNeighbourAndKeepsBandsAtTheirEdge) {
  const TBitmap32 pic = Picture(2, 2, [](int x, int y) { return Opaque(static_cast<TsColor>(10 * y + x)); });
  TBitmap32 dst = Filled(4, 4, 0);
  TileBitmap(dst, {0, 0, 4, 4}, pic, {0, 0, 2, 2}, fmStretched);
  EXPECT_EQ(RowOf(dst, 1, 0, 4), (std::vector<TsColor>{Opaque(0), Opaque(0), Opaque(1), Opaque(1)}));
  EXPECT_EQ(dst.Row(3)[3], Opaque(11));

  TBitmap32 band = Filled(5, 5, 0);
  TileBitmap(band, {0, 0, 5, 5}, pic, {0, 0, 2, 2}, fmTileHorBtm);
  EXPECT_EQ(band.Row(2)[0], 0u);
  EXPECT_EQ(RowOf(band, 3, 0, 5), (std::vector<TsColor>{Opaque(0), Opaque(1), Opaque(0), Opaque(1), Opaque(0)}));
  EXPECT_EQ(band.Row(4)[1], Opaque(11));
}

// Border images of a master bitmap, drawn by DrawSkinRect.
TEST(DrawSkinRect, AFivePixelControlWithMarginsThreeAndThreeKeepsThreeLeftAndTwoRight) {
  const TBitmap32 master = Picture(9, 9, [](int x, int) { return Opaque(static_cast<TsColor>(0x010101 * (20 * x + 10))); });
  TTestSkin skin("[BOX]\nBORDERSMASK=^0000^0000^0009^0009^0003^0003^0003^0003^1^0^1^0\n", master);
  const TsMaskData& md = skin.Image("BOX", "BORDERSMASK");
  const TSliceMargins m = FitMargins(md, 5, 9);
  EXPECT_EQ(m.Left, 3);
  EXPECT_EQ(m.Right, 2);
  EXPECT_EQ(FitMargins(md, 1, 9).Left, 1);  // excess 5: two off the left, three off the right
  EXPECT_EQ(FitMargins(md, 1, 9).Right, 0);

  TBitmap32 bmp = Filled(5, 9, 0);
  DrawSkinRect(bmp, {0, 0, 5, 9}, EmptyCI, false, 0, md);
  const auto column = [&](int x) { return master.Row(0)[x]; };
  EXPECT_EQ(RowOf(bmp, 4, 0, 5), (std::vector<TsColor>{column(0), column(1), column(2), column(7), column(8)}));
}

TEST(DrawSkinRect, StateFiveOfThreeFramesUsesTheLastFrame) {
  const TBitmap32 master = Picture(12, 4, [](int x, int) { return Opaque(static_cast<TsColor>(0x100000 * (x / 4 + 1))); });
  TTestSkin skin("[BOX]\nBORDERSMASK=^0000^0000^0012^0004^0001^0001^0001^0001^3^0^5^0\n", master);
  TBitmap32 bmp = Filled(6, 6, 0);
  DrawSkinRect(bmp, {0, 0, 6, 6}, EmptyCI, false, 5, skin.Image("BOX", "BORDERSMASK"));
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) ASSERT_EQ(bmp.Row(y)[x], Opaque(0x300000)) << x << "," << y;
}

TEST(DrawSkinRect, TooSmallRectanglesAndNegativeCentresDrawNothing) {
  const TBitmap32 master = Picture(4, 4, [](int, int) { return Opaque(0x123456); });
  TTestSkin skin("[BOX]\nBORDERSMASK=^0000^0000^0004^0004^0003^0001^0003^0001^1^0^5^0\n"
                 "[OK]\nBORDERSMASK=^0000^0000^0004^0004^0001^0001^0001^0001^1^0^5^0\n", master);
  TBitmap32 bmp = Filled(8, 8, 0);
  DrawSkinRect(bmp, {0, 0, 8, 8}, EmptyCI, false, 0, skin.Image("BOX", "BORDERSMASK"));  // 3 + 3 > 4
  DrawSkinRect(bmp, {0, 0, 1, 8}, EmptyCI, false, 0, skin.Image("OK", "BORDERSMASK"));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(bmp.Row(y)[x], 0u);
}

}  // namespace
