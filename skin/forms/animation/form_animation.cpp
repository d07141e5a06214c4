#include "skin/forms/animation/form_animation.h"

#include <algorithm>

#include "skin/paint/colors.h"

int FormAnimSteps(int time) { return time < acFormAnimInterval ? 0 : time / acFormAnimInterval; }

int ShowStartAlpha(int time, int maxAlpha) { return FormAnimSteps(time) > 0 ? 0 : maxAlpha; }

std::vector<TacAnimFrame> ShowAnimFrames(int width, int height, int time, int maxAlpha, int mode) {
  const int steps = FormAnimSteps(time);
  std::vector<TacAnimFrame> frames;
  if (steps == 0) return frames;
  const double increment = static_cast<double>(maxAlpha) / steps;
  double alpha = 0, insetX = width / 8.0, insetY = height / 8.0;
  const double shrinkX = insetX / steps, shrinkY = insetY / steps;
  for (int i = 0; i <= steps; ++i) {
    alpha = std::min<double>(maxAlpha, alpha + increment);
    TacAnimFrame frame{Round(alpha), {0, 0, width, height}, false};
    if (mode == 1 && insetX >= 0 && insetY >= 0) {
      const int left = Round(insetX), top = Round(insetY);
      frame.Rect = {left, top, left + Round(width - 2 * insetX), top + Round(height - 2 * insetY)};
      frame.Stretched = true;
    }
    if (mode == 1) {
      insetX -= shrinkX;
      insetY -= shrinkY;
    }
    frames.push_back(frame);
  }
  return frames;
}

TacAnimFrame ShowFinalFrame(int width, int height, int maxAlpha) { return {maxAlpha, {0, 0, width, height}, false}; }

std::vector<TacAnimFrame> HideAnimFrames(int width, int height, int time, int maxAlpha, int mode) {
  const int steps = FormAnimSteps(time);
  std::vector<TacAnimFrame> frames;
  if (steps == 0) return frames;
  const double decrement = static_cast<double>(maxAlpha) / steps;
  const double moveX = width / (8.0 * steps), moveY = height / (8.0 * steps);
  double alpha = maxAlpha, left = 0, top = 0, right = width, bottom = height;
  for (int i = 0; i <= steps; ++i) {
    alpha = std::max(0.0, alpha - decrement);
    TacAnimFrame frame{Round(alpha), {0, 0, width, height}, false};
    if (mode == 1 && right - left >= 0 && bottom - top >= 0)
      frame = {frame.Alpha, {Round(left), Round(top), Round(right), Round(bottom)}, true};
    left += moveX;
    top += moveY;
    right -= moveX;
    bottom -= moveY;
    frames.push_back(frame);
  }
  return frames;
}

int MinimizeSteps(int time, bool smooth) { return smooth ? std::max(1, time / acFormAnimInterval) : 1; }
int MinimizeTopAlpha(bool smooth) { return smooth ? 63 : 255; }

TRect MinimizeTarget(const TRect& form, const TRect& taskbar, TacTaskbarEdge edge) {
  const int centreX = form.Left + form.Width() / 2, centreY = form.Top + form.Height() / 2;
  TPoint at;
  switch (edge) {
    case tbeLeft: at = {taskbar.Right, centreY}; break;
    case tbeRight: at = {taskbar.Left, centreY}; break;
    case tbeTop: at = {centreX, taskbar.Bottom}; break;
    case tbeBottom: at = {centreX, taskbar.Top}; break;
    case tbeNone: break;
  }
  return {at.X, at.Y, at.X, at.Y};
}

namespace {
double CentreOf(int from, int size) { return from + size / 2; }
}  // namespace

TacMinimizeAnim::TacMinimizeAnim(const TRect& source, const TRect& target, int steps, int topAlpha)
    : source_(source),
      topAlpha_(topAlpha),
      alpha_(topAlpha),
      alphaStep_(static_cast<double>(topAlpha) / std::max(1, steps - 1)),
      left_(source.Left),
      top_(source.Top),
      right_(source.Right),
      bottom_(source.Bottom) {
  const double n = std::max(1, steps);
  moveX_ = (CentreOf(target.Left, target.Width()) - CentreOf(source.Left, source.Width())) / n;
  moveY_ = (CentreOf(target.Top, target.Height()) - CentreOf(source.Top, source.Height())) / n;
  shrinkX_ = (source.Width() - target.Width()) / (2 * n);
  shrinkY_ = (source.Height() - target.Height()) / (2 * n);
}

void TacMinimizeAnim::Move(double direction) {
  left_ += direction * (moveX_ + shrinkX_);
  right_ += direction * (moveX_ - shrinkX_);
  top_ += direction * (moveY_ + shrinkY_);
  bottom_ += direction * (moveY_ - shrinkY_);
}

TacMinimizeFrame TacMinimizeAnim::Frame() const {
  const int width = Round(std::max(0.0, right_ - left_)), height = Round(std::max(0.0, bottom_ - top_));
  const int sourceWidth = source_.Width(), sourceHeight = source_.Height();
  const int x = (sourceWidth - width) / 2, y = (sourceHeight - height) / 2;
  const TPoint origin{Round((left_ + right_) / 2) - sourceWidth / 2, Round((top_ + bottom_) / 2) - sourceHeight / 2};
  return {{Round(alpha_), {x, y, x + width, y + height}, true}, origin};
}

bool TacMinimizeAnim::MinimizeTick(TacMinimizeFrame& frame) {
  Move(1);
  alpha_ = std::max(alpha_ - alphaStep_, 0.0);
  if (alpha_ <= 0) return false;
  frame = Frame();
  return true;
}

bool TacMinimizeAnim::RestoreTick(TacMinimizeFrame& frame) {
  Move(-1);
  alpha_ = std::min(alpha_ + alphaStep_, 255.0);
  if (alpha_ >= topAlpha_) return false;
  frame = Frame();
  return true;
}
