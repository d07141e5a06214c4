#pragma once
// What a press on a scroll bar sets going, without a window: a press on an
// arrow or the track scrolls once at once, then, while the button stays down
// and the cursor on the pressed part, again after a first delay and then at
// a steady repeat; a press on the thumb follows the cursor and sends the
// position the thumb stands for. The window behind it (the host) sends the
// messages, runs the timers and draws the bar. The bar is drawn after each
// message, since a window may paint the system's bar while it scrolls.
#include "skin/controls/scroll/scroll_math.h"

inline constexpr unsigned kScrollHoverTimer = 0xFFF2;  // the hover poll
inline constexpr unsigned kScrollHoverMs = 20;
inline constexpr unsigned kScrollDelayTimer = 0xFFFD;  // before the first repeat
inline constexpr unsigned kScrollDelayMs = 300;
inline constexpr unsigned kScrollRepeatTimer = 0xFFFE;
inline constexpr unsigned kScrollRepeatMs = 55;

class TacScrollHost {
 public:
  virtual ~TacScrollHost() = default;
  // Bar: 0 horizontal, 1 vertical.
  virtual void SendScroll(int Bar, int Code, int Pos) = 0;
  virtual void StartTimer(unsigned Id, unsigned Ms) = 0;
  virtual void StopTimer(unsigned Id) = 0;
  virtual void CaptureMouse(bool On) = 0;
  // The bar with a part drawn pressed (spNone: nothing pressed).
  virtual void DrawBar(int Bar, int PressedPortion) = 0;
  // The bar with its thumb held at a start other than its position's.
  virtual void DrawDrag(int Bar, int ThumbStart) = 0;
};

// Where the cursor is, seen from the tracked bar.
struct TacBarCursor {
  int Along = 0;           // coordinate along the bar
  int Portion = spNone;    // the bar's part under it
};

class TacScrollTracker {
 public:
  explicit TacScrollTracker(TacScrollHost& Host) : FHost(Host) {}
  TacScrollTracker(const TacScrollTracker&) = delete;
  TacScrollTracker& operator=(const TacScrollTracker&) = delete;

  // The left button went down on a part of an enabled bar. Drag describes
  // the thumb when Portion is spThumb. False (nothing started) for spNone.
  bool Press(int Bar, int Portion, const TacThumbDrag& Drag);
  // The cursor moved while the button is down.
  void Move(TacBarCursor Cursor);
  // A timer of the tracker's; false for any other identifier.
  bool Tick(unsigned Id, TacBarCursor Cursor);
  // The button came up: ends the action with its closing messages. False
  // when nothing was tracked.
  bool Release();
  // The capture went elsewhere: the action ends as if the button came up.
  void CaptureLost() { Release(); }
  // The window is going: timers stop, nothing more is sent or drawn.
  void Reset();

  bool Tracking() const { return FPortion != spNone; }
  bool ThumbTracking() const { return FThumbTracking; }
  int TrackedBar() const { return FBar; }
  int PressedPortion() const { return FPressed; }
  int LastPosition() const { return FLastPos; }

 private:
  TacScrollHost& FHost;
  int FBar = -1;
  int FPortion = spNone;  // where the button went down
  int FPressed = spNone;  // drawn pressed: the tracked part while the cursor is on it
  bool FThumbTracking = false;
  TacThumbDrag FDrag;
  int FLastPos = -1;
  unsigned FTimer = 0;
};
