#pragma once
// The system's timer resolution while skin animations run. By default the
// system timer ticks about every 15.6 ms and rounds a 12 ms timer up to it;
// while any holder holds it, the process asks for 1 ms, so 12 ms means 12 ms.
// The request is counted: the first holder makes it, the last one leaving
// takes it back.
#include <windows.h>

class TacTimerResolution {
 public:
  TacTimerResolution() = default;
  TacTimerResolution(const TacTimerResolution&) = delete;
  TacTimerResolution& operator=(const TacTimerResolution&) = delete;
  ~TacTimerResolution() { Hold(false); }

  // Holds (or lets go of) the fine resolution; repeating a call changes nothing.
  void Hold(bool Value);
  bool Held() const { return FHeld; }

 private:
  bool FHeld = false;
};

// Holders of the fine resolution now, in the whole process.
int TimerResolutionHolders();

// The system calls that ask for and give back a resolution (timeBeginPeriod
// and timeEndPeriod); replaceable so that tests can count them.
struct TacTimePeriodCalls {
  UINT (*Begin)(UINT Milliseconds);
  UINT (*End)(UINT Milliseconds);
};
// Installs Calls and returns the ones installed before.
TacTimePeriodCalls SetTimePeriodCalls(TacTimePeriodCalls Calls);
