#include <gtest/gtest.h>

#include <random>

#include "skin/paint/blends.h"
#include "skin/paint/fills.h"
#include "skin/paint/tests/paint_test_util.h"

TEST(Fills, FillRect32ClipsAndWritesPixelOrderWithTheAlpha) {
  TBitmap32 bmp(4, 4);
  FillRect32(bmp, {-2, -2, 2, 2}, 0x0000FF, 0x80);
  EXPECT_EQ(GetAPixel(bmp, 0, 0), 0x80FF0000u);
  EXPECT_EQ(GetAPixel(bmp, 1, 1), 0x80FF0000u);
  EXPECT_EQ(GetAPixel(bmp, 2, 1), 0u);
  EXPECT_EQ(GetAPixel(bmp, 1, 2), 0u);
  FillRect32(bmp, {3, 3, 9, 9}, 0x8000000F, 255);  // a system colour reference
  EXPECT_EQ(GetAPixel(bmp, 3, 3), 0xFF000000u | SwapRedBlue(ColorToRGB(0x8000000F)));
}

TEST(Fills, FillAlphaRectSkipsPixelsEqualToTheKeyOnAll32Bits) {
  TBitmap32 bmp = RowBitmap({0x00FF00FF, 0x01FF00FF, 0x00123456});
  FillAlphaRect(bmp, {0, 0, 3, 1}, 0xFF, sFuchsia);
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x00FF00FF, 0xFFFF00FF, 0xFF123456}));
  FillAlphaRect(bmp, {0, 0, 3, 1}, 0x40, clNone);
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x40FF00FF, 0x40FF00FF, 0x40123456}));
}

TEST(Fills, UpdateAlphaPremultipliesWithAShift) {
  TBitmap32 bmp = RowBitmap({0x80FF0000, 0x00FFFFFF, 0xFFFFFFFF, 0x00123456, 0x40FF8001});
  UpdateAlpha(bmp);
  // 255 * 255 >> 8 is 254: a shift, not a division by 255.
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x807F0000, 0, 0xFFFEFEFE, 0, 0x403F2000}));
  TBitmap32 part = RowBitmap({0x80FF0000, 0x80FF0000});
  UpdateAlpha(part, {1, 0, 5, 1});
  EXPECT_EQ(RowOf(part, 0), (std::vector<TsColor>{0x80FF0000, 0x807F0000}));
}

TEST(Blends, BlendColorRectRoundsHalvesToEvenWithInclusiveEdges) {
  TBitmap32 bmp = RowBitmap({0x7F010305, 0x00FFFFFF});
  BlendColorRect(bmp, {-3, 0, 0, 0}, 50, 0);  // only column 0: right is inclusive
  // 0.5 -> 0, 1.5 -> 2, 2.5 -> 2; alpha unchanged
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x7F000202, 0x00FFFFFF}));
  BlendColorRect(bmp, {0, 0, 99, 99}, 40, 0x0000FF);  // clipped to width - 1
  // 255 * 0.4 + 255 * 0.6 = 255 for red; 255 * 0.4 = 102 for green and blue
  EXPECT_EQ(GetAPixel(bmp, 1, 0), 0x00FF6666u);
}

TEST(Blends, SumBitmapsWeighsTheDestinationOutOf256) {
  TBitmap32 dst = RowBitmap({0x11000000, 0x00FF00FF});
  TBitmap32 src = RowBitmap({0x22FFFFFF, 0x00000000});
  SumBitmaps(dst, src, 255);
  // ((0 - 255) * 255 + 255 * 256) >> 8 = 0; (255 * 255) >> 8 = 254; alpha kept
  EXPECT_EQ(RowOf(dst, 0), (std::vector<TsColor>{0x11000000, 0x00FE00FE}));
  TBitmap32 other(3, 1);
  SumBitmaps(dst, other, 0);  // sizes differ: nothing
  EXPECT_EQ(GetAPixel(dst, 1, 0), 0x00FE00FEu);
  SumBitmaps(dst, src, 0);
  EXPECT_EQ(RowOf(dst, 0), (std::vector<TsColor>{0x11FFFFFF, 0x00000000}));
}

TEST(Blends, SumBmpRectIsClippedToBothBitmaps) {
  TBitmap32 dst = FilledBitmap(3, 2, 0);
  TBitmap32 src = FilledBitmap(2, 2, 0x00FFFFFF);
  SumBmpRect(dst, src, 128, {-1, 0, 2, 1}, {2, 0});
  EXPECT_EQ(RowOf(dst, 0), (std::vector<TsColor>{0, 0, 0}));  // column 0 lands beyond the right edge
  SumBmpRect(dst, src, 128, {0, 0, 2, 2}, {2, 1});
  EXPECT_EQ(RowOf(dst, 1), (std::vector<TsColor>{0, 0, 0x007F7F7F}));
}

