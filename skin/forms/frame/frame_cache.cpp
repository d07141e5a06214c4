#include "skin/forms/frame/frame_cache.h"

#include <algorithm>

#include "skin/forms/frame/caption_text.h"
#include "skin/paint/blends.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/skin_rect.h"

namespace {

TCacheInfo SelfCache(const TBitmap32& bmp) {
  TCacheInfo ci;
  ci.Bitmap = &bmp;
  ci.X = ci.Y = 0;
  ci.Ready = true;
  return ci;
}

// One colour over the whole section: no texture, gradient, corner images or transparency.
bool PlainSection(const TsGeneralData& section, int state) {
  const TsGenState& st = section.Props[static_cast<std::size_t>(std::min(state, 1))];
  const auto none = [](int i) { return i < 0; };
  return st.Transparency == 0 && st.ImagePercent == 0 && st.GradientPercent == 0 && st.TextureIndex < 0 &&
         section.TextureIndex < 0 && std::all_of(section.CornerImageIndex.begin(), section.CornerImageIndex.end(), none);
}

// The glyph at half strength over what lies under it.
void DrawFadedGlyph(TBitmap32& bmp, TPoint at, int frame, const TsMaskData& md) {
  const TRect area{at.X, at.Y, at.X + WidthOfImage(md), at.Y + HeightOfImage(md)};
  TBitmap32 under(area.Width(), area.Height());
  CopyImage(under, {0, 0}, bmp, area);
  DrawSkinGlyph(bmp, at, frame, SelfCache(bmp), md);
  // Pixels of the area outside the picture were never read: clip the sum the same way.
  const TRect inside = ClipToSize(area, bmp.Width(), bmp.Height());
  SumBmpRect(bmp, under, 128,
             {inside.Left - area.Left, inside.Top - area.Top, inside.Right - area.Left, inside.Bottom - area.Top},
             {inside.Left, inside.Top});
}

}  // namespace

void DrawTitleIcon(TBitmap32& bmp, const TRect& rect, const TBitmap32& icon) {
  if (icon.Empty() || rect.IsEmpty()) return;
  const TRect r = ClipToSize(rect, bmp.Width(), bmp.Height());
  for (int y = r.Top; y < r.Bottom; ++y) {
    const TsColor* s = icon.Row((y - rect.Top) * icon.Height() / rect.Height());
    TsColor* d = bmp.Row(y);
    for (int x = r.Left; x < r.Right; ++x) {
      const TsColor p = s[(x - rect.Left) * icon.Width() / rect.Width()];
      const TsColor a = p >> 24;
      if (a == 0) continue;
      TsColor out = 0xFF000000u;
      for (int k = 0; k < 24; k += 8) {
        const TsColor sc = (p >> k) & 0xFF, dc = (d[x] >> k) & 0xFF;
        out |= ((sc * a + dc * (255 - a) + 127) / 255) << k;
      }
      d[x] = out;
    }
  }
}

TRect TacFrameCache::ClientRect(const TacFrameForm& form) const {
  const TacFrameGeometry& g = layout_.Geometry;
  return {g.OffsetX, g.OffsetY, g.OffsetX + form.ClientWidth, g.OffsetY + form.ClientHeight};
}

bool TacFrameCache::Stale(const TacFrameGeometry& g) const {
  return BackgroundChanged || bitmap_.Empty() || bitmap_.Width() != g.CaptionWidth || bitmap_.Height() != g.CacheHeight;
}

bool TacFrameCache::PaintAll(const TsSkinModel& skin, const TacFrameForm& form, const TacFrameMetrics& metrics,
                             TsTextRasteriser& raster) {
  const TacFrameSections sections = FrameSections(skin, form);
  if (!skin.IsValidSkinIndex(sections.Form)) return false;
  const TacFrameGeometry g = FrameGeometry(form, metrics);
  if (!Stale(g)) return true;
  if (g.CaptionWidth <= 0 || g.CacheHeight <= 0) return false;
  sections_ = sections;
  layout_ = CalcItems(skin, form, metrics);
  layout_.ButtonClose.State = form.ButtonStates.Close;
  layout_.ButtonMax.State = form.ButtonStates.Max;
  layout_.ButtonMin.State = form.ButtonStates.Min;
  layout_.ButtonHelp.State = form.ButtonStates.Help;
  RegionStale = true;
  if (bitmap_.Width() != g.CaptionWidth || bitmap_.Height() != g.CacheHeight) {
    bitmap_ = TBitmap32(g.CaptionWidth, g.CacheHeight);
    FreeGlows();
    if (bitmap_.Empty()) return false;
  }
  PaintBackground(skin, form);
  if (g.CaptionHeight > 0) PaintCaptionBand(skin, form, raster);
  ++rebuilds_;
  BackgroundChanged = false;
  PaintedOnce = true;
  return true;
}

