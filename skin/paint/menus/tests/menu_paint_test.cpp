#include "skin/paint/menus/menu_paint.h"

#include <gtest/gtest.h>

#include <memory>

#include "skin/data/skin_source.h"
#include "skins/internal_skin.h"

namespace {

// Inks a block 5 pixels a byte wide and 7 high, placed in the rectangle as
// the format says (left, centred, right; centred vertically).
class TBlockRasteriser final : public TsTextRasteriser {
 public:
  void DrawBlack(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned format) override {
    const int w = TextWidth(text);
    const int left = (format & 2) ? rect.Right - w : (format & 1) ? rect.Left + (rect.Width() - w) / 2 : rect.Left;
    const int top = rect.Top + (rect.Height() - 7) / 2;
    for (int y = std::max(top, 0); y < std::min(top + 7, bmp.Height()); ++y)
      for (int x = std::max(left, 0); x < std::min(left + w, bmp.Width()); ++x) bmp.Row(y)[x] = 0;
  }
  int TextWidth(std::string_view text) override { return 5 * static_cast<int>(text.size()); }
  bool IsLeadByte(unsigned char) const override { return false; }
  void SetUnderline(bool) override {}
};

class MenuPaint : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    source_ = TsSkinSource::FromPackedBytes(InternalSkinPackage()).release();
    model_ = new TsSkinModel;
    model_->Load(*source_);
  }
  static void TearDownTestSuite() {
    delete model_;
    delete source_;
  }
  static TsSkinSource* source_;
  static TsSkinModel* model_;

  static TsColor Rgb(const TBitmap32& bmp, int x, int y) { return bmp.Row(y)[x] & 0x00FFFFFFu; }
  // A skin colour (0x00BBGGRR) as a pixel's blue, green and red.
  static TsColor Pixel(TColor c) { return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF); }
  TColor Color(const char* section, int state) const {
    return model_->gd[static_cast<std::size_t>(model_->GetSkinIndex(section))].Props[state].Color;
  }

  TacMenuItemPaint Item(const char* caption, bool selected) const {
    TacMenuItemPaint p;
    p.Item.Caption = caption;
    p.Rect = {skin_.SkinBorderWidth, 10, skin_.SkinBorderWidth + 140, 32};
    p.Selected = selected;
    p.IconColumnLeft = IconColumnLeft(skin_, metrics_, false);
    p.IconColumnWidth = IconColumnWidth(metrics_, 16);
    return p;
  }

  TacMenuMetrics metrics_;
  TacMenuSkin skin_ = MenuSkin(*model_, "ICOLINE");
  TBitmap32 bg_ = PrepareMenuBG(skin_, metrics_, {150, 80});
  TBlockRasteriser raster_;
};
TsSkinSource* MenuPaint::source_ = nullptr;
TsSkinModel* MenuPaint::model_ = nullptr;

TEST_F(MenuPaint, TheInternalSkinHoldsWhatPopupsUse) {
  EXPECT_GE(skin_.MainMenu, 0);
  EXPECT_GE(skin_.BorderMask, 0);
  EXPECT_GE(skin_.IcoLine, 0);
  EXPECT_GE(skin_.ExtraLine, 0);
  EXPECT_GE(skin_.MenuItem, 0);
  EXPECT_GE(skin_.RadioChecked, 0);
  EXPECT_NE(skin_.CheckGlyph, skin_.BoxChecked) << "the skin's own plain check mark";
  EXPECT_EQ(skin_.SkinBorderWidth, model_->ma[static_cast<std::size_t>(skin_.BorderMask)].MarginLeft);
}

