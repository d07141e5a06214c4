#pragma once
// The arithmetic of the form animations, without a window or a clock: the
// frames of the show (fade in on a cover window, optionally from a zoom),
// the hide (fade out, optionally shrinking) and the minimise and restore
// animations (the picture travelling between the form and its place on the
// taskbar). One frame every 12 ms; the Windows side pushes each frame to
// its cover window.
#include <vector>

#include "skin/paint/geometry.h"

inline constexpr int acFormAnimInterval = 12;  // milliseconds between two frames

// Steps of an animation of time milliseconds: time / 12; none under 12 ms.
int FormAnimSteps(int time);

// One frame of a cover window: the constant alpha of the whole picture and
// where the picture goes in the work bitmap, stretched into Rect (nearest
// pixel) or, when not Stretched, copied unscaled at (0, 0).
struct TacAnimFrame {
  int Alpha = 0;
  TRect Rect;
  bool Stretched = false;
  friend bool operator==(const TacAnimFrame&, const TacAnimFrame&) = default;
};

// The show animation of a picture of width x height: the cover's starting
// alpha (0 with at least one step, else the max alpha), then one frame per
// iteration, steps + 1 of them: the alpha grows by max alpha / steps up to
// the max alpha; in mode 1 the picture starts inset by width / 8 and
// height / 8 on every side and the inset shrinks by (width / 8) / steps and
// (height / 8) / steps after each frame. After them the cover shows the
// whole picture at the max alpha (ShowFinalFrame).
int ShowStartAlpha(int time, int maxAlpha);
std::vector<TacAnimFrame> ShowAnimFrames(int width, int height, int time, int maxAlpha, int mode);
TacAnimFrame ShowFinalFrame(int width, int height, int maxAlpha);

// The hide animation: steps + 1 frames (none without a step). The alpha
// falls by max alpha / steps from the max alpha, at least 0; in mode 1 the
// picture is stretched into a rectangle that starts as the whole picture
// and moves in by width / (8 steps) and height / (8 steps) on every side
// after each frame.
std::vector<TacAnimFrame> HideAnimFrames(int width, int height, int time, int maxAlpha, int mode);

// Minimise and restore. Smooth is the platform's condition for a stepped
// animation (major version below 6, or desktop composition on): then
// max(1, time / 12) steps from the top alpha 63, else one step from 255.
int MinimizeSteps(int time, bool smooth);
int MinimizeTopAlpha(bool smooth);

// Where the taskbar lies on its screen.
enum TacTaskbarEdge { tbeNone, tbeLeft, tbeTop, tbeRight, tbeBottom };

// The target of a minimise without the application's taskbar button: a
// point on the taskbar's inner edge, level with the form's centre (the
// form's centre x for a taskbar at the top or bottom, its centre y for one
// at a side); (0, 0) without a taskbar. An empty rectangle at that point.
TRect MinimizeTarget(const TRect& form, const TRect& taskbar, TacTaskbarEdge edge);

// A frame of the minimise animation: the work bitmap has the form's size;
// the picture is stretched into Frame.Rect, centred in it, and the cover's
// top left corner goes to Origin (on the screen), so that the picture's
// centre lies at the centre of the travelling rectangle.
struct TacMinimizeFrame {
  TacAnimFrame Frame;
  TPoint Origin;
  friend bool operator==(const TacMinimizeFrame&, const TacMinimizeFrame&) = default;
};

// The travelling rectangle R between the form's rectangle S and the target
// T. Per step R's centre moves by (T's centre - S's centre) / steps and each
// of its sides by (S's size - T's size) / (2 steps) inward; the alpha moves
// by the top alpha / max(1, steps - 1).
class TacMinimizeAnim {
 public:
  TacMinimizeAnim(const TRect& source, const TRect& target, int steps, int topAlpha);

  // Minimising: R one step toward T, the alpha one step down (not below 0).
  // False once the alpha has reached 0: the animation is over and nothing
  // is drawn.
  bool MinimizeTick(TacMinimizeFrame& frame);
  // Restoring: R one step back toward S, the alpha one step up (at most
  // 255). False once the alpha has reached the top alpha: the form takes over.
  bool RestoreTick(TacMinimizeFrame& frame);

  double Alpha() const { return alpha_; }

 private:
  void Move(double direction);
  TacMinimizeFrame Frame() const;

  TRect source_;
  int topAlpha_;
  double alpha_;
  double alphaStep_;
  double left_, top_, right_, bottom_;  // R
  double moveX_, moveY_, shrinkX_, shrinkY_;
};
