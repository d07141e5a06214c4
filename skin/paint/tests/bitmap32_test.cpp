#include <gtest/gtest.h>

#include "skin/paint/bitmap32.h"
#include "skin/paint/blends.h"
#include "skin/paint/fills.h"
#include "skin/paint/tests/paint_test_util.h"

TEST(Bitmap32, RowsAreReachedThroughRowZeroAndASignedStride) {
  for (TRowOrder order : {TRowOrder::TopDown, TRowOrder::BottomUp}) {
    TBitmap32 bmp(3, 4, order);
    std::uint8_t* row0 = nullptr;
    std::ptrdiff_t delta = 0;
    ASSERT_TRUE(bmp.InitLine(row0, delta));
    EXPECT_EQ(delta, order == TRowOrder::TopDown ? 12 : -12);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(reinterpret_cast<std::uint8_t*>(bmp.Row(y)), row0 + y * delta);
    // A new bitmap is zero-filled, as a fresh device-independent bitmap is.
    EXPECT_EQ(GetAPixel(bmp, 2, 3), 0u);
    SetAPixel(bmp, 2, 3, 0x11223344);
    EXPECT_EQ(GetAPixel(bmp, 2, 3), 0x11223344u);
    EXPECT_EQ(row0[3 * delta + 8], 0x44);  // blue is the first byte in memory
  }
}

TEST(Bitmap32, BothRowOrdersPaintTheSamePicture) {
  TBitmap32 down = FilledBitmap(4, 3, 0xFF102030, TRowOrder::TopDown);
  TBitmap32 up = FilledBitmap(4, 3, 0xFF102030, TRowOrder::BottomUp);
  for (TBitmap32* bmp : {&down, &up}) {
    FillRect32(*bmp, {1, 0, 3, 1}, 0x0000FF, 0x80);
    BlendColorRect(*bmp, {0, 2, 3, 2}, 50, 0);
  }
  for (int y = 0; y < 3; ++y) EXPECT_EQ(RowOf(down, y), RowOf(up, y)) << "row " << y;
  EXPECT_EQ(GetAPixel(up, 1, 0), 0x80FF0000u);
}

TEST(Bitmap32, ABitmapWithoutRowsFailsInitLineAndEveryPrimitiveDoesNothing) {
  for (auto [w, h] : {std::pair{0, 5}, {5, 0}, {-1, 3}}) {
    TBitmap32 bmp = CreateBmp32(w, h);
    EXPECT_TRUE(bmp.Empty());
    std::uint8_t* row0 = nullptr;
    std::ptrdiff_t delta = 0;
    EXPECT_FALSE(bmp.InitLine(row0, delta));
    FillRect32(bmp, {0, 0, 5, 5}, 0, 255);
    UpdateAlpha(bmp);
    BlendColorRect(bmp, {0, 0, 5, 5}, 50, 0);
    TBitmap32 other(5, 5);
    SumBitmaps(bmp, other, 128);
    BlendTransRectangle(other, 0, 0, clNone, 0.5, {0, 0, 4, 4}, bmp);
  }
}

TEST(Bitmap32, MovingHandsThePixelsOver) {
  TBitmap32 a = FilledBitmap(2, 2, 7);
  TBitmap32 b = std::move(a);
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(a.Width(), 0);
  ASSERT_EQ(b.Width(), 2);
  EXPECT_EQ(GetAPixel(b, 1, 1), 7u);
  a = std::move(b);
  EXPECT_EQ(GetAPixel(a, 0, 0), 7u);
}
