#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "skin/paint/bitmap32.h"
#include "skin/paint/hue_shift.h"
#include "skin/paint/pixel_changes.h"

namespace {

// Every colour of the cube whose channels are multiples of step (step 1:
// all 2^24), with alpha bytes that vary, in one row.
std::vector<TsColor> ColourCube(int step) {
  std::vector<TsColor> row;
  for (int r = 0; r < 256; r += step)
    for (int g = 0; g < 256; g += step)
      for (int b = 0; b < 256; b += step)
        row.push_back(static_cast<TsColor>((r ^ g) << 24 | r << 16 | g << 8 | b));
  return row;
}

// The row shifted by the vector code, plain and (where the processor has
// them) wide, must equal ChangeColorHUE, the real arithmetic, pixel by
// pixel; key pixels stay as they are.
void ExpectSameAsRealArithmetic(const std::vector<TsColor>& colours, int offset, TColor key) {
  std::vector<TsColor> want = colours;
  for (TsColor& p : want)
    if (key == clNone || p != key) p = ChangeColorHUE(p, offset);
  for (bool wide : {false, true}) {
    if (wide && !HueRowsWide()) continue;
    std::vector<TsColor> row = colours;
    ChangeHueRow(row.data(), static_cast<int>(row.size()), offset, key, wide);
    int wrong = 0;
    for (size_t i = 0; i < row.size(); ++i)
      if (row[i] != want[i] && ++wrong <= 5)
        ADD_FAILURE() << "offset " << offset << (wide ? " wide" : " plain") << ": pixel " << std::hex << colours[i]
                      << " became " << row[i] << ", not " << want[i];
    EXPECT_EQ(wrong, 0) << "offset " << offset << (wide ? " wide" : " plain");
  }
}

}  // namespace

TEST(HueShift, EveryColourAsTheRealArithmeticGivesIt) {
  ExpectSameAsRealArithmetic(ColourCube(1), 30, clNone);
}

TEST(HueShift, OffsetsOfEverySignAndSizeAndTheKey) {
  const std::vector<TsColor> cube = ColourCube(3);
  const int offsets[] = {0, 1, -1, 59, 60, -60, 119, 180, -179, 359, 360, -360, 361, 1000, -1000, -30,
                         INT_MAX, INT_MIN, INT_MAX - 200, INT_MIN + 200};
  for (int offset : offsets) ExpectSameAsRealArithmetic(cube, offset, clNone);
  ExpectSameAsRealArithmetic(cube, 77, 0x00FF00FF);  // in the cube with steps of 3
}

TEST(HueShift, BitmapsOfAnyWidthGoThroughWhole) {
  // Rows shorter and longer than the blocks the vector code works in.
  for (int width : {1, 3, 63, 64, 65, 200}) {
    TBitmap32 bmp(width, 2);
    std::vector<TsColor> before;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < width; ++x) {
        const TsColor p = static_cast<TsColor>(0x80000000u | (x * 37 + y * 101) << 8 | (x * 13) % 256);
        SetAPixel(bmp, x, y, p);
        before.push_back(p);
      }
    ChangeBitmapPixels(bmp, ChangeColorHUE, 45, sFuchsia);
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < width; ++x)
        EXPECT_EQ(GetAPixel(bmp, x, y), ChangeColorHUE(before[static_cast<size_t>(y * width + x)], 45))
            << "width " << width << " at " << x << "," << y;
  }
}
