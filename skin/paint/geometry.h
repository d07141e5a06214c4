#pragma once
// Rectangles, points and sizes of the skin painters: right and bottom
// exclusive unless a routine says otherwise.
#include <algorithm>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// The size of a glyph, a text or a picture.
struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

// The part of r inside 0..width x 0..height (possibly empty).
inline TRect ClipToSize(TRect r, int width, int height) {
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min(r.Right, width);
  r.Bottom = std::min(r.Bottom, height);
  return r;
}

// A rectangle of a source copied to a point of a destination, both clipped so
// that every pixel read and written lies inside its bitmap.
struct TTransfer {
  TRect Source;  // empty when nothing is left
  TPoint Target;
};

inline TTransfer ClipTransfer(TRect src, TPoint at, int srcWidth, int srcHeight, int dstWidth,
                              int dstHeight) {
  const TRect inSource = ClipToSize(src, srcWidth, srcHeight);
  at.X += inSource.Left - src.Left;
  at.Y += inSource.Top - src.Top;
  TRect r = inSource;
  if (at.X < 0) { r.Left -= at.X; at.X = 0; }
  if (at.Y < 0) { r.Top -= at.Y; at.Y = 0; }
  r.Right = std::min(r.Right, r.Left + dstWidth - at.X);
  r.Bottom = std::min(r.Bottom, r.Top + dstHeight - at.Y);
  if (r.IsEmpty()) return {{}, at};
  return {r, at};
}
