#pragma once
// The pixel work of a label with a blurred drop shadow, without a window:
// the room a shadow needs around the text, the box of rotated text, where the
// text goes in the label, the blurred mask of the text's pixels and the
// shadow mixed into the label's picture.
#include <cstdint>
#include <vector>

#include "base/form_kinds.h"
#include "skin/paint/bitmap32.h"
#include "skin/paint/geometry.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// A shadow's colour (RGB), blur steps, offset and opacity.
struct TacShadowData {
  TColor Color = 0;
  int Blur = 0;
  int Distance = 0;
  int Alpha = 255;
};

// The room a shadow needs before (LeftTop, never positive) and after
// (RightBottom, never negative) the text.
struct TacShadowExtent {
  int LeftTop = 0;
  int RightBottom = 0;
  friend bool operator==(const TacShadowExtent&, const TacShadowExtent&) = default;
};
TacShadowExtent ShadowExtent(const TacShadowData& shadow);

// x rounded to the nearest integer, halves to the even neighbour.
int NearestEven(double x);

// The box text of size (tw, th) turned by angle degrees (counter-clockwise)
// fills, and where the text's origin goes inside it.
struct TacRotatedBox {
  int Width = 0;
  int Height = 0;
  int OffsetX = 0;
  int OffsetY = 0;
};
TacRotatedBox RotatedTextBox(int tw, int th, int angle);

// The text's rectangle (box sized) in the label's rectangle for its alignment
// and layout, with the shadow's room kept free.
TRect FxTextRect(const TRect& bounds, int boxWidth, int boxHeight, const TacShadowExtent& extent, int distance,
                 TAlignment alignment, TTextLayout layout);

// The blurred coverage of a shadow: a byte grid one cell larger than the
// picture on every side. The buffer grows (to twice what is asked) and is
// never shrunk, so repeated paints allocate nothing.
class TacShadowMask {
 public:
  // Resizes to (width + 2) x (height + 2) cells, all 0.
  void Reset(int width, int height);
  // blur rounds of: the text (every pixel of text whose blue byte is not 0)
  // stamped into the interior as 255, then one in-place smoothing sweep,
  // row by row and left to right: cell := (above + below + left + right) >> 2.
  void Blur(const TBitmap32& text, int blur);
  // The interior cell of picture pixel (x, y).
  std::uint8_t At(int x, int y) const { return FCells[static_cast<size_t>((y + 1) * FStride + x + 1)]; }
  size_t Capacity() const { return FCells.size(); }

 private:
  std::vector<std::uint8_t> FCells;
  int FStride = 0;
  int FRows = 0;
};

// Mixes the shadow into picture (the mask's size): each cell's weight v =
// mask × alpha >> 8; every channel becomes ((255 - v) × pixel + v × shadow)
// >> 8 over the picture's own pixels (transparent label), or (v × shadow +
// (255 - v) × background) >> 8 over a plain background colour (opaque label).
void ComposeShadow(TBitmap32& picture, const TacShadowMask& mask, const TacShadowData& shadow, bool transparent,
                   TColor background);

// The label's bounds after its shadow's room changed from old to now.
// Without AutoSize the text area keeps its size; with it the new text box
// (boxWidth x boxHeight, measured) decides the size. Alignment and layout
// say which edge stays.
struct TacFxBoundsInput {
  TRect Bounds;  // left, top, right, bottom of the label now
  TacShadowExtent Old;
  TacShadowExtent Now;
  bool AutoSize = false;
  int BoxWidth = 0;
  int BoxHeight = 0;
  TAlignment Alignment = taLeftJustify;
  TTextLayout Layout = tlTop;
};
TRect FxAdjustBounds(const TacFxBoundsInput& in);
