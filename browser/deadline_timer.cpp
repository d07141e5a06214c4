#include "browser/deadline_timer.h"

#include "framework/timer_service.h"

// The thread's one timer window runs the deadline, under an id of its own.
DeadlineTimer::DeadlineTimer(std::function<void()> expired)
    : expired_(std::move(expired)), id_(TTimerService::Instance().NewId()) {}

DeadlineTimer::~DeadlineTimer() { Stop(); }

void DeadlineTimer::Start(unsigned milliseconds) {
  running_ = TTimerService::Instance().Start(id_, milliseconds, [this] {
    Stop();
    if (!expired_) return;
    auto expired = expired_;  // the function may destroy the timer's owner
    expired();
  });
}

void DeadlineTimer::Stop() {
  TTimerService::Instance().Stop(id_);
  running_ = false;
}
