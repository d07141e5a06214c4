// A one-shot deadline on the user-interface thread: calls its function once
// when the time set has passed, unless stopped or set again first.
#pragma once

#include <windows.h>

#include <functional>

class DeadlineTimer {
public:
  explicit DeadlineTimer(std::function<void()> expired);
  ~DeadlineTimer();
  DeadlineTimer(const DeadlineTimer&) = delete;
  DeadlineTimer& operator=(const DeadlineTimer&) = delete;

  void Start(unsigned milliseconds);  // a running deadline starts over
  void Stop();
  bool Running() const { return running_; }

private:
  std::function<void()> expired_;
  UINT_PTR id_;
  bool running_ = false;
};
