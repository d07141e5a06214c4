#include "skin/paint/items/text_gdi_win.h"

#include <gtest/gtest.h>

#include "skin/paint/items/tests/paint_test_skin.h"

namespace {

int Inked(const TBitmap32& bmp, TsColor unchanged) {
  int count = 0;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) count += bmp.Row(y)[x] != unchanged;
  return count;
}

TEST(GdiTextRasteriser, InksTextIntoTheBitmapAndWriteText32KeepsAlphaElsewhere) {
  TsGdiTextRasteriser raster;
  TBitmap32 bmp = Picture(60, 20, [](int, int) { return 0x40808080u; });
  WriteText32(bmp, "Wg", true, DT_LEFT | DT_TOP | DT_SINGLELINE, nullptr, false, -1, {2, 2, 60, 20}, 0x0000FF, raster);
  EXPECT_GT(Inked(bmp, 0x40808080u), 10);
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const TsColor p = bmp.Row(y)[x];
      if (p == 0x40808080u) continue;
      ASSERT_EQ(p >> 24, 0xFFu) << x << "," << y;  // inked pixels are opaque
      ASSERT_GE((p >> 16) & 0xFF, p & 0xFF);        // and lean to red
    }
  EXPECT_EQ(bmp.Row(0)[0], 0x40808080u);
  EXPECT_EQ(bmp.Row(19)[59], 0x40808080u);
}

TEST(GdiTextRasteriser, MeasuresAndCutsTextOfTheSystemCodePage) {
  TsGdiTextRasteriser raster;
  EXPECT_GT(raster.TextWidth("WWW"), raster.TextWidth("W"));
  const std::string name = "\xC0\xB6\xC8\xB5\xC9\xCC\xCE\xF1\xB0\xE6";  // five two-byte characters in GBK
  const bool twoByte = raster.IsLeadByte(0xC0);
  for (int width = 1; width < raster.TextWidth(name); width += 3) {
    const std::string cut = CutText(name, width, raster);
    ASSERT_GE(cut.size(), 3u);
    ASSERT_EQ(cut.substr(cut.size() - 3), "...");
    if (twoByte) {
      ASSERT_EQ((cut.size() - 3) % 2, 0u) << "width " << width;  // never half a character
    }
  }
  EXPECT_EQ(CutText(name, raster.TextWidth(name), raster), name);
}

}  // namespace

// The measurer the buttons and the menus share: DrawText's rectangle with the
// font it holds (a wrapped text grows down, a larger font widens), nothing for
// an empty text, and the default GUI font when it is given none.
TEST(GdiTextMeasurer, MeasuresAsDrawTextDoesWithItsFont) {
  LOGFONTW large{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof large, &large);
  large.lfHeight = large.lfHeight < 0 ? -24 : 24;
  large.lfWidth = 0;
  const TOwnedFont largeFont(CreateFontIndirectW(&large));
  TsGdiTextMeasurer plain(nullptr);
  TsGdiTextMeasurer larger(largeFont.Get());

  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  const TSelectObject selected(dc.Get(), GetStockObject(DEFAULT_GUI_FONT));
  RECT expected{0, 0, 800, 0};
  DrawTextW(dc.Get(), L"Sign in", 7, &expected, DT_SINGLELINE | DT_CALCRECT);
  const TSize line = plain.MeasureText("Sign in", {0, 0, 800, 0}, DT_SINGLELINE);
  EXPECT_EQ(line, (TSize{expected.right - expected.left, expected.bottom - expected.top}));
  EXPECT_GT(line.cx, 0);

  EXPECT_GT(larger.MeasureText("Sign in", {0, 0, 800, 0}, DT_SINGLELINE).cx, line.cx);
  const TSize wrapped = plain.MeasureText("one two three four", {0, 0, 40, 0}, DT_WORDBREAK);
  EXPECT_GT(wrapped.cy, line.cy);
  EXPECT_LE(wrapped.cx, 40);
  EXPECT_EQ(plain.MeasureText("", {0, 0, 800, 0}, DT_SINGLELINE), TSize{});
}
