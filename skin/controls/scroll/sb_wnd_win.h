#pragma once
// The scroll-bar control skinned from outside: the control keeps its own
// scrolling (its capture, its messages to the parent); the adapter follows
// the mouse to know which part is hot or pressed and paints the whole
// control from the skin's scroll elements after everything the control does.
#include "skin/controls/adapters/main_wnd.h"
#include "skin/controls/scroll/scroll_math.h"

class TacSBWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
  int Paints() const { return FPaints; }

 protected:
  std::string DefaultSection() const override { return "CHECKBOX"; }
  void WndProc(TMessage& Message) override;

 private:
  bool Vertical() const;
  TacBarAxis Axis() const;
  TacScrollRange Range() const;
  int PortionAt(POINT Client) const;
  void Paint(HDC DC);
  void Repaint();
  void SetHot(int Portion);

  int FHot = spNone;
  int FPressed = spNone;
  bool FMouseIn = false;
  int FPaints = 0;
};
