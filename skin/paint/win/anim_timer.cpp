#include "skin/paint/win/anim_timer.h"

namespace {
// What an object without a cache shows: nothing (the steps go on).
const TBitmap32 kNoPicture;
}  // namespace

TsAnimTimer::TsAnimTimer(TComponent* AOwner) : TTimer(AOwner) {
  SetEnabled(false);
  SetInterval(acAnimInterval);
  ++acAnimCount;
}

TsAnimTimer::~TsAnimTimer() { --acAnimCount; }

void TsAnimTimer::Run(bool Value) {
  SetEnabled(Value);
  FResolution.Hold(Value);
}

void TsAnimTimer::SetOwnerData(TacFadeTarget* Value) {
  FOwnerData = Value;
  const TBitmap32* cache = Value ? Value->FadeCache() : nullptr;
  if (!cache) {
    Run(false);
    return;
  }
  FProgress.Start(*cache);
  Run(true);
}

bool TsAnimTimer::ToEnd() {
  if (IsDestroying()) return true;
  if (FOwnerData && FOwnerData->FadeAlive() && !AnimationsClosing()) {
    if (FProgress.InRange()) return false;
    FOwnerData->FadeCommand(acmStopAnimation);  // the object may free this timer, after this tick
  }
  if (!IsDestroying()) Run(false);
  return true;
}

void TsAnimTimer::Timer() {
  // Freeing this timer during its tick waits until the tick has returned.
  const TDispatchScope scope(this);
  if (!ToEnd()) DoFade();
}

void TsAnimTimer::DoFade() {
  // A tick that arrives while the object repaints from the last frame waits its turn.
  if (FInProgress || !FOwnerData || !FOwnerData->FadeAlive()) return;
  const TBitmap32* cache = FOwnerData->FadeCache();
  FInProgress = true;
  if (FProgress.DoFade(cache ? *cache : kNoPicture)) Repaint();
  FInProgress = false;
}

void TsAnimTimer::Repaint() {
  FOwnerData->FadeCommand(acmSetUpdating, 0, 0);
  FOwnerData->FadeCommand(acmInvalidate);
}
