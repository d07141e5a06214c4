#include "skin/paint/menus/menu_paint.h"

#include <algorithm>

#include "base/sys_colors.h"
#include "skin/paint/blends.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/paint_item.h"
#include "skin/paint/items/skin_rect.h"

namespace {

// DrawText's flags for one line of an item.
constexpr unsigned kLineFormat = kDtSingleLine | kDtVCenter;
constexpr unsigned kRightFormat = kLineFormat | kDtRight;
constexpr unsigned kCentreFormat = kLineFormat | kDtCenter;
// A disabled item keeps this share (of 256) of its own picture over the background.
constexpr int kDisabledWeight = 128;

const TsMaskData* Image(const TacMenuSkin& s, int index) {
  return s.Skin && s.Skin->IsValidImgIndex(index) ? &s.Skin->ma[static_cast<std::size_t>(index)] : nullptr;
}

TColor SectionColor(const TacMenuSkin& s, int section, TColor fallback) {
  if (!s.Skin || !s.Skin->IsValidSkinIndex(section)) return fallback;
  return ColorToRGB(s.Skin->gd[static_cast<std::size_t>(section)].Props[0].Color);
}

TsTextColors TextColors(const TacMenuSkin& s, bool hot) {
  if (s.Skin && s.Skin->IsValidSkinIndex(s.MenuItem)) return SectionTextColors(*s.Skin, s.MenuItem, hot);
  TsTextColors colors;
  colors.Main = s.Skin ? s.Skin->GetGlobalFontColor() : 0;
  return colors;
}

// A section painted into rect of bmp over what bmp holds there.
void PaintOver(const TacMenuSkin& s, int section, TBitmap32& bmp, const TRect& rect, int state) {
  if (!s.Skin || !s.Skin->IsValidSkinIndex(section) || rect.IsEmpty()) return;
  TBitmap32 under(bmp.Width(), bmp.Height());
  CopyBmp(under, bmp);
  TCacheInfo ci;
  ci.Bitmap = &under;
  ci.X = 0;
  ci.Y = 0;
  ci.Ready = true;
  PaintItem(s.Skin, section, ci, state, rect, {rect.Left, rect.Top}, bmp);
}

void PaintDivider(TBitmap32& bmp, int left, const TacMenuSkin& s, const TacMenuMetrics& m) {
  const int y = bmp.Height() / 2;
  const TColor back = SectionColor(s, s.MainMenu, 0xFFFFFF);
  const TColor line = MixColors(TextColors(s, false).Main, back, 0.25);
  FillRect32(bmp, ClipToSize({left, y, bmp.Width() - m.Margin, y + 1}, bmp.Width(), bmp.Height()), line, 255);
}

void PaintCaption(TBitmap32& bmp, std::string_view caption, int left, const TacMenuSkin& s,
                  const TacMenuMetrics& m, TsTextRasteriser& raster) {
  const std::string_view text = caption.substr(1, caption.size() - 2);
  const TRect area{left, 0, bmp.Width() - m.Margin, bmp.Height()};
  const int textWidth = raster.TextWidth(text);
  const int textLeft = area.Left + (area.Width() - textWidth) / 2;
  const int y = bmp.Height() / 2;
  const TColor line = MixColors(TextColors(s, false).Main, SectionColor(s, s.MainMenu, 0xFFFFFF), 0.25);
  FillRect32(bmp, ClipToSize({area.Left, y, textLeft - m.Spacing / 2, y + 1}, bmp.Width(), bmp.Height()), line, 255);
  FillRect32(bmp, ClipToSize({textLeft + textWidth + m.Spacing / 2, y, area.Right, y + 1}, bmp.Width(), bmp.Height()),
             line, 255);
  WriteTextColors(bmp, text, true, kCentreFormat, TextColors(s, false), area, raster);
}

}  // namespace

