#include "skin/paint/win/timer_resolution.h"

#include <mmsystem.h>

#include <mutex>

namespace {

UINT SystemBegin(UINT Milliseconds) { return timeBeginPeriod(Milliseconds); }
UINT SystemEnd(UINT Milliseconds) { return timeEndPeriod(Milliseconds); }

constexpr UINT kFinePeriod = 1;

// Timers of any thread may hold the resolution.
std::mutex gLock;
int gHolders = 0;
TacTimePeriodCalls gCalls{SystemBegin, SystemEnd};

}  // namespace

void TacTimerResolution::Hold(bool Value) {
  if (Value == FHeld) return;
  FHeld = Value;
  std::lock_guard<std::mutex> lock(gLock);
  if (Value && gHolders++ == 0) gCalls.Begin(kFinePeriod);
  if (!Value && --gHolders == 0) gCalls.End(kFinePeriod);
}

int TimerResolutionHolders() {
  std::lock_guard<std::mutex> lock(gLock);
  return gHolders;
}

TacTimePeriodCalls SetTimePeriodCalls(TacTimePeriodCalls Calls) {
  std::lock_guard<std::mutex> lock(gLock);
  const TacTimePeriodCalls previous = gCalls;
  gCalls = Calls;
  return previous;
}
