// The arithmetic of a scroll bar: thumb size and place, which part a point
// is on, the position a dragged thumb stands for, where the bars go.
#include "skin/controls/scroll/scroll_math.h"

#include <gtest/gtest.h>

#include "skin/controls/scroll/scroll_layout.h"

TEST(ScrollMath, MulDivRoundsAndGuardsItsDivisor) {
  struct Case {
    long long A, B, C;
    int Expected;
  } const cases[] = {
      {10, 3, 4, 8},   {10, 1, 4, 3},  {-10, 1, 4, -3}, {3, 1, 2, 2},  // 7.5 -> 8, 2.5 -> 3, -2.5 -> -3, 1.5 -> 2
      {5, 5, 0, 0},    {5, 5, -3, 0},                                   // no divisor: 0, never -1
      {100000, 100000, 7, 1428571429},                                  // the product needs 64 bits
  };
  for (const Case& c : cases) EXPECT_EQ(ScrollMulDiv(c.A, c.B, c.C), c.Expected) << c.A << "*" << c.B << "/" << c.C;
}

TEST(ScrollMath, ThumbLengthAndStart) {
  // A bar at 10, 200 long, arrows of 16: a track of 168 from 26.
  struct Case {
    TacScrollRange Range;
    int Button, Length, Start;
  } const cases[] = {
      {{0, 99, 10, 0}, 16, 17, 26},             // page share 16.8 -> 17, at the start
      {{0, 99, 10, 90}, 16, 17, 26 + 151},      // the last position puts it at the track's end
      {{0, 99, 10, 45}, 16, 17, 26 + 76},       // 45 * 151 / 90 = 75.5 -> 76
      {{0, 99, 0, 0}, 16, 16, 26},              // no page: the arrow length, at least 16
      {{0, 99, 1, 0}, 0, 19, 10},               // no arrows: at least 19
      {{0, 99, 100, 0}, 16, 168, 26},           // the page covers the range: the whole track
      {{5, 4, 3, 0}, 16, 16, 26},               // empty range: the track's start
      {{0, 0, 0, 0}, 16, 16, 26},               // a range of one position
      {{0, 1, 1, 1}, 16, 84, 26 + 84},          // a range of two: half the track each
      {{0, 999999, 10, 999990}, 16, 16, 26 + 152},  // beyond 16 bits, at its end
      {{-70000, 70000, 1, 0}, 16, 16, 26 + 76},     // negative minimum, the middle
  };
  for (const Case& c : cases) {
    const TacThumb thumb = CalcThumb(c.Range, {10, 200, c.Button});
    EXPECT_EQ(thumb.Length, c.Length) << c.Range.Max << "/" << c.Range.Page << "@" << c.Range.Pos;
    EXPECT_EQ(thumb.Start, c.Start) << c.Range.Max << "/" << c.Range.Page << "@" << c.Range.Pos;
  }
}

TEST(ScrollMath, HitTestAlongTheBar) {
  const TacScrollRange middle{0, 99, 10, 45};  // thumb 102..119 on a bar 10..210
  struct Case {
    TacScrollRange Range;
    int Length, Along, Portion;
  } const cases[] = {
      {middle, 200, 9, spNone},     {middle, 200, 10, spLineUp},   {middle, 200, 25, spLineUp},
      {middle, 200, 26, spPageUp},  {middle, 200, 101, spPageUp},  {middle, 200, 102, spThumb},
      {middle, 200, 118, spThumb},  {middle, 200, 119, spPageDown}, {middle, 200, 193, spPageDown},
      {middle, 200, 194, spLineDown}, {middle, 200, 209, spLineDown}, {middle, 200, 210, spNone},
      // The page covers the range: no thumb, the track answers nothing.
      {{0, 99, 100, 0}, 200, 100, spNone},
      // A bar no longer than two arrows is two halves.
      {middle, 30, 10, spLineUp},   {middle, 30, 24, spLineUp},    {middle, 30, 25, spLineDown},
      {middle, 30, 39, spLineDown},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScrollHitTest(c.Range, {10, c.Length, 16}, c.Along), c.Portion) << c.Length << ":" << c.Along;
}

