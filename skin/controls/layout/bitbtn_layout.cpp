#include "skin/controls/layout/bitbtn_layout.h"

#include <algorithm>

bool UsesImageList(const TsBitBtnGlyphSource& source) {
  return source.HasImages && source.ImageCount > 0 && source.ImageIndex >= 0 &&
         source.ImageIndex < source.ImageCount;
}

TSize BitBtnGlyphSize(const TsBitBtnGlyphSource& source) {
  const TSize whole = UsesImageList(source) ? source.ImageSize : source.GlyphBitmapSize;
  if (whole.cx <= 0 || whole.cy <= 0) return {};
  // A frame count of 0 or less (a glyph not yet loaded, a bad stored value)
  // would divide by zero or mirror the width: the bitmap is one frame then.
  const int frames = std::max(source.NumGlyphs, 1);
  return {whole.cx / frames, whole.cy};
}

int GlyphFrameIndex(int state, int frameCount) { return std::clamp(state, 0, std::max(frameCount - 1, 0)); }

int BitBtnCaptionWidthLimit(const TsBitBtnLayoutInput& in, int glyphWidth) {
  if (!in.ShowCaption || in.Caption.empty()) return 0;
  int limit = in.Width - 2 * in.Margin;
  if ((in.Layout == blGlyphLeft || in.Layout == blGlyphRight) && glyphWidth != 0) limit -= glyphWidth + in.Spacing;
  return limit;
}

unsigned BitBtnTextFormat(const TsBitBtnLayoutInput& in) {
  const unsigned format = BiDiFormat(AlignmentFormat(in.TextAlignment) | kDtVCenter | kDtExpandTabs, in.BiDi);
  return in.WordWrap ? format | kDtWordBreak : format;
}

unsigned BitBtnCaptionDrawFormat(const TsBitBtnLayoutInput& in) { return BitBtnTextFormat(in) | kDtEndEllipsis; }

TsBitBtnLayout LayoutBitBtn(const TsBitBtnLayoutInput& in, TsTextMeasurer& measurer) {
  TsBitBtnLayout out;
  out.GlyphSize = BitBtnGlyphSize(in.Glyph);
  const int limit = BitBtnCaptionWidthLimit(in, out.GlyphSize.cx);
  // A caption not shown takes no room, whatever its text.
  if (in.ShowCaption && !in.Caption.empty()) {
    out.TextSize = measurer.MeasureText(in.Caption, TRect{0, 0, limit, 0}, BitBtnTextFormat(in) | kDtCalcRect);
  }
  out.Content = CalcButtonLayout(TRect{0, 0, in.Width, in.Height}, out.GlyphSize, out.TextSize, in.Layout,
                                 in.Alignment, in.Margin, in.Spacing, BiDiFormat(0, in.BiDi));
  return out;
}

TRect BitBtnImageRect(TPoint glyphOrigin, TSize glyphSize, bool shiftContent, bool reflected) {
  TRect r{glyphOrigin.X, glyphOrigin.Y, glyphOrigin.X + glyphSize.cx, glyphOrigin.Y + glyphSize.cy};
  const int dx = shiftContent ? 1 : 0;
  const int dy = (shiftContent ? 1 : 0) - (reflected ? glyphSize.cx / 6 : 0);
  return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}
