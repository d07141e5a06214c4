// Scroll bars painted with the internal skin: the thumb where the look puts
// it, halves of a short bar, the faded disabled bar.
#include "skin/controls/scroll/scroll_paint.h"

#include <gtest/gtest.h>

#include "skin/forms/frame/tests/frame_test_forms.h"

namespace {

TsColor PixelAt(const TBitmap32& bmp, int x, int y) { return GetAPixel(bmp, x, y); }

bool SameColor(TsColor a, TsColor b) { return (a & 0xFFFFFF) == (b & 0xFFFFFF); }

TBitmap32 PaintedBar(int length, const TacBarLook& look) {
  TBitmap32 bmp(look.Vertical ? 17 : length, look.Vertical ? length : 17);
  TCacheInfo ci;
  ci.FillColor = 0x00C0C0C0;
  PaintScrollBar(InternalSkinModel(), bmp, ci, look);
  return bmp;
}

}  // namespace

TEST(ScrollPaint, ThumbArrowsAndTrackWhereTheLookPutsThem) {
  const TacScrollRange range{0, 99, 10, 45};
  const TacBarAxis axis{0, 200, 17};
  for (bool vertical : {false, true}) {
    const TacBarLook look = BarLookFor(range, axis, vertical, true, spNone, spNone);
    ASSERT_TRUE(look.ShowThumb);
    const TBitmap32 bar = PaintedBar(200, look);
    const auto at = [&](int along) { return vertical ? PixelAt(bar, 8, along) : PixelAt(bar, along, 8); };
    const int thumbMiddle = look.Thumb.Start + look.Thumb.Length / 2;
    EXPECT_FALSE(SameColor(at(thumbMiddle), at(60))) << "thumb against track, vertical " << vertical;
    EXPECT_TRUE(SameColor(at(60), at(170))) << "both halves of the track alike";
    // The thumb moves with the position.
    const TacBarLook moved = BarLookFor({0, 99, 10, 0}, axis, vertical, true, spNone, spNone);
    const TBitmap32 other = PaintedBar(200, moved);
    const auto otherAt = [&](int along) { return vertical ? PixelAt(other, 8, along) : PixelAt(other, along, 8); };
    EXPECT_TRUE(SameColor(otherAt(thumbMiddle), at(60)));
  }
}

TEST(ScrollPaint, PressedHotAndDisabledLooksDiffer) {
  const TacScrollRange range{0, 99, 10, 45};
  const TacBarAxis axis{0, 200, 17};
  const TBitmap32 normal = PaintedBar(200, BarLookFor(range, axis, false, true, spNone, spNone));
  const TBitmap32 pressed = PaintedBar(200, BarLookFor(range, axis, false, true, spNone, spLineUp));
  const TBitmap32 disabled = PaintedBar(200, BarLookFor(range, axis, false, false, spNone, spNone));
  // A corner pixel of the first arrow's border: its pressed frame differs.
  EXPECT_FALSE(SameColor(PixelAt(normal, 2, 2), PixelAt(pressed, 2, 2)));
  EXPECT_TRUE(SameColor(PixelAt(normal, 150, 8), PixelAt(pressed, 150, 8)));
  // Disabled: no thumb, faded toward the grey background.
  const int thumbMiddle = CalcThumb(range, axis).Start + 8;
  EXPECT_FALSE(SameColor(PixelAt(normal, thumbMiddle, 8), PixelAt(disabled, thumbMiddle, 8)));
  EXPECT_TRUE(SameColor(PixelAt(disabled, thumbMiddle, 8), PixelAt(disabled, 60, 8)));
}
