#include "skin/controls/scroll/scroll_layout.h"

TacBarReserve ReserveBars(TRect Client, TacBarSpec Horz, TacBarSpec Vert, bool LeftScroll) {
  TacBarReserve result{Client};
  if (Horz.HasStyle && Client.Height() >= Horz.Thickness) {
    result.Client.Bottom -= Horz.Thickness;
    result.HorzVisible = true;
  }
  if (Vert.HasStyle && Client.Width() >= Vert.Thickness) {
    if (LeftScroll) result.Client.Left += Vert.Thickness;
    else result.Client.Right -= Vert.Thickness;
    result.VertVisible = true;
  }
  return result;
}

TacBarRects LayoutBars(TRect Window, TacFrameEdges Edges, int HorzThickness, bool HorzVisible, int VertThickness,
                       bool VertVisible, bool LeftScroll) {
  const int h = HorzVisible ? HorzThickness : 0;
  const int v = VertVisible ? VertThickness : 0;
  TacBarRects rects;
  if (HorzVisible) {
    rects.Horz.Bottom = Window.Bottom - Edges.Bottom;
    rects.Horz.Top = rects.Horz.Bottom - h;
    rects.Horz.Left = Window.Left + Edges.Left + (LeftScroll ? v : 0);
    rects.Horz.Right = Window.Right - Edges.Right - (LeftScroll ? 0 : v);
  }
  if (VertVisible) {
    rects.Vert.Top = Window.Top + Edges.Top;
    rects.Vert.Bottom = Window.Bottom - h - Edges.Bottom;
    if (LeftScroll) {
      rects.Vert.Left = Window.Left + Edges.Left;
      rects.Vert.Right = rects.Vert.Left + v;
    } else {
      rects.Vert.Right = Window.Right - Edges.Right;
      rects.Vert.Left = rects.Vert.Right - v;
    }
  }
  if (HorzVisible && VertVisible) {
    rects.Corner.Top = rects.Horz.Top;
    rects.Corner.Bottom = rects.Horz.Bottom;
    rects.Corner.Left = rects.Vert.Left;
    rects.Corner.Right = rects.Vert.Right;
  }
  return rects;
}
