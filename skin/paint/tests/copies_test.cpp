#include <gtest/gtest.h>

#include "skin/paint/copies.h"
#include "skin/paint/tests/paint_test_util.h"

TEST(Copies, TransparentCopiesSkipTheKeyAndKeepOrCopyAlpha) {
  TBitmap32 src = RowBitmap({0x11223344, 0x00FF00FF, 0x22FFFFFF});
  TBitmap32 dst = FilledBitmap(3, 1, 0x99000000);
  CopyTransRect(dst, {0, 0}, src, {0, 0, 3, 1}, sFuchsia);
  EXPECT_EQ(RowOf(dst, 0), (std::vector<TsColor>{0x99223344, 0x99000000, 0x99FFFFFF}));
  TBitmap32 dstA = FilledBitmap(3, 1, 0x99000000);
  CopyTransRectA(dstA, {-1, 0}, src, {0, 0, 3, 1}, sFuchsia);  // clipped at the left
  EXPECT_EQ(RowOf(dstA, 0), (std::vector<TsColor>{0x99000000, 0x22FFFFFF, 0x99000000}));
  TBitmap32 all = FilledBitmap(3, 1, 0);
  CopyTransBitmaps(all, src, clNone);
  EXPECT_EQ(RowOf(all, 0), (std::vector<TsColor>{0x00223344, 0x00FF00FF, 0x00FFFFFF}));
}

TEST(Copies, PlainCopiesAndChannels) {
  TBitmap32 src = FilledBitmap(2, 2, 0x80102030, TRowOrder::BottomUp);
  SetAPixel(src, 1, 0, 0x01020304);
  TBitmap32 copy;
  CopyBmp(copy, src);
  EXPECT_EQ(copy.Order(), TRowOrder::BottomUp);
  EXPECT_EQ(RowOf(copy, 0), RowOf(src, 0));
  EXPECT_EQ(RowOf(copy, 1), RowOf(src, 1));

  TBitmap32 dst = FilledBitmap(3, 1, 0);
  CopyImage(dst, {1, 0}, src, {0, 0, 2, 1});
  EXPECT_EQ(RowOf(dst, 0), (std::vector<TsColor>{0, 0x80102030, 0x01020304}));

  TBitmap32 alpha = FilledBitmap(2, 2, 0x00AABBCC);
  CopyChannel(alpha, src, 3);
  EXPECT_EQ(GetAPixel(alpha, 1, 0), 0x01AABBCCu);
  CopyChannel32(alpha, 0, src, 3);  // alpha into blue
  EXPECT_EQ(GetAPixel(alpha, 0, 1), 0x80AABB80u);
}

TEST(KeyRuns, RunsOfKeyPixelsAndTheRegionLeftAroundThem) {
  TBitmap32 bmp = FilledBitmap(5, 3, 0x00000001);
  for (int x : {0, 1, 3}) SetAPixel(bmp, x, 0, sFuchsia);
  for (int x = 0; x < 5; ++x) SetAPixel(bmp, x, 2, sFuchsia);
  SetAPixel(bmp, 4, 1, 0x01FF00FF);  // not the key: alpha differs
  const std::vector<TRect> runs = AddRgnBmp(bmp, sFuchsia);
  EXPECT_EQ(runs, (std::vector<TRect>{{0, 0, 2, 1}, {3, 0, 4, 1}, {0, 2, 5, 3}}));
  EXPECT_EQ(RunsComplement(runs, 5, 3), (std::vector<TRect>{{2, 0, 3, 1}, {4, 0, 5, 1}, {0, 1, 5, 2}}));
  EXPECT_TRUE(AddRgnBmp(bmp, clNone).empty());
}
