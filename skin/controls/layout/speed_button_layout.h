#pragma once
// Where a speed button puts its caption and glyph: pure arithmetic on the
// button's size, its glyph's size and its measured caption. A drop-down
// button's arrow takes its place either as a split part at the right edge
// (ArrowWidth) or right after the caption (ArrowAfterCaption).
#include "base/form_kinds.h"
#include "skin/controls/layout/button_kinds.h"
#include "skin/paint/geometry.h"

// The width of a drop-down arrow, split part or trailing.
inline constexpr int kSpeedArrowWidth = 16;

struct TsSpeedButtonGeometry {
  int Width = 0;
  int Height = 0;
  TButtonLayout Layout = blGlyphLeft;
  TAlignment Alignment = taCenter;  // of the glyph-and-caption block
  int Margin = -1;
  int Spacing = 4;
  int TextOffset = 0;
  int ArrowWidth = 0;              // the split part's width (0: none)
  bool ArrowAfterCaption = false;  // a drop-down button without a click handler
  bool ShowCaption = true;
  bool HasCaption = false;  // the caption is not empty
  TSize Glyph;              // one frame of the glyph; 0 x 0 without one
  TSize Text;               // the caption measured in MaxTextWidth
  bool ShiftContent = false;  // pressed, and unskinned or shifting on click
  bool Reflected = false;
};

// Margin + 3, or 0 for a negative margin.
int SpeedGenMargin(int margin);
// The caption's width limit: 0 without a caption shown; else the width less
// both margins and the split part, less glyph and spacing beside a glyph on
// the left or the right.
int SpeedMaxTextWidth(const TsSpeedButtonGeometry& g);
// The caption's rectangle as it is drawn (text offset applied, widened by
// one pixel left and two right, shifted when pressed).
TRect SpeedCaptionRect(const TsSpeedButtonGeometry& g);
// The glyph's rectangle (Glyph sized; shifted when pressed; raised by a
// sixth of its height when reflected).
TRect SpeedImgRect(const TsSpeedButtonGeometry& g);
