#include "skin/controls/scroll/scroll_tracker.h"

bool TacScrollTracker::Press(int Bar, int Portion, const TacThumbDrag& Drag) {
  if (Portion == spNone || Tracking()) return false;
  FBar = Bar;
  FPortion = Portion;
  if (Portion == spThumb) {
    FDrag = Drag;
    FThumbTracking = true;
    FLastPos = Drag.Range.Pos;
    FHost.CaptureMouse(true);
    FHost.DrawDrag(Bar, CalcThumb(Drag.Range, Drag.Bar).Start);
    return true;
  }
  FPressed = Portion;
  FHost.SendScroll(Bar, Portion, 0);
  if (!Tracking()) return true;  // the window went away or let go while scrolling
  FHost.DrawBar(Bar, Portion);
  FTimer = kScrollDelayTimer;
  FHost.StartTimer(kScrollDelayTimer, kScrollDelayMs);
  FHost.CaptureMouse(true);
  return true;
}

void TacScrollTracker::Move(TacBarCursor Cursor) {
  if (!Tracking()) return;
  if (FThumbTracking) {
    const int pos = FDrag.PositionAt(Cursor.Along);
    if (pos != FLastPos) {
      FLastPos = pos;
      FHost.SendScroll(FBar, sbThumbTrack, pos);
      if (!FThumbTracking) return;
    }
    FHost.DrawDrag(FBar, FDrag.ThumbStartAt(Cursor.Along));
    return;
  }
  const int pressed = Cursor.Portion == FPortion ? FPortion : spNone;
  if (pressed == FPressed) return;
  FPressed = pressed;
  FHost.DrawBar(FBar, pressed);
}

bool TacScrollTracker::Tick(unsigned Id, TacBarCursor Cursor) {
  if (Id != kScrollDelayTimer && Id != kScrollRepeatTimer) return false;
  if (Id != FTimer) {  // a tick that was already on its way when its timer stopped
    FHost.StopTimer(Id);
    return true;
  }
  if (Id == kScrollDelayTimer) {
    FHost.StopTimer(kScrollDelayTimer);
    FTimer = kScrollRepeatTimer;
    FHost.StartTimer(kScrollRepeatTimer, kScrollRepeatMs);
    return true;
  }
  Move(Cursor);
  if (FPressed == spNone) return true;
  FHost.SendScroll(FBar, FPressed, 0);
  if (Tracking()) FHost.DrawBar(FBar, FPressed);
  return true;
}

bool TacScrollTracker::Release() {
  if (!Tracking()) return false;
  // Idle before anything is sent: the capture's release comes back as a
  // capture change, and the messages may start another action.
  const int bar = FBar;
  const int portion = FPortion;
  const bool thumb = FThumbTracking;
  const int last = FLastPos;
  const unsigned timer = FTimer;
  FBar = -1;
  FPortion = FPressed = spNone;
  FThumbTracking = false;
  FTimer = 0;
  if (timer) FHost.StopTimer(timer);
  FHost.CaptureMouse(false);
  int end = 0;
  if (portion == spThumb && thumb) {
    FHost.SendScroll(bar, sbThumbPosition, last);
    end = last;
  }
  FHost.SendScroll(bar, sbEndScroll, end);
  FHost.DrawBar(bar, spNone);
  return true;
}

void TacScrollTracker::Reset() {
  if (FTimer) FHost.StopTimer(FTimer);
  FBar = -1;
  FPortion = FPressed = spNone;
  FThumbTracking = false;
  FTimer = 0;
  FLastPos = -1;
}