TEST_F(MenuPaint, BackgroundHasIconColumnBorderAndCutCorners) {
  const int sbw = skin_.SkinBorderWidth;
  const int column = IconColumnWidth(metrics_, 16);
  // The column's own colour inside it, the popup's right of it, a line at the frame.
  EXPECT_EQ(Rgb(bg_, sbw + column / 2, 40), Pixel(Color("ICOLINE", 0)));
  EXPECT_EQ(Rgb(bg_, sbw + column + 20, 40), Pixel(Color("MAINMENU", 0)));
  EXPECT_NE(Rgb(bg_, 0, 40), Pixel(Color("MAINMENU", 0)));
  // Right-aligned popups have no column.
  TacMenuBGParams right{150, 80};
  right.RightAligned = true;
  EXPECT_EQ(Rgb(PrepareMenuBG(skin_, metrics_, right), sbw + column / 2, 40), Pixel(Color("MAINMENU", 0)));

  // The extra line band only where the skin asks for it and the popup shows it.
  TacMenuMetrics extra = metrics_;
  extra.UseExtraLine = true;
  TacMenuBGParams shown{150, 80};
  shown.ExtraLine = true;
  const TBitmap32 band = PrepareMenuBG(skin_, extra, shown);
  EXPECT_NE(Rgb(band, sbw + 10, 40), Rgb(bg_, sbw + 10, 40));
  EXPECT_EQ(Rgb(band, sbw + extra.ExtraLineWidth + column / 2, 40), Pixel(Color("ICOLINE", 0)));
  EXPECT_EQ(Rgb(PrepareMenuBG(skin_, metrics_, shown), sbw + 10, 40), Rgb(bg_, sbw + 10, 40));

  const std::vector<TRect> cuts = MenuRegionCuts(skin_, 150, 80);
  const auto cut = [&](int x, int y) {
    for (const TRect& r : cuts)
      if (x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom) return true;
    return false;
  };
  EXPECT_TRUE(cut(0, 0));
  EXPECT_TRUE(cut(149, 0));
  EXPECT_TRUE(cut(0, 79));
  EXPECT_TRUE(cut(149, 79));
  EXPECT_FALSE(cut(75, 0));
  EXPECT_FALSE(cut(0, 40));
  EXPECT_FALSE(cut(sbw, sbw));
}

TEST_F(MenuPaint, HotItemsTakeTheHotSectionAndTextFollowsTheColumns) {
  const TBitmap32 normal = PaintMenuItem(bg_, Item("Exit", false), skin_, metrics_, raster_);
  const TBitmap32 hot = PaintMenuItem(bg_, Item("Exit", true), skin_, metrics_, raster_);
  ASSERT_EQ(normal.Width(), 140);
  ASSERT_EQ(normal.Height(), 22);
  const int textLeft = IconColumnWidth(metrics_, 16) + metrics_.Margin;
  // Between the caption and the right edge: the popup, or MENUITEM's hot colour.
  EXPECT_EQ(Rgb(normal, 100, 11), Pixel(Color("MAINMENU", 0)));
  EXPECT_EQ(Rgb(hot, 100, 11), Pixel(Color("MENUITEM", 1)));
  // The caption starts after the icon column, vertically centred.
  const TsColor normalText = Pixel(model_->gd[static_cast<std::size_t>(skin_.MenuItem)].Props[0].FontColor[0]);
  const TsColor hotText = Pixel(model_->gd[static_cast<std::size_t>(skin_.MenuItem)].Props[1].FontColor[0]);
  EXPECT_EQ(Rgb(normal, textLeft, 11), normalText);
  EXPECT_EQ(Rgb(hot, textLeft, 11), hotText);
  EXPECT_NE(Rgb(normal, textLeft - 1, 11), normalText);
  EXPECT_NE(Rgb(normal, textLeft, 2), normalText);
}

