#pragma once
// The steps of a caption button's hover fade, without a clock: the button's
// new look is shown above it in a small window whose alpha rises step by step
// (255 div steps a step) and, when the mouse has gone, falls again. A 12 ms
// platform timer asks for each tick.

// What one tick asks of the window showing the new look.
enum TacFadeTickKind {
  ftIdle,   // the fade is not running
  ftAlpha,  // show the window at Alpha
  ftPoll,   // fully shown: see whether the cursor has left the button
  ftDone,   // faded out: free the window and its picture
};
struct TacFadeTick {
  TacFadeTickKind Kind = ftIdle;
  int Alpha = 0;
};

class TacButtonFade {
 public:
  // A new fade towards a state, 1 hot or 2 pressed, from its first step (0
  // turns a running one out). Returns the alpha to show at once, or -1 when
  // the state is already the target. It runs when steps > 1.
  int Start(int state, int steps);
  // A fade already running turns: shown, towards a new target state (2 is
  // shown fully at once); hidden, back out from where it stands. Returns the
  // alpha to show at once, or -1 when the shown alpha stays.
  int Retarget(int state, int steps, bool show);
  TacFadeTick Tick();

  int TargetState() const { return target_; }
  bool FadingIn() const { return in_; }
  bool Running() const { return running_; }
  int Step() const { return step_; }
  int Steps() const { return steps_; }

 private:
  int AlphaAt(int step) const;

  int target_ = -1;
  int steps_ = 0;
  int step_ = 0;
  bool in_ = true;
  bool running_ = false;
  bool full_ = false;  // a fade in has shown the full alpha
};
