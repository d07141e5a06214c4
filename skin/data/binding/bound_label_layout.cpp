#include "skin/data/binding/bound_label_layout.h"

namespace {

int LeftOfControl(const TRect& c, int labelWidth, int indent) { return c.Left - (labelWidth + indent + 4); }

int HorizontalPlace(const TRect& c, int labelWidth, TsCaptionLayout layout) {
  switch (layout) {
    case sclTopCenter:
    case sclBottomCenter: return c.Left + (c.Width() - labelWidth) / 2;
    case sclTopRight:
    case sclBottomRight: return c.Right - labelWidth;
    default: return c.Left;
  }
}

}  // namespace

TPoint BoundLabelPosition(const TRect& c, int labelWidth, int labelHeight, TsCaptionLayout layout, int indent) {
  switch (layout) {
    case sclLeft: return {LeftOfControl(c, labelWidth, indent), c.Top + (c.Height() - labelHeight) / 2};
    case sclLeftTop: return {LeftOfControl(c, labelWidth, indent), c.Top + 3};
    case sclTopLeft:
    case sclTopCenter:
    case sclTopRight: return {HorizontalPlace(c, labelWidth, layout), c.Top - (labelHeight + indent)};
    case sclBottomLeft:
    case sclBottomCenter:
    case sclBottomRight: return {HorizontalPlace(c, labelWidth, layout), c.Bottom + indent};
  }
  return {c.Left, c.Top};
}
