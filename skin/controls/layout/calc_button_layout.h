#pragma once
// The placement of a glyph and a caption inside a button's client rectangle,
// shared by every button kind, skinned or not.
#include "skin/controls/layout/button_kinds.h"
#include "skin/paint/geometry.h"

struct TButtonContent {
  TPoint GlyphPos;  // top-left of the glyph
  TRect TextBounds;  // the caption's rectangle
  friend bool operator==(const TButtonContent&, const TButtonContent&) = default;
};

// Places a glyph of glyphSize and a text of textSize in client by the layout
// and alignment. A margin of -1 centres the block (or, with a negative
// spacing too, splits the free space in three); a negative spacing alone
// centres the text in what the margin and glyph leave. Spacing is 0 when
// there is no text or no glyph. bidiFormat holding kDtRight (a right-to-left
// control) swaps the left and right glyph layouts.
TButtonContent CalcButtonLayout(const TRect& client, TSize glyphSize, TSize textSize, TButtonLayout layout,
                                TAlignment alignment, int margin, int spacing, unsigned bidiFormat);
