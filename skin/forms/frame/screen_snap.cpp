#include "skin/forms/frame/screen_snap.h"

#include <cstdlib>

TPoint SnapToWorkArea(const TRect& window, const TRect& workArea, int snapBuffer) {
  const int w = window.Width(), h = window.Height();
  TPoint at{window.Left, window.Top};
  const auto near = [&](int a, int b) { return std::abs(a - b) < snapBuffer; };
  if (near(at.X + w, workArea.Right)) at.X = workArea.Right - w;
  if (near(at.Y + h, workArea.Bottom)) at.Y = workArea.Bottom - h;
  if (near(at.X, workArea.Left)) at.X = workArea.Left;
  if (near(at.Y, workArea.Top)) at.Y = workArea.Top;
  return at;
}