TEST(Blends, MaskedSumsTakeTheWeightPerChannelFromTheMask) {
  TBitmap32 dst = RowBitmap({0x00C8C8C8, 0x00C8C8C8});
  TBitmap32 picture = RowBitmap({0x00000000, 0x00000000});
  TBitmap32 mask = RowBitmap({0x00000000, 0x00FF8000});
  SumBitmapsByMask(dst, picture, mask);
  EXPECT_EQ(RowOf(dst, 0), (std::vector<TsColor>{0, 0x00C76400}));  // 200*255>>8, 200*128>>8, 0

  // A picture row with its mask band one picture height below.
  TBitmap32 band(2, 2);
  SetAPixel(band, 0, 0, 0x000000FF);
  SetAPixel(band, 0, 1, 0x00000080);
  TBitmap32 target = FilledBitmap(2, 1, 0x00000010);
  SumByMaskWith32(target, {1, 0}, band, {0, 0, 2, 1});
  EXPECT_EQ(RowOf(target, 0), (std::vector<TsColor>{0x10, 0x87}));  // (16 * 128 + 255 * 128) >> 8 = 135
}

TEST(Blends, BlendTransRectangleSkipsKeyPixelsAndClips) {
  TBitmap32 src = RowBitmap({0x00C8C8C8, 0x00FF00FF, 0x01FF00FF});
  TBitmap32 dst = FilledBitmap(3, 1, 0x55646464);
  BlendTransRectangle(dst, 0, 0, sFuchsia, 0.4, {0, 0, 2, 0}, src);
  // Trunc(s - (s - d) * 0.4): 200 - 40 = 160; the key is skipped, a key with alpha 1 is not.
  EXPECT_EQ(RowOf(dst, 0), (std::vector<TsColor>{0x55A0A0A0, 0x55646464, 0x55C128C1}));
  TBitmap32 dst2 = FilledBitmap(3, 1, 0);
  // Source left -1 moves the destination one column right; the overhang is skipped.
  BlendTransRectangle(dst2, 0, 0, clNone, 0.0, {-1, 0, 5, 5}, src);
  EXPECT_EQ(RowOf(dst2, 0), (std::vector<TsColor>{0, 0x00C8C8C8, 0x00FF00FF}));
  TBitmap32 dst3 = FilledBitmap(2, 1, 0);
  BlendTransRectangle(dst3, -2, 0, clNone, 0.0, {0, 0, 2, 0}, src);
  EXPECT_EQ(RowOf(dst3, 0), (std::vector<TsColor>{0x00FF00FF, 0}));
}

TEST(Blends, BlendTransRectangleIsTheRealArithmeticForEveryPairOfBytes) {
  // Source channels s and destination channels d over all 256 x 256 pairs
  // (blue s, d; green 255 - s, d; red s, 255 - d), for weights the integer
  // form takes and weights it leaves to the doubles.
  TBitmap32 src(256, 256), dst(256, 256);
  for (const double x : {0.4, 0.5, 0.6, 0.25, 1.0 / 3, 0.0, 1.0, 0.123456789, 0.999, -0.5, 1.5}) {
    for (int s = 0; s < 256; ++s)
      for (int d = 0; d < 256; ++d) {
        SetAPixel(src, d, s, static_cast<TsColor>(0x11000000 | s << 16 | (255 - s) << 8 | s));
        SetAPixel(dst, d, s, static_cast<TsColor>(0x22000000 | (255 - d) << 16 | d << 8 | d));
      }
    BlendTransRectangle(dst, 0, 0, clNone, x, {0, 0, 255, 255}, src);
    const auto expected = [x](int sc, int dc) { return ClampByte(Trunc(sc - (sc - dc) * x)); };
    int wrong = 0;
    for (int s = 0; s < 256; ++s)
      for (int d = 0; d < 256; ++d) {
        const TsColor want = 0x22000000u | static_cast<TsColor>(expected(s, 255 - d)) << 16 |
                             static_cast<TsColor>(expected(255 - s, d)) << 8 | static_cast<TsColor>(expected(s, d));
        if (GetAPixel(dst, d, s) != want && ++wrong <= 3)
          ADD_FAILURE() << "weight " << x << ", s " << s << ", d " << d << ": " << std::hex << GetAPixel(dst, d, s)
                        << " not " << want;
      }
    EXPECT_EQ(wrong, 0) << "weight " << x;
  }
}

