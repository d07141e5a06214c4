#include "skin/controls/layout/speed_button_layout.h"

namespace {

int ArrowAfter(const TsSpeedButtonGeometry& g) { return g.ArrowAfterCaption ? kSpeedArrowWidth : 0; }

// The caption's rectangle before offset, widening and shift.
TRect RawCaptionRect(const TsSpeedButtonGeometry& g) {
  const int W = g.Width, H = g.Height, m = SpeedGenMargin(g.Margin), aw = g.ArrowWidth, d = ArrowAfter(g);
  const int gw = g.Glyph.cx, gh = g.Glyph.cy, tw = g.Text.cx, th = g.Text.cy;
  const bool horizontal = g.Layout == blGlyphLeft || g.Layout == blGlyphRight;
  const int s = ((horizontal ? gw : gh) > 0 && g.HasCaption) ? g.Spacing : 0;
  const int glyphSpacing = gw > 0 ? g.Spacing : 0;
  const int free = W - d - aw - gw - s;  // room of the caption beside the glyph
  const int c = (free - tw) / 2 - m;
  TRect r;
  if (horizontal) {
    r.Top = (H - th) / 2;
    r.Bottom = H - r.Top;
    const bool left = g.Layout == blGlyphLeft;
    switch (g.Alignment) {
      case taLeftJustify:
        r.Left = left ? gw + m + glyphSpacing : m;
        r.Right = left ? r.Left + free - 2 * m : m + tw;
        break;
      case taRightJustify:
        r.Left = left ? gw + m + glyphSpacing : m;
        r.Right = left ? W - aw - m : m + free - 2 * m;
        break;
      case taCenter:
        r.Left = left ? gw + m + c + glyphSpacing : m + c;
        r.Right = r.Left + tw;
        break;
    }
    return r;
  }
  r.Left = (W - tw - aw - d) / 2;
  r.Right = W - r.Left - aw - d;
  const int v = (H - gh - s - th) / 2 - m;
  if (g.Layout == blGlyphTop) {
    r.Top = gh + m + v + s;
    r.Bottom = H - v - m;
  } else {
    r.Top = m + v;
    r.Bottom = H - v - m - gh - s;
  }
  return r;
}

TRect Shifted(TRect r, bool shift) {
  if (!shift) return r;
  return {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
}

}  // namespace

int SpeedGenMargin(int margin) { return margin < 0 ? 0 : margin + 3; }

int SpeedMaxTextWidth(const TsSpeedButtonGeometry& g) {
  if (!g.HasCaption || !g.ShowCaption) return 0;
  int width = g.Width - 2 * g.Margin - g.ArrowWidth;
  if ((g.Layout == blGlyphLeft || g.Layout == blGlyphRight) && g.Glyph.cx > 0) width -= g.Glyph.cx + g.Spacing;
  return width;
}

TRect SpeedCaptionRect(const TsSpeedButtonGeometry& g) {
  const TRect r = RawCaptionRect(g);
  return Shifted({r.Left + g.TextOffset - 1, r.Top, r.Right + g.TextOffset + 2, r.Bottom}, g.ShiftContent);
}

TRect SpeedImgRect(const TsSpeedButtonGeometry& g) {
  const int W = g.Width, H = g.Height, m = SpeedGenMargin(g.Margin), aw = g.ArrowWidth, d = ArrowAfter(g);
  const int gw = g.Glyph.cx, gh = g.Glyph.cy, tw = g.Text.cx, th = g.Text.cy;
  const int sx = (g.ShowCaption && gw > 0 && g.HasCaption) ? g.Spacing : 0;
  const int hx = (W - (d + aw + gw + sx + tw)) / 2 - m;
  const int vy = (H - (gh + sx + th)) / 2 - m;
  TPoint at;
  switch (g.Layout) {
    case blGlyphLeft:
      at.X = g.Alignment == taLeftJustify ? m : g.Alignment == taRightJustify ? m + 2 * hx : m + hx;
      at.Y = (H - gh) / 2;
      break;
    case blGlyphRight:
      if (g.Alignment == taLeftJustify)  // after the caption as drawn, less its pressed shift
        at.X = SpeedCaptionRect(g).Right + g.Spacing - (g.ShiftContent ? 1 : 0);
      else
        at.X = g.Alignment == taRightJustify ? W - aw - gw - m : (W + sx + tw - aw - gw) / 2;
      at.Y = (H - gh) / 2;
      break;
    case blGlyphTop:
      at = {(W - aw - gw) / 2 + 1, m + vy};
      break;
    case blGlyphBottom:
      at = {(W - aw - gw) / 2 + 1, H - m - vy - gh};
      break;
  }
  TRect r = Shifted({at.X, at.Y, at.X + gw, at.Y + gh}, g.ShiftContent);
  if (g.Reflected) {
    r.Top -= gh / 6;
    r.Bottom -= gh / 6;
  }
  return r;
}
