#include <gtest/gtest.h>

#include <string>

#include "skin/paint/focus_rect.h"
#include "skin/paint/tests/paint_test_util.h"

namespace {

// One character a pixel: '#' where the focus colour landed.
std::string Picture(const TBitmap32& bmp, TsColor dot) {
  std::string s;
  for (int y = 0; y < bmp.Height(); ++y) {
    for (int x = 0; x < bmp.Width(); ++x) s += GetAPixel(bmp, x, y) == dot ? '#' : '.';
    s += '\n';
  }
  return s;
}

}  // namespace

TEST(FocusRect, DotsOnEveryOtherOutlinePixelClippedToTheBitmap) {
  struct Case {
    TRect Rect;
    const char* Expected;
  };
  const Case cases[] = {
      {{0, 0, 6, 5},
       ".#.#.#\n"
       "#....#\n"
       "......\n"
       "#....#\n"
       ".#.#.#\n"},
      // An odd width leaves the last column of the top row blank.
      {{1, 1, 6, 4},
       "......\n"
       "..#.#.\n"
       ".#...#\n"
       "..#.#.\n"
       "......\n"},
      // Partly outside: only pixels inside are touched.
      {{-1, -1, 6, 4},
       ".....#\n"
       "......\n"
       ".....#\n"
       "#.#.#.\n"
       "......\n"},
      {{2, 2, 2, 4}, "......\n......\n......\n......\n......\n"},
  };
  for (const Case& c : cases) {
    TBitmap32 bmp = FilledBitmap(6, 5, 0x00102030);
    FocusRect(bmp, c.Rect, 0x000000FF);  // red
    EXPECT_EQ(Picture(bmp, 0xFFFF0000u), c.Expected) << c.Rect.Left << "," << c.Rect.Top;
  }
}