TacMenuSkin MenuSkin(const TsSkinModel& skin, std::string_view icoLineSkin) {
  TacMenuSkin s;
  s.Skin = &skin;
  s.MainMenu = skin.GetSkinIndex("MAINMENU");
  s.BorderMask = s.MainMenu >= 0 ? skin.GetMaskIndex(s.MainMenu, "MAINMENU", "BORDERSMASK") : -1;
  s.IcoLine = skin.GetSkinIndex(icoLineSkin);
  s.ExtraLine = skin.GetSkinIndex("EXTRALINE");
  s.MenuItem = skin.GetSkinIndex("MENUITEM");
  const int global = skin.SkinConstants.IndexGlobalInfo;
  s.BoxChecked = skin.SkinConstants.CheckGlyphs[0];
  s.RadioChecked = skin.SkinConstants.CheckGlyphs[3];
  const int check = global >= 0 ? skin.GetMaskIndex(global, "GLOBALINFO", "CHECK") : -1;
  s.CheckGlyph = check >= 0 ? check : s.BoxChecked;
  if (const TsMaskData* mask = Image(s, s.BorderMask)) {
    const int width = ImageMargins(*mask).Left;
    s.SkinBorderWidth = width < 1 ? 3 : width;
  }
  return s;
}

int IconColumnLeft(const TacMenuSkin& s, const TacMenuMetrics& m, bool extraLine) {
  return (m.UseExtraLine && extraLine ? m.ExtraLineWidth : 0) + s.SkinBorderWidth;
}

TBitmap32 PrepareMenuBG(const TacMenuSkin& s, const TacMenuMetrics& m, const TacMenuBGParams& p) {
  TBitmap32 bmp(p.Width, p.Height);
  if (bmp.Empty() || !s.Skin) return bmp;
  const TRect all{0, 0, p.Width, p.Height};
  FillRect32(bmp, all, SectionColor(s, s.MainMenu, s.Skin->GetGlobalColor()), 255);
  if (s.Skin->IsValidSkinIndex(s.MainMenu)) PaintItemBG(*s.Skin, s.MainMenu, EmptyCI, 0, all, {}, bmp);
  const int bandHeight = p.Height - 2 * s.SkinBorderWidth;
  if (!p.RightAligned) {
    const int left = IconColumnLeft(s, m, p.ExtraLine);
    const TRect column{left, s.SkinBorderWidth, left + IconColumnWidth(m, p.GlyphWidth),
                       s.SkinBorderWidth + bandHeight};
    PaintOver(s, s.IcoLine, bmp, column, 0);
  }
  if (const TsMaskData* border = Image(s, s.BorderMask)) DrawSkinRect(bmp, all, EmptyCI, false, 0, *border);
  if (m.UseExtraLine && p.ExtraLine) {
    const TRect band{s.SkinBorderWidth, s.SkinBorderWidth, s.SkinBorderWidth + m.ExtraLineWidth,
                     s.SkinBorderWidth + bandHeight};
    PaintOver(s, s.ExtraLine, bmp, band, 0);
  }
  return bmp;
}

std::vector<TRect> MenuRegionCuts(const TacMenuSkin& s, int width, int height) {
  std::vector<TRect> cuts;
  const TsMaskData* md = Image(s, s.BorderMask);
  if (!md || md->CornerKind == 0) return cuts;
  const TBitmap32& src = s.Skin->SourceOf(*md);
  const TSliceMargins margin = ImageMargins(*md);
  const int frameWidth = WidthOfImage(*md), bandHeight = HeightOfImage(*md);
  // Each corner: where it starts in the image's first frame and at the popup.
  struct TCorner {
    int SrcX, SrcY, W, H, DstX, DstY;
  };
  const TCorner corners[] = {
      {0, 0, margin.Left, margin.Top, 0, 0},
      {frameWidth - margin.Right, 0, margin.Right, margin.Top, width - margin.Right, 0},
      {0, bandHeight - margin.Bottom, margin.Left, margin.Bottom, 0, height - margin.Bottom},
      {frameWidth - margin.Right, bandHeight - margin.Bottom, margin.Right, margin.Bottom, width - margin.Right,
       height - margin.Bottom},
  };
  for (const TCorner& c : corners) {
    for (int j = 0; j < c.H; ++j) {
      const int sy = md->SourceRect.Top + c.SrcY + j;
      if (sy < 0 || sy >= src.Height()) continue;
      const TsColor* row = src.Row(sy);
      int runStart = -1;
      for (int i = 0; i <= c.W; ++i) {
        const int sx = md->SourceRect.Left + c.SrcX + i;
        const bool hole = i < c.W && sx >= 0 && sx < src.Width() && (row[sx] & 0x00FFFFFFu) == 0x00FF00FFu;
        if (hole && runStart < 0) runStart = i;
        if (!hole && runStart >= 0) {
          cuts.push_back({c.DstX + runStart, c.DstY + j, c.DstX + i, c.DstY + j + 1});
          runStart = -1;
        }
      }
    }
  }
  return cuts;
}

