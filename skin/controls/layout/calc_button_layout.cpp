#include "skin/controls/layout/calc_button_layout.h"

#include <algorithm>

#include "skin/paint/text_format.h"

namespace {

bool IsHorizontal(TButtonLayout layout) { return layout == blGlyphLeft || layout == blGlyphRight; }

// The margin and spacing after the automatic rules; extent is the client's
// size along the main axis, glyph and text the sizes along it.
void ResolveMarginAndSpacing(int extent, int glyph, int text, TAlignment alignment, int& margin, int& spacing) {
  if (margin == -1) {
    if (spacing < 0) {
      margin = (extent - (glyph + text)) / 3;
      spacing = margin;
    } else if (alignment == taCenter) {
      margin = (extent - (glyph + spacing + text) + 1) / 2;
    } else {
      margin = 2;
    }
  } else if (spacing < 0) {
    spacing = ((extent - margin - glyph) - text) / 2;
  }
}

// The glyph's and the text's x along a horizontal main axis.
void PlaceHorizontally(TSize cs, TSize g, TSize t, TButtonLayout layout, TAlignment alignment,
                       int margin, int spacing, TPoint& p, TPoint& q, TRect& r) {
  if (layout == blGlyphLeft) {
    switch (alignment) {
      case taLeftJustify:
        p.X = margin;
        q.X = p.X + g.cx + spacing;
        // The text ends at the margin from the client's right edge.
        r.Right = std::min(t.cx, cs.cx - margin - q.X);
        break;
      case taRightJustify:
        q.X = cs.cx - margin - t.cx;
        p.X = q.X - spacing - g.cx;
        break;
      case taCenter:
        p.X = std::max((cs.cx - t.cx - spacing - g.cx) / 2, margin);
        q.X = p.X + spacing + g.cx;
        break;
    }
    return;
  }
  switch (alignment) {
    case taLeftJustify:
      p.X = margin + t.cx + spacing;
      q.X = p.X - spacing - t.cx;
      break;
    case taRightJustify:
      p.X = cs.cx - margin - g.cx;
      q.X = p.X - spacing - t.cx;
      break;
    case taCenter:
      q.X = (cs.cx - t.cx - spacing - g.cx) / 2;
      p.X = q.X + spacing + t.cx;
      break;
  }
}

}  // namespace

TButtonContent CalcButtonLayout(const TRect& client, TSize glyphSize, TSize textSize, TButtonLayout layout,
                                TAlignment alignment, int margin, int spacing, unsigned bidiFormat) {
  if ((bidiFormat & kDtRight) != 0) {
    if (layout == blGlyphLeft) {
      layout = blGlyphRight;
    } else if (layout == blGlyphRight) {
      layout = blGlyphLeft;
    }
  }
  const TSize cs{client.Width(), client.Height()};
  const TSize g = glyphSize;
  const TSize t = textSize;
  TRect r{0, 0, t.cx, t.cy};
  TPoint p;
  TPoint q;
  const bool horizontal = IsHorizontal(layout);
  if (horizontal) {
    p.Y = (cs.cy - g.cy + 1) / 2;
    q.Y = (cs.cy - t.cy + 1) / 2;
  } else {
    p.X = (cs.cx - g.cx + 1) / 2;
    q.X = (cs.cx - t.cx + 1) / 2;
  }
  if (t.cx == 0 || g.cx == 0) spacing = 0;
  if (horizontal) {
    ResolveMarginAndSpacing(cs.cx, g.cx, t.cx, alignment, margin, spacing);
    PlaceHorizontally(cs, g, t, layout, alignment, margin, spacing, p, q, r);
  } else {
    // The margin is resolved as for any layout but a vertical block is centred.
    ResolveMarginAndSpacing(cs.cy, g.cy, t.cy, alignment, margin, spacing);
    const int free = (cs.cy - g.cy - spacing - t.cy) / 2;
    if (layout == blGlyphTop) {
      p.Y = free;
      q.Y = p.Y + g.cy + spacing;
    } else {
      p.Y = cs.cy - g.cy - free;
      q.Y = p.Y - spacing - t.cy;
    }
  }
  p.X += client.Left;
  p.Y += client.Top;
  const int dx = client.Left + q.X;
  const int dy = client.Top + q.Y;
  return {p, TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy}};
}