TEST(Blends, BlendTransBitmapAndFadeMoveTowardAColour) {
  TBitmap32 bmp = RowBitmap({0x120000C8, 0x00FF00FF});
  BlendTransBitmap(bmp, 0x640000, 0.5);  // blue 200 halfway to 100
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x12000096, 0x00FF00FF}));
  TBitmap32 fade = RowBitmap({0x000000C8, 0x000000C8});
  FadeBmp(fade, {0, 0, 1, 1}, 60, 0);  // 60 percent toward black: 200 * 0.4
  EXPECT_EQ(RowOf(fade, 0), (std::vector<TsColor>{0x00000050, 0x000000C8}));
}

namespace {

// Pixels of every kind, the key among them; the same for the same seed.
TBitmap32 RandomBitmap(int width, int height, std::uint32_t seed, TRowOrder order = TRowOrder::TopDown) {
  std::mt19937 random(seed);
  TBitmap32 bmp(width, height, order);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const TsColor p = static_cast<TsColor>(random());
      SetAPixel(bmp, x, y, p % 11 == 0 ? sFuchsia : p);
    }
  return bmp;
}

TsColor ReferenceColorBlend(TsColor px, int percent, TsColor colour) {
  const double p = percent / 100.0;
  TsColor out = px & 0xFF000000u;
  for (int k = 0; k < 3; ++k)
    out |= static_cast<TsColor>(ClampByte(Round(ByteOf(px, k) * p + ByteOf(colour, k) * (1 - p)))) << (8 * k);
  return out;
}

TsColor ReferenceTransBlend(TsColor d, TsColor s, double x) {
  TsColor out = d & 0xFF000000u;
  for (int k = 0; k < 3; ++k)
    out |= static_cast<TsColor>(ClampByte(Trunc(ByteOf(s, k) - (ByteOf(s, k) - ByteOf(d, k)) * x))) << (8 * k);
  return out;
}

}  // namespace

// The whole-row code against the blend's definition pixel by pixel: every
// row width up to past two vectors, at every offset into a row, every
// percent from below 0 to above 100 (50 has exact halves) and random colours.
TEST(Blends, BlendColorRectIsThePerPixelArithmeticAtEveryWidthAndPercent) {
  std::mt19937 random(7);
  for (int percent = -5; percent <= 105; ++percent)
    for (int width = 1; width <= 19; ++width) {
      const std::uint32_t seed = random();
      const TRowOrder order = percent % 2 ? TRowOrder::BottomUp : TRowOrder::TopDown;
      const TBitmap32 before = RandomBitmap(24, 3, seed, order);
      TBitmap32 bmp = RandomBitmap(24, 3, seed, order);
      const int left = static_cast<int>(random() % 5);
      const TColor colour = static_cast<TColor>(random() & 0xFFFFFF);
      BlendColorRect(bmp, {left, 1, left + width - 1, 2}, percent, colour);
      for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 24; ++x) {
          const TsColor old = GetAPixel(before, x, y);
          const bool inside = y >= 1 && x >= left && x < left + width;
          const TsColor want = inside ? ReferenceColorBlend(old, percent, SwapRedBlue(colour)) : old;
          ASSERT_EQ(GetAPixel(bmp, x, y), want) << "percent " << percent << ", width " << width << ", x " << x
                                                << ", y " << y;
        }
    }
}

TEST(Blends, BlendTransRectangleIsThePerPixelArithmeticAtEveryWidth) {
  std::mt19937 random(11);
  for (const double x : {0.4, 0.5, 0.25, 0.6, 0.123456789})
    for (int width = 1; width <= 19; ++width)
      for (const TColor key : {sFuchsia, clNone}) {
        const std::uint32_t seed = random();
        const TBitmap32 src = RandomBitmap(24, 2, seed + 1);
        const TBitmap32 before = RandomBitmap(24, 3, seed, TRowOrder::BottomUp);
        TBitmap32 dst = RandomBitmap(24, 3, seed, TRowOrder::BottomUp);
        const int left = static_cast<int>(random() % 5), at = static_cast<int>(random() % 5);
        BlendTransRectangle(dst, at, 1, key, x, {left, 0, left + width - 1, 1}, src);
        for (int y = 0; y < 3; ++y)
          for (int dx = 0; dx < 24; ++dx) {
            const TsColor old = GetAPixel(before, dx, y);
            const int sx = dx - at + left;
            const bool inside = y >= 1 && dx >= at && sx < left + width;
            const TsColor s = inside ? GetAPixel(src, sx, y - 1) : 0;
            const TsColor want = inside && (key == clNone || s != key) ? ReferenceTransBlend(old, s, x) : old;
            ASSERT_EQ(GetAPixel(dst, dx, y), want)
                << "weight " << x << ", width " << width << ", key " << key << ", x " << dx << ", y " << y;
          }
      }
}