TBitmap32 PaintMenuItem(const TBitmap32& popupBG, const TacMenuItemPaint& p, const TacMenuSkin& s,
                        const TacMenuMetrics& m, TsTextRasteriser& raster) {
  const int w = p.Rect.Width(), h = p.Rect.Height();
  TBitmap32 bmp(w, h);
  if (bmp.Empty()) return bmp;
  FillRect32(bmp, {0, 0, w, h}, SectionColor(s, s.MainMenu, 0xFFFFFF), 255);
  CopyImage(bmp, {0, 0}, popupBG, p.Rect);
  const int columnLeft = p.IconColumnLeft - p.Rect.Left;
  const int columnRight = columnLeft + p.IconColumnWidth;
  switch (MenuItemKind(p.Item.Caption)) {
    case mkDivider: PaintDivider(bmp, columnRight + m.Margin, s, m); return bmp;
    case mkCaptionedDivider: PaintCaption(bmp, p.Item.Caption, columnRight + m.Margin, s, m, raster); return bmp;
    case mkNormal: break;
  }
  TBitmap32 plain(w, h);
  if (!p.Item.Enabled) CopyBmp(plain, bmp);
  const bool hot = p.Selected && p.Item.Enabled;
  if (hot) PaintOver(s, s.MenuItem, bmp, {m.Margin, 0, w - m.Margin, h}, 1);
  const TsTextColors colors = TextColors(s, hot);

  const TRect column{columnLeft, 0, columnRight, h};
  const int markIndex = !p.Item.Checked ? -1 : p.Item.Radio ? s.RadioChecked : s.CheckGlyph;
  if (const TsMaskData* mark = Image(s, markIndex)) {
    const TPoint at{column.Left + (column.Width() - WidthOfImage(*mark)) / 2, (h - HeightOfImage(*mark)) / 2};
    DrawSkinGlyph(bmp, at, hot ? 1 : 0, EmptyCI, *mark);
  } else if (p.Item.Symbol != msNone) {
    DrawMenuSymbol(bmp, p.Item.Symbol, column, colors.Main);
  }

  const int extra = ExtraWidth(m, p.Item.Glyph.cx);
  const TRect text{columnRight + m.Margin, 0, w - extra, h};
  WriteTextColors(bmp, p.Item.Caption, true, kLineFormat, colors, text, raster);
  if (!p.Item.ShortCut.empty()) WriteTextColors(bmp, p.Item.ShortCut, true, kRightFormat, colors, text, raster);
  if (p.Item.SubMenu) DrawSubmenuArrow(bmp, {w - extra, 0, w, h}, colors.Main);
  if (!p.Item.Enabled) SumBitmaps(bmp, plain, kDisabledWeight);
  return bmp;
}

TBitmap32 PaintMenuLineItem(const TBitmap32& band, const TacMenuItemDesc& item, int state, bool accessKeys,
                            const TacMenuSkin& s, TsTextRasteriser& raster) {
  TBitmap32 bmp(band.Width(), band.Height());
  if (bmp.Empty()) return bmp;
  CopyBmp(bmp, band);
  const bool hot = state > 0 && item.Enabled;
  if (hot && s.Skin && s.Skin->IsValidSkinIndex(s.MenuItem)) {
    const int states = s.Skin->gd[static_cast<std::size_t>(s.MenuItem)].States;
    PaintOver(s, s.MenuItem, bmp, {0, 0, bmp.Width(), bmp.Height()}, std::min(state, std::max(states - 1, 1)));
  }
  // Access keys hidden (until the keyboard reaches the bar): the '&' only goes.
  WriteTextColors(bmp, item.Caption, true, kCentreFormat | (accessKeys ? 0 : kDtHidePrefix), TextColors(s, hot),
                  {0, 0, bmp.Width(), bmp.Height()}, raster);
  if (!item.Enabled) SumBitmaps(bmp, band, kDisabledWeight);
  return bmp;
}