void TacFrameCache::PaintBackground(const TsSkinModel& skin, const TacFrameForm& form) {
  const TsGeneralData& section = skin.gd[static_cast<std::size_t>(sections_.Form)];
  const int state = FrameState(skin, sections_.Form, form.Active);
  const TRect all{0, 0, bitmap_.Width(), bitmap_.Height()};
  const bool bordered = form.BorderStyle != bsNone || form.ParentedOrChild;
  if (PlainSection(section, state)) {
    // The fill covers the client area too, so the picture serves every copy from it.
    FillRect32(bitmap_, all, section.Props[static_cast<std::size_t>(std::min(state, 1))].Color, 255);
    if (sections_.FormBorder >= 0)
      DrawSkinRect(bitmap_, all, EmptyCI, false, state, skin.ma[static_cast<std::size_t>(sections_.FormBorder)]);
  } else if (bordered) {
    PaintItem(&skin, sections_.Form, EmptyCI, state, all, {}, bitmap_);
  } else {
    PaintItemBG(skin, sections_.Form, EmptyCI, state, all, {}, bitmap_);
    const TCacheInfo self = SelfCache(bitmap_);
    for (int corner = 0; corner < 4; ++corner) {
      const int i = section.CornerImageIndex[static_cast<std::size_t>(corner)];
      if (!skin.IsValidImgIndex(i)) continue;
      const TsMaskData& md = skin.ma[static_cast<std::size_t>(i)];
      const int x = corner % 2 == 0 ? 0 : all.Right - WidthOfImage(md);
      const int y = corner < 2 ? 0 : all.Bottom - HeightOfImage(md);
      DrawSkinGlyph(bitmap_, {x, y}, state, self, md);
    }
  }
  const TRect& grip = layout_.GripRect;
  if (!grip.IsEmpty() && sections_.Grip >= 0)
    DrawSkinGlyph(bitmap_, {grip.Left, grip.Top}, 0, SelfCache(bitmap_), skin.ma[static_cast<std::size_t>(sections_.Grip)]);
}

void TacFrameCache::PaintCaptionBand(const TsSkinModel& skin, const TacFrameForm& form, TsTextRasteriser& raster) {
  const TacFrameGeometry& g = layout_.Geometry;
  const int width = bitmap_.Width();
  const TCacheInfo self = SelfCache(bitmap_);
  const int titleState = FrameState(skin, sections_.Title, form.Active);
  PaintItem(&skin, sections_.Title, self, titleState, {0, 0, width, std::min(layout_.TitleBottom, bitmap_.Height())},
            {}, bitmap_);

  const TBitmap32* icon = form.TitleIcon.Glyph != nullptr ? form.TitleIcon.Glyph : form.Icon;
  if (g.IconVisible && icon != nullptr) DrawTitleIcon(bitmap_, layout_.IconRect, *icon);

  if (layout_.AnySystemButton() && sections_.TitleBar >= 0) {
    const TsMaskData& md = skin.ma[static_cast<std::size_t>(sections_.TitleBar)];
    const TRect strip{width - (2 * WidthOfImage(md) + layout_.TitleBtnsWidth), 0, width,
                      std::min(g.CaptionHeight + g.SysBorderHeight, bitmap_.Height())};
    DrawSkinRect(bitmap_, strip, self, true, FrameState(skin, sections_.Form, form.Active), md);
  }

  if (g.MenuHeight > 0 && g.MenuRows > 0) {
    // Down to the client area: the system's bar may be a little taller than the rows.
    const TRect band{g.SysBorderWidth, layout_.TitleBottom, width - g.SysBorderWidth,
                     std::max(layout_.TitleBottom + g.MenuRows * g.MenuHeight, g.OffsetY)};
    PaintItem(&skin, sections_.MenuLine, self, 0, ClipToSize(band, width, bitmap_.Height()), {}, bitmap_);
  }

  PaintCaptionText(bitmap_, skin, sections_, form, layout_, raster, glows_[form.Active ? 1 : 0]);
  SaveBGForBtns();
  PaintButtons(skin, form);
}