TEST(ScrollMath, DraggedThumbPositionStaysInTheScrollableRange) {
  // A track of 168 from 26 on a bar at 10; the cursor took the thumb at its start.
  struct Case {
    TacScrollRange Range;
    int Along, Position;
  } const cases[] = {
      {{0, 99, 10, 0}, 26, 0},
      {{0, 99, 10, 0}, -500, 0},           // far before the bar: never below Min
      {{0, 99, 10, 0}, 26 + 151, 90},      // the track's end: Max - Page + 1
      {{0, 99, 10, 0}, 5000, 90},          // far beyond it: no further
      {{0, 99, 10, 0}, 26 + 75, 45},       // 75 * 90 / 151 = 44.7
      {{0, 99, 0, 0}, 5000, 99},           // no page: Max
      {{0, 0, 0, 0}, 5000, 0},             // a range of one position
      {{0, 1, 1, 0}, 5000, 1},             // a range of two
      {{0, 99999, 20, 0}, 5000, 99980},    // beyond 16 bits
      {{0, 99999, 20, 0}, 26 + 76, 49990},  // half the span, half the range
      {{-50, 50, 10, 0}, -500, -50},       // a negative minimum holds
      {{0, 99, 100, 0}, 5000, 0},          // the page covers the range: nowhere to go
  };
  for (const Case& c : cases) {
    TacThumbDrag drag;
    drag.Range = c.Range;
    drag.Bar = {10, 200, 16};
    drag.ThumbLength = CalcThumb(c.Range, drag.Bar).Length;
    drag.Offset = 0;
    EXPECT_EQ(drag.PositionAt(c.Along), c.Position) << c.Range.Max << "/" << c.Range.Page << " at " << c.Along;
  }
}

TEST(ScrollLayout, BarsTakeTheirSpaceOnlyWhereTheClientHasIt) {
  struct Case {
    TRect Client;
    bool LeftScroll;
    TRect Expected;
    bool Horz, Vert;
  } const cases[] = {
      {{2, 2, 98, 98}, false, {2, 2, 81, 81}, true, true},
      {{2, 2, 98, 98}, true, {19, 2, 98, 81}, true, true},
      {{2, 2, 98, 12}, false, {2, 2, 81, 12}, false, true},  // lower than the bar: no horizontal bar
      {{2, 2, 12, 98}, false, {2, 2, 12, 81}, true, false},
  };
  for (const Case& c : cases) {
    const TacBarReserve r = ReserveBars(c.Client, {true, 17}, {true, 17}, c.LeftScroll);
    EXPECT_EQ(r.Client, c.Expected);
    EXPECT_EQ(r.HorzVisible, c.Horz);
    EXPECT_EQ(r.VertVisible, c.Vert);
  }
  const TacBarRects right = LayoutBars({100, 50, 300, 250}, {2, 3, 4, 5}, 17, true, 16, true, false);
  EXPECT_EQ(right.Horz, (TRect{102, 228, 280, 245}));
  EXPECT_EQ(right.Vert, (TRect{280, 53, 296, 228}));
  EXPECT_EQ(right.Corner, (TRect{280, 228, 296, 245}));
  const TacBarRects left = LayoutBars({100, 50, 300, 250}, {2, 3, 4, 5}, 17, true, 16, true, true);
  EXPECT_EQ(left.Horz, (TRect{118, 228, 296, 245}));
  EXPECT_EQ(left.Vert, (TRect{102, 53, 118, 228}));
  EXPECT_TRUE(LayoutBars({0, 0, 100, 100}, {}, 17, false, 17, true, false).Corner.IsEmpty());
}
