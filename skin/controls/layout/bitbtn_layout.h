#pragma once
// The layout of a bitmap button: the size of one glyph frame, the caption's
// width limit and format, the glyph's rectangle, and the whole placement.
#include <string_view>

#include "skin/controls/layout/calc_button_layout.h"
#include "skin/paint/text_format.h"
#include "skin/paint/text_measure.h"

// Where a bitmap button's glyph comes from: an image of the image list when
// one is set and ImageIndex is within it, else the glyph bitmap, whose width
// holds NumGlyphs frames side by side.
struct TsBitBtnGlyphSource {
  bool HasImages = false;
  int ImageCount = 0;
  int ImageIndex = -1;
  TSize ImageSize;
  TSize GlyphBitmapSize;  // 0 x 0 without a glyph bitmap
  int NumGlyphs = 1;
};

bool UsesImageList(const TsBitBtnGlyphSource& source);

// The size of one frame: width div NumGlyphs (a count below 1 counts as 1),
// the full height; 0 x 0 when there is no glyph or its size is not positive.
TSize BitBtnGlyphSize(const TsBitBtnGlyphSource& source);

// The frame a glyph of frameCount frames shows in a state: min(state,
// frameCount - 1), never below 0.
int GlyphFrameIndex(int state, int frameCount);

struct TsBitBtnLayoutInput {
  int Width = 0;
  int Height = 0;
  std::string_view Caption;
  bool ShowCaption = true;
  bool WordWrap = true;
  TAlignment Alignment = taCenter;      // of the glyph-and-caption block
  TAlignment TextAlignment = taCenter;  // of the text in its rectangle
  TButtonLayout Layout = blGlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  TBiDi BiDi;
  TsBitBtnGlyphSource Glyph;
};

// The caption's width limit: 0 without a caption shown; otherwise Width - 2 x
// Margin, less the glyph width and spacing beside a glyph on the left or right.
int BitBtnCaptionWidthLimit(const TsBitBtnLayoutInput& in, int glyphWidth);

// The caption's format when measured (with kDtCalcRect added) and drawn:
// text alignment, vertical centre, expanded tabs, adjusted for the reading
// order, word break when wrapped.
unsigned BitBtnTextFormat(const TsBitBtnLayoutInput& in);
// The format the caption is drawn with: the text format with an end ellipsis.
unsigned BitBtnCaptionDrawFormat(const TsBitBtnLayoutInput& in);

struct TsBitBtnLayout {
  TSize GlyphSize;
  TSize TextSize;
  TButtonContent Content;  // FGlyphOrigin and FTextBounds
};

// The glyph and caption placed in the button's client rectangle; the caption
// is measured by measurer from (0, 0, limit, 0).
TsBitBtnLayout LayoutBitBtn(const TsBitBtnLayoutInput& in, TsTextMeasurer& measurer);

// The glyph's rectangle from its origin: moved by (1, 1) when the content
// shifts (pressed, and unskinned or shifting on click), up by a sixth of its
// width when reflected.
TRect BitBtnImageRect(TPoint glyphOrigin, TSize glyphSize, bool shiftContent, bool reflected);