void TacFrameCache::SaveBGForBtns() {
  const TacFrameGeometry& g = layout_.Geometry;
  // The caption's top right corner, and whatever the buttons reach beyond it.
  int left = bitmap_.Width() - (g.SysBorderWidth + layout_.TitleBtnsWidth + 10);
  int bottom = g.SysBorderHeight + g.CaptionHeight + g.MenuRows * g.MenuHeight;
  for (const TsCaptionButton* b : {&layout_.ButtonClose, &layout_.ButtonMax, &layout_.ButtonMin, &layout_.ButtonHelp})
    if (b->Visible()) left = std::min(left, b->Rect.Left), bottom = std::max(bottom, b->Rect.Bottom);
  const TRect area = CutToPicture({left, 0, bitmap_.Width(), bottom}, bitmap_);
  buttonsBGAt_ = {area.Left, area.Top};
  if (area.IsEmpty()) {
    buttonsBG_ = TBitmap32();
    return;
  }
  if (buttonsBG_.Width() != area.Width() || buttonsBG_.Height() != area.Height())
    buttonsBG_ = TBitmap32(area.Width(), area.Height());
  CopyImage(buttonsBG_, {0, 0}, bitmap_, area);
}

void TacFrameCache::RestoreBtnsBG(TBitmap32& target, TPoint origin, const TRect& rect) const {
  const TRect saved{buttonsBGAt_.X, buttonsBGAt_.Y, buttonsBGAt_.X + buttonsBG_.Width(),
                    buttonsBGAt_.Y + buttonsBG_.Height()};
  const TRect r{std::max(rect.Left, saved.Left), std::max(rect.Top, saved.Top), std::min(rect.Right, saved.Right),
                std::min(rect.Bottom, saved.Bottom)};
  if (r.IsEmpty()) return;
  CopyImage(target, {r.Left - origin.X, r.Top - origin.Y}, buttonsBG_,
            {r.Left - saved.Left, r.Top - saved.Top, r.Right - saved.Left, r.Bottom - saved.Top});
}

const TsCaptionButton* TacFrameCache::ShownButton(int code) const {
  const TsCaptionButton* button = layout_.Button(code);
  // Only a button right of the icon is drawn on its own.
  if (!button || bitmap_.Empty() || !button->Visible() || button->Rect.Left <= layout_.IconRect.Right) return nullptr;
  return button;
}

TRect TacFrameCache::RepaintButton(const TsSkinModel& skin, const TacFrameForm& form, int code, int state) {
  if (!form.HasSysMenu() || state < 0 || !ShownButton(code)) return {};
  TsCaptionButton& button = *layout_.Button(code);
  button.State = state;
  RestoreBtnsBG(bitmap_, {0, 0}, button.Rect);
  DrawButton(skin, form, button, bitmap_, {0, 0});
  return CutToPicture(button.Rect, bitmap_);
}

TBitmap32 TacFrameCache::ButtonPicture(const TsSkinModel& skin, const TacFrameForm& form, int code, int state,
                                       TRect& rect) const {
  const TsCaptionButton* shown = form.HasSysMenu() && state >= 0 ? ShownButton(code) : nullptr;
  rect = shown ? CutToPicture(shown->Rect, bitmap_) : TRect{};
  if (rect.IsEmpty()) return {};
  TBitmap32 picture(rect.Width(), rect.Height());
  if (picture.Empty()) return picture;
  const TPoint origin{rect.Left, rect.Top};
  RestoreBtnsBG(picture, origin, rect);
  TsCaptionButton button = *shown;
  button.State = state;
  DrawButton(skin, form, button, picture, origin);
  return picture;
}

void TacFrameCache::PaintButtons(const TsSkinModel& skin, const TacFrameForm& form) {
  if (!form.HasSysMenu()) return;
  for (const TsCaptionButton* b : {&layout_.ButtonClose, &layout_.ButtonMax, &layout_.ButtonMin, &layout_.ButtonHelp})
    DrawButton(skin, form, *b, bitmap_, {0, 0});
}

void TacFrameCache::DrawButton(const TsSkinModel& skin, const TacFrameForm& form, const TsCaptionButton& b,
                               TBitmap32& target, TPoint origin) const {
  if (!b.Visible() || !skin.IsValidImgIndex(b.ImageIndex)) return;
  const TacSysMenuState& m = layout_.Menu;
  const bool enabled = b.HTCode == kHtClose      ? m.EnabledClose
                       : b.HTCode == kHtMaxButton ? m.EnabledMax || (m.EnabledRestore && !form.Minimized())
                       : b.HTCode == kHtMinButton ? m.EnabledMin
                                                  : true;
  const TsMaskData& md = skin.ma[static_cast<std::size_t>(b.ImageIndex)];
  // A button that cannot act shows its normal look, faded.
  const int frame = enabled ? std::max(b.State, 0) : 0;
  const bool faded = frame == 0 && (!enabled || !form.Active || !form.Enabled);
  const TPoint at{b.Rect.Left - origin.X, b.Rect.Top - origin.Y};
  if (faded) DrawFadedGlyph(target, at, frame, md);
  else DrawSkinGlyph(target, at, frame, SelfCache(target), md);
}
