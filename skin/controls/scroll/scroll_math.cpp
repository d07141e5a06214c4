#include "skin/controls/scroll/scroll_math.h"

#include <algorithm>

int ScrollMulDiv(std::int64_t a, std::int64_t b, std::int64_t c) {
  if (c <= 0) return 0;
  const std::int64_t product = a * b;
  const std::int64_t half = c / 2;
  const std::int64_t q = product >= 0 ? (product + half) / c : -((-product + half) / c);
  return static_cast<int>(std::clamp<std::int64_t>(q, INT32_MIN, INT32_MAX));
}

int MaxScrollPos(const TacScrollRange& Range) {
  const std::int64_t top = static_cast<std::int64_t>(Range.Max) - std::max(Range.Page - 1, 0);
  return static_cast<int>(std::max<std::int64_t>(top, Range.Min));
}

int ClampScrollPos(const TacScrollRange& Range, int Pos) {
  return std::clamp(Pos, Range.Min, MaxScrollPos(Range));
}

int ArrowLength(const TacBarAxis& Bar) {
  return 2 * Bar.Button >= Bar.Length ? std::max(Bar.Length, 0) / 2 : Bar.Button;
}

TacThumb CalcThumb(const TacScrollRange& Range, const TacBarAxis& Bar) {
  const int track = Bar.TrackLength();
  const std::int64_t range = static_cast<std::int64_t>(Range.Max) - Range.Min + 1;
  int length = 0;
  if (Range.Page == 0) length = std::max(Bar.Button, Bar.MinThumb);
  else if (range > 0) length = ScrollMulDiv(Range.Page, track, range);
  if (Bar.Button == 0 && length < 19) length = 19;
  else length = std::max(length, Bar.MinThumb);
  int offset = 0;
  if (range > 0) {
    offset = ScrollMulDiv(static_cast<std::int64_t>(Range.Pos) - Range.Min, track - length,
                          range - std::max(1, Range.Page));
    offset = std::max(0, std::min(offset, track - length));
  }
  return {length, Bar.Start + Bar.Button + offset};
}

int ScrollHitTest(const TacScrollRange& Range, const TacBarAxis& Bar, int Along) {
  if (Along < Bar.Start || Along >= Bar.End()) return spNone;
  const int arrow = ArrowLength(Bar);
  if (Along < Bar.Start + arrow) return spLineUp;
  if (Along >= Bar.End() - arrow) return spLineDown;
  const TacThumb thumb = CalcThumb(Range, Bar);
  if (thumb.Length >= Bar.TrackLength()) return spNone;
  if (Along >= thumb.Start && Along < thumb.End()) return spThumb;
  if (Along < thumb.Start) return spPageUp;
  return spPageDown;
}

int TacThumbDrag::ThumbStartAt(int Along) const {
  const int first = Bar.Start + Bar.Button;
  const int last = std::max(first, first + Bar.TrackLength() - ThumbLength);
  return std::clamp(Along - Offset, first, last);
}

int TacThumbDrag::PositionAt(int Along) const {
  const int span = Bar.TrackLength() - ThumbLength;
  if (span <= 0) return Range.Min;
  const int moved = ThumbStartAt(Along) - (Bar.Start + Bar.Button);
  const int maxPos = MaxScrollPos(Range);
  return ClampScrollPos(Range, Range.Min + ScrollMulDiv(moved, static_cast<std::int64_t>(maxPos) - Range.Min, span));
}