TEST_F(MenuPaint, MarksSymbolsShortcutsArrowsAndDisabledItems) {
  const TBitmap32 plain = PaintMenuItem(bg_, Item("Exit", false), skin_, metrics_, raster_);
  const int column = IconColumnWidth(metrics_, 16);
  const auto differsInColumn = [&](const TBitmap32& bmp) {
    int n = 0;
    for (int y = 0; y < 22; ++y)
      for (int x = 0; x < column; ++x) n += Rgb(bmp, x, y) != Rgb(plain, x, y);
    return n;
  };
  TacMenuItemPaint checked = Item("Exit", false);
  checked.Item.Checked = true;
  const int check = differsInColumn(PaintMenuItem(bg_, checked, skin_, metrics_, raster_));
  checked.Item.Radio = true;
  const TBitmap32 radioBmp = PaintMenuItem(bg_, checked, skin_, metrics_, raster_);
  EXPECT_GT(check, 10);
  EXPECT_GT(differsInColumn(radioBmp), 10);

  // A system command's symbol where there is no mark; a checked item shows its mark instead.
  TacMenuItemPaint close = Item("Close", false);
  close.Item.Symbol = msClose;
  const TBitmap32 closeBmp = PaintMenuItem(bg_, close, skin_, metrics_, raster_);
  EXPECT_GT(differsInColumn(closeBmp), 10);
  TacMenuItemPaint minimise = close;
  minimise.Item.Symbol = msMinimize;
  int symbolsDiffer = 0;
  const TBitmap32 minBmp = PaintMenuItem(bg_, minimise, skin_, metrics_, raster_);
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < column; ++x) symbolsDiffer += Rgb(minBmp, x, y) != Rgb(closeBmp, x, y);
  EXPECT_GT(symbolsDiffer, 4);
  close.Item.Checked = true;
  close.Item.Radio = false;
  int markVsSymbol = 0;
  const TBitmap32 markBmp = PaintMenuItem(bg_, close, skin_, metrics_, raster_);
  TacMenuItemPaint checkOnly = close;
  checkOnly.Item.Symbol = msNone;
  const TBitmap32 markOnly = PaintMenuItem(bg_, checkOnly, skin_, metrics_, raster_);
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < column; ++x) markVsSymbol += Rgb(markBmp, x, y) != Rgb(markOnly, x, y);
  EXPECT_EQ(markVsSymbol, 0);

  // The shortcut ends ExtraWidth from the right edge; a submenu's arrow lies in that room.
  TacMenuItemPaint keyed = Item("Close", false);
  keyed.Item.ShortCut = "Alt+F4";
  const TBitmap32 keyedBmp = PaintMenuItem(bg_, keyed, skin_, metrics_, raster_);
  const int room = ExtraWidth(metrics_, 16);
  const TsColor text = Pixel(model_->gd[static_cast<std::size_t>(skin_.MenuItem)].Props[0].FontColor[0]);
  EXPECT_EQ(Rgb(keyedBmp, 140 - room - 1, 11), text);
  EXPECT_NE(Rgb(keyedBmp, 140 - room, 11), text);
  EXPECT_NE(Rgb(keyedBmp, 140 - room - 30 - 2, 11), text);
  TacMenuItemPaint sub = Item("More", false);
  sub.Item.SubMenu = true;
  const TBitmap32 subBmp = PaintMenuItem(bg_, sub, skin_, metrics_, raster_);
  int arrow = 0;
  for (int y = 0; y < 22; ++y)
    for (int x = 140 - room; x < 140; ++x) arrow += Rgb(subBmp, x, y) == text;
  EXPECT_GE(arrow, 8);

  // Disabled: halfway back toward the background, never hot.
  TacMenuItemPaint disabled = Item("Exit", true);
  disabled.Item.Enabled = false;
  const TBitmap32 disabledBmp = PaintMenuItem(bg_, disabled, skin_, metrics_, raster_);
  const int textLeft = column + metrics_.Margin;
  EXPECT_EQ(Rgb(disabledBmp, 100, 11), Pixel(Color("MAINMENU", 0)));
  const TsColor faded = Rgb(disabledBmp, textLeft, 11);
  const TsColor back = Pixel(Color("MAINMENU", 0));
  for (int shift : {0, 8, 16}) {
    const int t = static_cast<int>((text >> shift) & 0xFF), b = static_cast<int>((back >> shift) & 0xFF);
    const int f = static_cast<int>((faded >> shift) & 0xFF);
    EXPECT_NEAR(f, (t + b) / 2, 2);
  }
}

TEST_F(MenuPaint, DividersDrawALineAfterTheColumn) {
  TacMenuItemPaint line = Item("-", false);
  line.Rect.Bottom = line.Rect.Top + 2;
  const TBitmap32 bmp = PaintMenuItem(bg_, line, skin_, metrics_, raster_);
  const int column = IconColumnWidth(metrics_, 16);
  EXPECT_NE(Rgb(bmp, column + 10, 1), Pixel(Color("MAINMENU", 0)));
  EXPECT_EQ(Rgb(bmp, column + 10, 0), Pixel(Color("MAINMENU", 0)));
  EXPECT_EQ(Rgb(bmp, column / 2, 1), Pixel(Color("ICOLINE", 0)));

  // A captioned divider: the caption without its dashes, centred between two lines.
  const TBitmap32 titled = PaintMenuItem(bg_, Item("-Opts-", false), skin_, metrics_, raster_);
  const int mid = column + metrics_.Margin + (140 - metrics_.Margin - column - metrics_.Margin) / 2;
  const TsColor text = Pixel(model_->gd[static_cast<std::size_t>(skin_.MenuItem)].Props[0].FontColor[0]);
  EXPECT_EQ(Rgb(titled, mid, 11), text);
  EXPECT_NE(Rgb(titled, mid - 11, 11), text);
  EXPECT_NE(Rgb(titled, column + 6, 11), Pixel(Color("MAINMENU", 0)));
}

}  // namespace
