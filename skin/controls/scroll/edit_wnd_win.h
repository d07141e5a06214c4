#pragma once
// Multi-line edits and list boxes skinned from outside: the window keeps
// drawing its own text and items; the adapter paints the frame from the
// section's border image (built once per change of look, then only its
// strips copied), the skinned bars, and keeps the bars current while the
// contents move.
#include "skin/controls/scroll/scroll_wnd_win.h"

class TacEditWnd : public TacScrollWnd {
 public:
  using TacScrollWnd::TacScrollWnd;
  // How many times the frame picture was built.
  int CacheBuilds() const { return FCacheBuilds; }

 protected:
  std::string DefaultSection() const override { return "EDIT"; }
  void WndProc(TMessage& Message) override;
  void PaintFrame() override;
  TCacheInfo BarBackground() override;

 private:
  void BuildFrame();
  bool IsListBox() const;

  TBitmap32 FFrame;  // the whole window's picture
  bool FFrameStale = true;
  bool FFocused = false;
  int FCacheBuilds = 0;
};

// Puts an edit adapter on a window the program made for itself (the page
// engine's text view) and recomputes its frame; nullptr without a manager
// or when the window cannot be adapted.
std::unique_ptr<TacEditWnd> AdaptEditWindow(HWND Window, TsSkinManager* Manager);
