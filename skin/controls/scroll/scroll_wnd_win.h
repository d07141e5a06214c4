#pragma once
// The skinned bars of a scrolling window (one whose style carries
// WS_HSCROLL or WS_VSCROLL): the adapter keeps the system's bars out of the
// frame, reserves their space itself, paints both bars and the box between
// them from the skin and turns presses on them into the window's scroll
// messages. The scroll data stays with the window; the adapter reads it and
// writes only the position of a dragged thumb.
#include <array>

#include "skin/controls/adapters/main_wnd.h"
#include "skin/controls/scroll/scroll_layout.h"
#include "skin/controls/scroll/scroll_tracker.h"

class TacScrollWnd : public TacMainWnd, private TacScrollHost {
 public:
  TacScrollWnd(HWND Window, TsSkinManager* Manager, const TacSkinParams& Params);
  ~TacScrollWnd() override;

  // Bar 0 horizontal, 1 vertical: its thickness (Which 1) or arrow length (Which 0).
  int GetScrollMetric(int Bar, int Which) const;
  // A bar's rectangle on the screen (empty when it is not shown).
  RECT BarScreenRect(int Bar) const;
  bool BarVisible(int Bar) const { return FBars[Bar].Visible; }
  bool ScrollBarEnabled(int Bar) const;
  // Reads the scroll data again and repaints the bars: the window's own
  // handling may have painted the system's bars over them, changed or not.
  void UpdateScrolls();
  // Paints both bars and the corner box (DC: the whole window's, else its own).
  void DrawBars(HDC DC = nullptr);
  // How many times both bars were painted together.
  int BarRepaints() const { return FBarRepaints; }
  bool ThumbTracking() const { return FTracker.ThumbTracking(); }

 protected:
  void WndProc(TMessage& Message) override;
  void RestoreStdParams() override;
  // The non-client paint of the window: by default the previous handling
  // without the system's bars, then the skinned bars.
  virtual void PaintFrame();
  // The background under the bars, in window coordinates.
  virtual TCacheInfo BarBackground();
  // The previous handling with the scroll style bits off for its length.
  void CallPrevWithoutBars(TMessage& Message);
  TacFrameEdges Edges() const { return FEdges; }
  bool SendingScroll() const { return FSendingScroll; }
  // While the adapter sends a scroll message: the whole position it stands for.
  int PositionSent() const { return FPositionSent; }

 private:
  struct TacBar {
    bool HasStyle = false;
    bool Visible = false;
    TacScrollRange Range;
    bool Read = false;  // Range holds the window's data
  };
  // TacScrollHost
  void SendScroll(int Bar, int Code, int Pos) override;
  void StartTimer(unsigned Id, unsigned Ms) override;
  void StopTimer(unsigned Id) override;
  void CaptureMouse(bool On) override;
  void DrawBar(int Bar, int PressedPortion) override;
  void DrawDrag(int Bar, int ThumbStart) override;

  TacScrollRange ReadRange(int Bar) const;
  TacBarRects Rects(const RECT& Window) const;
  TacBarAxis Axis(int Bar, const RECT& Screen) const;
  TacBarCursor CursorOn(int Bar, POINT Screen) const;
  // One bar onto the window DC: its look, or its thumb held at a drag start.
  void PaintBar(HDC DC, int Bar, int Pressed, int DragStart);
  void PaintCorner(HDC DC, const TRect& Corner);
  bool HasSizeGrip(const RECT& Corner) const;

  void CalcSize(TMessage& Message);
  void HitTest(TMessage& Message);
  bool PressBar(TMessage& Message);
  void HoverTick();
  void StopHover();

  std::array<TacBar, 2> FBars;
  std::array<int, 2> FThickness{-1, -1}, FButtons{-1, -1};  // from the parameters; -1 not set
  TacFrameEdges FEdges;
  bool FLeftScroll = false;
  bool FFrameComputed = false;
  bool FStyleLock = false;
  bool FSendingScroll = false;
  int FPositionSent = 0;
  TacScrollTracker FTracker{*this};
  // Hover, this window's own: the bar and part under the cursor.
  int FHotBar = -1;
  int FHotPortion = spNone;
  int FBarRepaints = 0;
};
