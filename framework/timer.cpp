#include "framework/timer.h"

#include "framework/errors.h"
#include "framework/timer_service.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FId(TTimerService::Instance().NewId()) { UpdateTimer(); }

TTimer::~TTimer() { TTimerService::Instance().Stop(FId); }

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  TTimerService& service = TTimerService::Instance();
  service.Stop(FId);
  if (!FEnabled || FInterval == 0) return;
  if (!service.Start(FId, FInterval, [this] { Timer(); }))
    throw EOutOfResources("Not enough timers available");
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}
