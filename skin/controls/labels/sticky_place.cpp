#include "skin/controls/labels/sticky_place.h"

TAlignTo OppositeSide(TAlignTo side) {
  switch (side) {
    case altLeft: return altRight;
    case altTop: return altBottom;
    case altBottom: return altTop;
    case altRight: return altLeft;
  }
  return altLeft;
}

TPoint StickyPosition(const TRect& r, int width, int height, TAlignTo side, int gap) {
  const int middle = r.Top + (r.Height() - height) / 2;
  switch (side) {
    case altLeft: return {r.Left - width - gap, middle};
    case altTop: return {r.Left, r.Top - height - gap};
    case altRight: return {r.Left + r.Width() + gap, middle};
    case altBottom: return {r.Left, r.Top + r.Height() + gap};
  }
  return {r.Left, r.Top};
}
