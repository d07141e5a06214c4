#include "framework/timer.h"

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {
  FWindow = std::make_unique<TUtilityWindow>([this](TMessage& Message) {
    if (Message.Msg == WM_TIMER) {
      Timer();
      return;
    }
    FWindow->DefaultHandler(Message);
  });
  UpdateTimer();
}

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

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
  if (FRunning) KillTimer(FWindow->GetHandle(), kTimerId);
  FRunning = FEnabled && FInterval > 0;
  if (FRunning) SetTimer(FWindow->GetHandle(), kTimerId, FInterval, nullptr);
}

void TTimer::Timer() {
  if (OnTimer) OnTimer(this);
}
