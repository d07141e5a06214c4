#include "skin/forms/frame/caption_text.h"

#include <algorithm>

TRect CaptionTextBand(const TsSkinModel& skin, const TacFrameSections& sections, const TacFrameForm& form,
                      const TacCaptionLayout& layout) {
  const TacFrameGeometry& g = layout.Geometry;
  TRect r;
  r.Left = g.SysBorderWidth + (g.IconVisible ? layout.IconRect.Width() : 0) + skin.SkinData.BILeft +
           (sections.Caption >= 0 ? 2 : 0) + 4;
  r.Right = g.CaptionWidth - layout.TitleBtnsWidth - 12;
  r.Top = layout.CaptionVCenter - form.CaptionTextHeight / 2;
  r.Bottom = r.Top + form.CaptionTextHeight;
  return r;
}

TRect AlignCaptionText(const TRect& band, int textWidth, TAlignment alignment, bool rightToLeft) {
  if (rightToLeft && alignment != taCenter) alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  TRect r = band;
  const int needed = textWidth + 4;
  if (alignment == taRightJustify) {
    if (needed < r.Width()) r.Left = r.Right - needed;
  } else if (alignment == taCenter) {
    r.Left = std::max(r.Left, r.Left + (r.Width() - needed) / 2);
    r.Right = std::min(r.Left + textWidth, r.Right);
  }
  return r;
}

void PaintCaptionText(TBitmap32& bmp, const TsSkinModel& skin, const TacFrameSections& sections,
                      const TacFrameForm& form, const TacCaptionLayout& layout, TsTextRasteriser& raster,
                      TacGlowMask& glow) {
  const TRect band = CaptionTextBand(skin, sections, form, layout);
  if (band.IsEmpty() || form.Caption.empty()) return;
  const int textWidth = raster.TextWidth(form.Caption);
  const TRect rect = AlignCaptionText(band, textWidth, form.CaptionAlignment, form.RightToLeft);
  const unsigned format = kCaptionFormat | (form.RightToLeft ? kDtRtlReading : 0);
  const int textSection = sections.Caption >= 0 ? sections.Caption : sections.Title;
  const int state = FrameState(skin, textSection, form.Active);

  TCacheInfo self;
  self.Bitmap = &bmp;
  self.X = self.Y = 0;
  self.Ready = true;
  if (sections.Caption >= 0) {
    const TRect measured{rect.Left - 4, rect.Top - 2, std::min(rect.Left + textWidth, rect.Right) + 4, rect.Bottom + 2};
    const TRect behind = ClipToSize(measured, bmp.Width(), bmp.Height());
    PaintItem(&skin, sections.Caption, self, state, behind, {behind.Left, behind.Top}, bmp);
  }
  if (!skin.IsValidSkinIndex(textSection)) return;
  const TsGenState& st = skin.gd[static_cast<std::size_t>(textSection)].Props[static_cast<std::size_t>(std::min(state, 1))];
  if (st.GlowSize > 0) acDrawGlowForText(bmp, form.Caption, rect, glow, st.GlowColor, st.GlowSize, 15, format, raster);
  WriteText32(bmp, form.Caption, form.Enabled, format, &skin, state > 0, textSection, rect, 0, raster);
}
