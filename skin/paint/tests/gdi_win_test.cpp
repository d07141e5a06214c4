#include <gtest/gtest.h>

#include "skin/paint/bitmap32_win.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/tests/paint_test_util.h"

namespace {

// A memory device context with the bitmap selected into it.
class TBitmapDC {
 public:
  explicit TBitmapDC(const TBitmap32& bmp) : dc_(CreateCompatibleDC(nullptr)) {
    old_ = SelectObject(dc_, BitmapHandle(bmp));
  }
  ~TBitmapDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

TEST(GdiWin, GdiDrawsIntoTheBitmapsRowsInEitherOrder) {
  for (TRowOrder order : {TRowOrder::TopDown, TRowOrder::BottomUp}) {
    TBitmap32 bmp = FilledBitmap(4, 3, 0, order);
    {
      TBitmapDC dc(bmp);
      FillDC(dc.Get(), {1, 0, 3, 1}, 0x00332211);
      FillDCBorder(dc.Get(), {0, 1, 4, 3}, 1, 0, 0, 1, 0x000000FF);
      GdiFlush();
    }
    EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0, 0x00112233, 0x00112233, 0}));
    EXPECT_EQ(RowOf(bmp, 1), (std::vector<TsColor>{0x00FF0000, 0, 0, 0}));
    EXPECT_EQ(RowOf(bmp, 2), (std::vector<TsColor>{0x00FF0000, 0x00FF0000, 0x00FF0000, 0x00FF0000}));
  }
}

TEST(GdiWin, FadeRectBlendsAScreenRectangleTowardAColour) {
  TBitmap32 bmp = FilledBitmap(2, 1, 0x000000C8);
  {
    TBitmapDC dc(bmp);
    FadeRect(dc.Get(), {1, 0, 2, 1}, 60, 0);
    GdiFlush();
  }
  EXPECT_EQ(RowOf(bmp, 0), (std::vector<TsColor>{0x000000C8, 0x00000050}));
}

TEST(GdiWin, TheRegionLeavesOutEveryRunOfKeyPixels) {
  TBitmap32 bmp = FilledBitmap(5, 3, 0x00000001, TRowOrder::BottomUp);
  for (int x : {0, 1, 3}) SetAPixel(bmp, x, 0, sFuchsia);
  for (int x = 0; x < 5; ++x) SetAPixel(bmp, x, 2, sFuchsia);
  const TOwnedRegion rgn = GetRgnFromBmp(bmp, sFuchsia);
  ASSERT_NE(rgn.Get(), nullptr);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x)
      EXPECT_EQ(PtInRegion(rgn.Get(), x, y) != 0, GetAPixel(bmp, x, y) != sFuchsia) << x << "," << y;
  RECT box{};
  EXPECT_EQ(GetRgnBox(rgn.Get(), &box), COMPLEXREGION);
  EXPECT_EQ(box.bottom, 2);

  const TOwnedRegion whole = GetRgnFromBmp(FilledBitmap(4, 2, 0), sFuchsia);
  EXPECT_EQ(GetRgnBox(whole.Get(), &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 4);
  EXPECT_EQ(box.bottom, 2);
}
