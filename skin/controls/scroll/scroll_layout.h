#pragma once
// Where the bars of a scrolling window go: the space they take from the
// client area, and their rectangles and the corner box between them, in the
// coordinates of the window rectangle given.
#include "skin/paint/geometry.h"

// The frame between the window rectangle and the client area, bars left out.
struct TacFrameEdges {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TacBarSpec {
  bool HasStyle = false;  // the window's style carries the bar
  int Thickness = 0;
};

// The client area once the bars have taken their space: a bar is shown only
// when the client is at least as thick as it (the vertical bar at the left
// with LeftScroll).
struct TacBarReserve {
  TRect Client;
  bool HorzVisible = false;
  bool VertVisible = false;
};
TacBarReserve ReserveBars(TRect Client, TacBarSpec Horz, TacBarSpec Vert, bool LeftScroll);

struct TacBarRects {
  TRect Horz;    // empty when the bar is not visible
  TRect Vert;
  TRect Corner;  // empty unless both bars are visible
};
TacBarRects LayoutBars(TRect Window, TacFrameEdges Edges, int HorzThickness, bool HorzVisible, int VertThickness,
                       bool VertVisible, bool LeftScroll);
