#include "skin/paint/win/fade_timer.h"

#include <optional>
#include <utility>

#include "base/win_handles.h"
#include "skin/paint/gdi_win.h"

namespace {
// What an object without a cache shows: nothing.
const TBitmap32 kNoPicture;
}  // namespace

TsFadeTimer::TsFadeTimer(TComponent* AOwner) : TTimer(AOwner) {
  SetEnabled(false);
  SetInterval(acAnimInterval);
  ++acAnimCount;
}

TsFadeTimer::~TsFadeTimer() { --acAnimCount; }

void TsFadeTimer::FollowProgress() {
  SetEnabled(FProgress.Enabled());
  FResolution.Hold(FProgress.Enabled());
}

void TsFadeTimer::SetDirection(TFadeDirection Value) {
  FProgress.SetDirection(Value);
  FollowProgress();
}

void TsFadeTimer::SetOwnerData(TacFadeTarget* Value, bool Fresh, bool Half) {
  FOwnerData = Value;
  TBitmap32* cache = Value ? Value->FadeCache() : nullptr;
  if (cache && cache->Empty() && Value->GetBackgroundChanged()) Value->FadeCommand(acmPrepareCache);
  FProgress.Restart(Fresh, Half, cache ? *cache : kNoPicture);
}

bool TsFadeTimer::ToEnd() {
  if (FOwnerData && FOwnerData->FadeAlive() && !AnimationsClosing()) {
    if (FProgress.InRange()) return false;
    FOwnerData->FadeCommand(acmStopAnimation);  // its answer frees this timer, after this tick
  }
  if (!IsDestroying()) {
    FProgress.Stop();
    FollowProgress();
  }
  return true;
}

void TsFadeTimer::Timer() {
  // Freeing this timer during its tick waits until the tick has returned.
  const TDispatchScope scope(this);
  if (IsDestroying() || !FOwnerData || ToEnd() || FadingForbidden) return;
  if (FProgress.Direction() != fdNone) Change();
}

void TsFadeTimer::Change() {
  if (!FOwnerData || !FOwnerData->FadeAlive() || FProgress.StepCount() == 0 || FadingForbidden) return;
  if (!FOwnerData->FadeEnabled()) {
    FProgress.Cancel();
    FollowProgress();
    FOwnerData->Invalidate();
    return;
  }
  const TBitmap32* cache = FOwnerData->FadeCache();
  if (FProgress.NextFrame(cache ? *cache : kNoPicture, FFrame)) ShowFrame();
}

void TsFadeTimer::ShowFrame() {
  // The whole window: the cache pictures all of it. The object is offered
  // every frame, also when no device context can be had for its window (it
  // may show the frame by itself); the copy needs one.
  std::optional<TWindowDC> windowDC;  // never the screen's, for an object without a window
  if (const HWND window = FOwnerData->FadeWindow()) windowDC.emplace(window);
  const HDC dc = windowDC ? windowDC->Get() : nullptr;
  const int saved = dc ? SaveDC(dc) : 0;
  TacFadeFrame frame{dc, &FFrame};
  if (FOwnerData->FadeCommand(acmFadeFrame, reinterpret_cast<LPARAM>(&frame)) == 0 && dc)
    CopyToDC(FFrame, {0, 0}, dc, {0, 0, FFrame.Width(), FFrame.Height()});
  if (dc) RestoreDC(dc, saved);
}

void DoChangePaint(TsFadeTimer*& Timer, TacFadeTarget& Data, bool Half, TFadeDirection Direction, bool Allow) {
  TacFadeConditions conditions;
  conditions.Allowed = Allow && Data.FadeAlive();
  conditions.SkinChanging = Data.SkinChanging();
  conditions.FadingForbidden = FadingForbidden;
  conditions.HasCache = Data.FadeCache() != nullptr;
  conditions.BackgroundChanged = Data.GetBackgroundChanged();
  if (!FadeMayStart(conditions)) {
    StopFading(Timer);
    Data.SetBackgroundChanged(true);
    Data.Repaint();
    return;
  }
  Data.SetBackgroundChanged(true);
  const bool fresh = Timer == nullptr;
  if (fresh) Timer = new TsFadeTimer(nullptr);
  Timer->SetOwnerData(&Data, fresh, Half);
  Data.FadeCommand(acmPrepareCache);  // the cache now holds the new look
  Timer->SetDirection(Direction);
}

void StopFading(TsFadeTimer*& Timer) {
  TsFadeTimer* timer = std::exchange(Timer, nullptr);
  if (!timer || timer->IsDestroying()) return;
  timer->SetDirection(fdNone);
  delete timer;
}
