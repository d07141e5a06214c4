#include "skin/forms/frame/caption_fade.h"

#include <algorithm>

int TacButtonFade::AlphaAt(int step) const {
  return std::clamp(255 / std::max(steps_, 1) * step, 0, 255);
}

int TacButtonFade::Start(int state, int steps) {
  if (state == target_) return -1;
  if (state == 0) return Retarget(0, steps, false);
  steps_ = std::max(steps, 1);
  target_ = state;
  full_ = false;
  running_ = steps_ > 1;
  in_ = true;
  step_ = 2;
  return AlphaAt(1);
}

int TacButtonFade::Retarget(int state, int steps, bool show) {
  steps_ = std::max(steps, 1);
  in_ = show;
  running_ = true;
  full_ = false;
  if (!show) return -1;
  target_ = state;
  if (state != 2) return -1;
  step_ = steps_;
  return 255;
}

TacFadeTick TacButtonFade::Tick() {
  if (!running_) return {};
  if (in_) {
    if (step_ < steps_) return {ftAlpha, AlphaAt(step_++)};
    if (!full_) {
      full_ = true;
      return {ftAlpha, 255};
    }
    return {ftPoll, 255};
  }
  if (step_ >= 1) return {ftAlpha, AlphaAt(step_--)};
  target_ = -1;
  running_ = false;
  step_ = 0;
  return {ftDone, 0};
}
