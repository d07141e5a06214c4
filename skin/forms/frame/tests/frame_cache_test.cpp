#include "skin/forms/frame/frame_cache.h"

#include <gtest/gtest.h>

#include <vector>

#include "skin/forms/frame/caption_text.h"
#include "skin/forms/frame/tests/frame_test_forms.h"
#include "skin/paint/items/tests/paint_test_skin.h"

namespace {

std::vector<TsColor> Pixels(const TBitmap32& bmp) {
  std::vector<TsColor> all;
  for (int y = 0; y < bmp.Height(); ++y) all.insert(all.end(), bmp.Row(y), bmp.Row(y) + bmp.Width());
  return all;
}

TsColor Pixel(TColor color) { return 0xFF000000u | SwapRedBlue(ColorToRGB(color)); }

TEST(FrameCache, TheLoginWindowPictureHoldsClientBackgroundCaptionTextAndCloseButton) {
  const TsSkinModel& skin = InternalSkinModel();
  const TacFrameForm form = LoginFrameForm();
  TBlockRasteriser raster;
  TacFrameCache cache;
  ASSERT_TRUE(cache.PaintAll(skin, form, {}, raster));
  const TBitmap32& bmp = cache.Bitmap();
  ASSERT_EQ(bmp.Width(), 311);
  ASSERT_EQ(bmp.Height(), 247);
  EXPECT_FALSE(cache.BackgroundChanged);
  EXPECT_TRUE(cache.RegionStale);

  const TacFrameSections& s = cache.Sections();
  const TsGeneralData& formSection = skin.gd[static_cast<std::size_t>(s.Form)];
  const TRect client = cache.ClientRect(form);
  EXPECT_EQ(client, (TRect{3, 22, 308, 244}));
  EXPECT_EQ(GetAPixel(bmp, 150, 120), Pixel(formSection.Props[1].Color));  // the client background

  // The block letters of the caption: inked columns in the text colour of the active state.
  const TRect band = CaptionTextBand(skin, s, form, cache.Layout());
  const TsColor text = Pixel(skin.gd[static_cast<std::size_t>(s.Caption)].Props[1].FontColor[0]);
  EXPECT_EQ(GetAPixel(bmp, band.Left, band.Top + 3), text);
  EXPECT_EQ(GetAPixel(bmp, band.Left + 68, band.Top + 3), text);   // the seventh character's last inked column
  EXPECT_NE(GetAPixel(bmp, band.Left + 70, band.Top + 3), text);   // after the text

  // The close glyph's first frame at the button's place: its key pixels show the title band.
  const TsCaptionButton& close = cache.Layout().ButtonClose;
  const TsMaskData& glyph = skin.ma[static_cast<std::size_t>(close.ImageIndex)];
  const TBitmap32& source = skin.SourceOf(glyph);
  int compared = 0;
  for (int y = std::max(0, -close.Rect.Top); y < close.Rect.Height(); ++y)
    for (int x = 0; x < close.Rect.Width(); ++x) {
      const TsColor g = GetAPixel(source, glyph.SourceRect.Left + x, glyph.SourceRect.Top + y);
      if (g == sFuchsia) continue;
      EXPECT_EQ(GetAPixel(bmp, close.Rect.Left + x, close.Rect.Top + y) & 0xFFFFFF, g & 0xFFFFFF) << x << "," << y;
      ++compared;
    }
  EXPECT_GT(compared, 40);
}

TEST(FrameCache, ThePictureIsRebuiltOnlyWhenStale) {
  const TsSkinModel& skin = InternalSkinModel();
  TacFrameForm form = LoginFrameForm();
  TBlockRasteriser raster;
  TacFrameCache cache;
  ASSERT_TRUE(cache.PaintAll(skin, form, {}, raster));
  const std::vector<TsColor> first = Pixels(cache.Bitmap());
  cache.RegionStale = false;

  form.Caption = std::string(1, 'X');  // not announced: the picture stays
  ASSERT_TRUE(cache.PaintAll(skin, form, {}, raster));
  EXPECT_EQ(Pixels(cache.Bitmap()), first);
  EXPECT_FALSE(cache.RegionStale);

  cache.BackgroundChanged = true;  // announced: rebuilt with the new caption
  ASSERT_TRUE(cache.PaintAll(skin, form, {}, raster));
  EXPECT_NE(Pixels(cache.Bitmap()), first);
  EXPECT_TRUE(cache.RegionStale);

  form.Width += 20;  // another size is stale without being announced
  form.ClientWidth += 20;
  ASSERT_TRUE(cache.PaintAll(skin, form, {}, raster));
  EXPECT_EQ(cache.Bitmap().Width(), 331);
  EXPECT_EQ(cache.Layout().ButtonClose.Rect.Right, 331 - 5);
}

TEST(FrameCache, AnInactiveFormShowsTheInactiveFrameAndAFadedCloseButton) {
  const TsSkinModel& skin = InternalSkinModel();
  TacFrameForm form = LoginFrameForm();
  TBlockRasteriser raster;
  TacFrameCache active, inactive;
  ASSERT_TRUE(active.PaintAll(skin, form, {}, raster));
  form.Active = false;
  ASSERT_TRUE(inactive.PaintAll(skin, form, {}, raster));
  EXPECT_NE(GetAPixel(active.Bitmap(), 1, 120), GetAPixel(inactive.Bitmap(), 1, 120));  // the left border
  const TRect& close = inactive.Layout().ButtonClose.Rect;
  EXPECT_NE(GetAPixel(active.Bitmap(), close.Left + 17, 10), GetAPixel(inactive.Bitmap(), close.Left + 17, 10));
}

TEST(FrameCache, WithoutTheFormSectionTheLastPictureStays) {
  TTestSkin other("[BUTTON]\nCOLOR=255\n", Picture(2, 2, [](int, int) { return Opaque(0); }));
  TBlockRasteriser raster;
  TacFrameCache cache;
  EXPECT_FALSE(cache.PaintAll(other.Model, LoginFrameForm(), {}, raster));
  EXPECT_TRUE(cache.Bitmap().Empty());
  EXPECT_TRUE(cache.BackgroundChanged);
}

TEST(FrameCache, TheTitleIconIsScaledAndLaidOverWithItsAlpha) {
  TBitmap32 icon(2, 1);
  SetAPixel(icon, 0, 0, 0x00FFFFFF);  // transparent
  SetAPixel(icon, 1, 0, 0x80FF0000);  // half red
  TBitmap32 bmp = Picture(6, 2, [](int, int) { return 0x000000FFu; });  // blue, alpha 0
  DrawTitleIcon(bmp, {1, 0, 5, 2}, icon);
  for (int y = 0; y < 2; ++y) {
    EXPECT_EQ(GetAPixel(bmp, 0, y), 0x000000FFu);  // outside
    EXPECT_EQ(GetAPixel(bmp, 1, y), 0x000000FFu);  // under the transparent half: untouched
    EXPECT_EQ(GetAPixel(bmp, 2, y), 0x000000FFu);
    EXPECT_EQ(GetAPixel(bmp, 3, y), 0xFF80007Fu);  // (255 * 128 + 127) / 255, (255 * 127 + 127) / 255
    EXPECT_EQ(GetAPixel(bmp, 4, y), 0xFF80007Fu);
    EXPECT_EQ(GetAPixel(bmp, 5, y), 0x000000FFu);
  }
}

}  // namespace
