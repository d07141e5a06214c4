#include "skin/paint/items/paint_item.h"

#include <gtest/gtest.h>

#include "skin/paint/items/tests/paint_test_skin.h"
#include "skin/paint/pixel_changes.h"

namespace {

TBitmap32 Blank(int w, int h) {
  return Picture(w, h, [](int, int) { return 0u; });
}

// A master bitmap whose columns 3 and 4 of each 8 x 7 frame differ (P, Q),
// for telling stretched edges from tiled ones.
constexpr TsColor kEdge = 0xFF203040, kP = 0xFF0000AA, kQ = 0xFF00AA00;
TBitmap32 TwoFrameMaster() {
  return Picture(16, 7, [](int x, int) { return x % 8 == 3 ? kP : x % 8 == 4 ? kQ : kEdge; });
}

TEST(PaintItem, AMenuItemBorderWithPaintModeThreeIsAbsentInStateZeroAndStretchedInStateOne) {
  TTestSkin skin("[MENUITEM]\nSTATES=2\nCOLOR=16777215\nHOTCOLOR=255\n"
                 "BORDERSMASK=^0000^0000^0016^0007^0003^0003^0003^0003^2^0^3^0\n",
                 TwoFrameMaster());
  const int menu = skin.Section("MENUITEM");
  TBitmap32 normal = Blank(16, 7);
  PaintItem(&skin.Model, menu, EmptyCI, 0, {0, 0, 16, 7}, {}, normal);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(normal.Row(y)[x], 0xFFFFFFFFu);

  TBitmap32 hot = Blank(16, 7);
  PaintItem(&skin.Model, menu, EmptyCI, 1, {0, 0, 16, 7}, {}, hot);
  // The two centre columns of the top edge stretched over ten: five P, five Q (tiling would alternate).
  const std::vector<TsColor> top(hot.Row(0), hot.Row(0) + 16);
  EXPECT_EQ(top, (std::vector<TsColor>{kEdge, kEdge, kEdge, kP, kP, kP, kP, kP, kQ, kQ, kQ, kQ, kQ, kEdge, kEdge, kEdge}));
  EXPECT_EQ(hot.Row(3)[8], 0xFFFF0000u);  // the centre keeps the hot colour (PaintMode has no bit 4)
}

TEST(PaintItem, RoundedCornersShowTheParentCacheThroughTheirHoles) {
  // A 6 x 6 picture over its mask band; the top-left pixel is a hole, the mask is black (picture).
  const TBitmap32 master = Picture(6, 12, [](int x, int y) {
    if (y >= 6) return Opaque(0);
    return x == 0 && y == 0 ? sFuchsia : Opaque(0x445566);
  });
  TTestSkin skin("[BTN]\nSTATES=1\nCOLOR=0\nBORDERSMASK=^0000^0000^0006^0012^0002^0002^0002^0002^1^1^1^0\n", master);
  EXPECT_EQ(skin.Image("BTN", "BORDERSMASK").CornerKind, 1);
  const TBitmap32 parent = Picture(40, 40, [](int x, int y) { return Opaque(static_cast<TsColor>(x << 16 | y << 8 | 7)); });
  TBitmap32 bmp = Blank(10, 10);
  PaintItem(&skin.Model, skin.Section("BTN"), ReadyCache(parent, 7, 5), 0, {0, 0, 10, 10}, {}, bmp);
  EXPECT_EQ(bmp.Row(0)[0], parent.Row(5)[7]);
  EXPECT_EQ(bmp.Row(0)[1], Opaque(0x445566));
  EXPECT_EQ(bmp.Row(5)[5], Opaque(0));  // the centre: the section colour
}

TEST(PaintItem, BottomLeftCornerImageLandsAtTheRectangleLeft) {
  const TBitmap32 master = Picture(30, 3, [](int x, int) { return x >= 20 && x < 24 ? Opaque(0x00FF00) : Opaque(0x111111); });
  TTestSkin skin("[PANEL]\nSTATES=1\nCOLOR=0\nIMGBTMLEFT=@0020@0000@0024@0003@1@0\n", master);
  TBitmap32 bmp = Blank(50, 20);
  PaintItem(&skin.Model, skin.Section("PANEL"), EmptyCI, 0, {10, 0, 40, 20}, {}, bmp);
  EXPECT_EQ(bmp.Row(17)[10], Opaque(0x00FF00));
  EXPECT_EQ(bmp.Row(19)[13], Opaque(0x00FF00));
  EXPECT_EQ(bmp.Row(16)[10], Opaque(0));
  EXPECT_EQ(bmp.Row(17)[14], Opaque(0));
  EXPECT_EQ(bmp.Row(17)[9], 0u);  // outside the rectangle
}

TEST(PaintItem, RectanglesOutsideTheBitmapAndInvalidSectionsPaintNothing) {
  TTestSkin skin("[PANEL]\nCOLOR=0\n", Blank(4, 4));
  TBitmap32 bmp = Blank(8, 8);
  PaintItem(&skin.Model, skin.Section("PANEL"), EmptyCI, 0, {4, 4, 9, 8}, {}, bmp);
  PaintItem(&skin.Model, 99, EmptyCI, 0, {0, 0, 8, 8}, {}, bmp);
  PaintItem(nullptr, 0, EmptyCI, 0, {0, 0, 8, 8}, {}, bmp);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(bmp.Row(y)[x], 0u);
}

// Transparency against the parent, as PaintItemBG mixes it.
class Transparency : public ::testing::Test {
 protected:
  TTestSkin skin_{"[GLASS]\nSTATES=1\nCOLOR=6553700\nTRANSPARENCY=100\n"
                  "[HALF]\nSTATES=1\nCOLOR=6553700\nTRANSPARENCY=50\n",  // 0x640064
                  Blank(4, 4)};
  TBitmap32 parent_ = Picture(20, 20, [](int x, int y) { return Opaque(static_cast<TsColor>(x * 10 << 8 | y * 10)); });
};

TEST_F(Transparency, FullTransparencyCopiesTheParentCacheFromItsPositionPlusTheOffset) {
  TBitmap32 bmp = Blank(4, 4);
  PaintItemBG(skin_.Model, skin_.Section("GLASS"), ReadyCache(parent_, 3, 2), 0, {1, 1, 4, 4}, {5, 6}, bmp);
  EXPECT_EQ(bmp.Row(1)[1], parent_.Row(8)[8]);
  EXPECT_EQ(bmp.Row(3)[3], parent_.Row(10)[10]);
  EXPECT_EQ(bmp.Row(0)[0], 0u);

  TBitmap32 filled = Blank(2, 2);
  PaintItemBG(skin_.Model, skin_.Section("GLASS"), FillOnly(0x123456), 0, {0, 0, 2, 2}, {}, filled);
  EXPECT_EQ(filled.Row(1)[1], Opaque(0x563412));
}

TEST_F(Transparency, HalfTransparencySumsTheOwnBackgroundOverTheCacheAtWeight127) {
  TBitmap32 bmp = Blank(2, 2);
  PaintItemBG(skin_.Model, skin_.Section("HALF"), ReadyCache(parent_, 4, 0), 0, {0, 0, 2, 2}, {}, bmp);
  // Parent pixel (5, 1): red 0, green 50, blue 10; own colour red 0x64, green 0, blue 0x64.
  const auto sum = [](int parent, int own) { return ((parent - own) * 127 + own * 256) >> 8; };
  EXPECT_EQ(bmp.Row(1)[1], Opaque(static_cast<TsColor>(sum(0, 0x64) << 16 | sum(50, 0) << 8 | sum(10, 0x64))));
}

TEST_F(Transparency, HalfTransparencyOnAPlainParentFillsWithTheMixedColour) {
  TBitmap32 bmp = Blank(2, 2);
  PaintItemBG(skin_.Model, skin_.Section("HALF"), FillOnly(0xC8C8C8), 0, {0, 0, 2, 2}, {}, bmp);
  EXPECT_EQ(bmp.Row(0)[0], Opaque(SwapRedBlue(MixColors(0xC8C8C8, 0x640064, 0.5))));
  EXPECT_EQ(bmp.Row(0)[0], Opaque(0x966496));
}

TEST(PaintItemBG, GradientRowsAdvanceByTruncatedSteps) {
  TTestSkin skin("[GRAD]\nSTATES=1\nCOLOR=0\nGRADIENTPERCENT=100\nGRADIENTDATA=0;16777215;100;0;0\n"
                 "[PART]\nSTATES=1\nCOLOR=16777215\nGRADIENTPERCENT=50\nGRADIENTDATA=0;0;100;0;0\n",
                 Blank(4, 4));
  TBitmap32 bmp = Blank(1, 4);
  PaintItemBG(skin.Model, skin.Section("GRAD"), EmptyCI, 0, {0, 0, 1, 4}, {}, bmp);
  EXPECT_EQ(bmp.Row(0)[0], Opaque(0));
  EXPECT_EQ(bmp.Row(1)[0], Opaque(0x3F3F3F));  // 63.75
  EXPECT_EQ(bmp.Row(2)[0], Opaque(0x7F7F7F));  // 127.5
  EXPECT_EQ(bmp.Row(3)[0], Opaque(0xBFBFBF));  // 191.25
  // A black gradient at 50 percent keeps half of itself and takes half of the white colour.
  PaintItemBG(skin.Model, skin.Section("PART"), EmptyCI, 0, {0, 0, 1, 4}, {}, bmp);
  EXPECT_EQ(bmp.Row(2)[0], Opaque(0x808080));
}

TEST(PaintItem, ColourChangesSkipKeyPixels) {
  const TBitmap32 master = Picture(6, 12, [](int x, int y) {
    if (y >= 6) return Opaque(0);
    return x == 0 && y == 0 ? sFuchsia : Opaque(0x3366CC);
  });
  TTestSkin skin("[BTN]\nSTATES=1\nCOLOR=255\nBORDERSMASK=^0000^0000^0006^0012^0002^0002^0002^0002^1^1^1^0\n", master);
  TBitmap32 bmp = Blank(8, 8);
  PaintItem(&skin.Model, skin.Section("BTN"), EmptyCI, 0, {0, 0, 8, 8}, {}, bmp, {clNone, 0, -100});
  EXPECT_EQ(bmp.Row(0)[0], sFuchsia);  // a hole with no parent stays the key
  EXPECT_EQ(bmp.Row(4)[4], ChangeColorSaturation(Opaque(0xFF0000), -100));  // the red centre
  EXPECT_NE(bmp.Row(4)[4], Opaque(0xFF0000));
}

}  // namespace
