#pragma once
// A timer whose ticks come from a worker thread of its own, for the form
// skinning's animations, delayed hiding and moving. The worker only waits:
// each tick is handed to the thread that made the timer (through that
// thread's timer window) and the worker waits until it has run there, so
// handlers run on the user-interface thread and need no locks.
//
// The worker is paused by an event it waits for, never by suspending it. A
// stop event ends it at once, also while it waits for a handed tick to run
// (that tick is then dropped): killing the timer never waits on the
// user-interface thread, so it cannot deadlock, not even from the timer's own
// tick. A paused or disabled timer, one with interval 0 and one without a
// handler deliver no ticks.
#include <memory>

#include "base/win_handles.h"
#include "framework/component.h"
#include "skin/paint/win/timer_resolution.h"

class TTimerService;

class TacThreadedTimer : public TComponent {
 public:
  // Enabled, every 1000 ms, the worker started (unless the application is closing).
  explicit TacThreadedTimer(TComponent* AOwner);
  // Disabled, the worker started; with UseOwnHandler the ticks go to
  // TimeHandler instead of OnTimer.
  TacThreadedTimer(TComponent* AOwner, bool UseOwnHandler);
  ~TacThreadedTimer() override;

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  unsigned GetInterval() const { return FInterval; }
  // The worker takes a new interval at its next wait.
  void SetInterval(unsigned Value);
  int GetThreadPriority() const { return FThreadPriority; }
  void SetThreadPriority(int Value);
  void SetOnTimer(TNotifyEvent Value);

  void StartTimer();
  void KillTimer();
  // Pauses the worker, and lets it run again when the timer has an
  // interval, is enabled and has a handler.
  void UpdateTimer();
  void Reset();
  // Raises OnTimer.
  void Timer();
  bool WorkerStarted() const { return static_cast<bool>(FThread); }

 protected:
  // The tick of a timer made with UseOwnHandler.
  virtual void TimeHandler() {}

 private:
  struct TWorker;
  static DWORD WINAPI WorkerLoop(void* Parameter);
  bool WantsTicks() const;
  // A tick handed over by the worker, on this timer's thread.
  void DoTimer();

  TNotifyEvent FOnTimer;
  bool FEnabled;
  bool FUseOwnHandler;
  unsigned FInterval = 1000;
  int FThreadPriority = THREAD_PRIORITY_NORMAL;
  std::shared_ptr<TWorker> FWorker;
  TOwnedKernelHandle FThread;
  TTimerService* FService = nullptr;
  UINT_PTR FId = 0;
  TacTimerResolution FResolution;
};
