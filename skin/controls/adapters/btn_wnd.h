#pragma once
// Push buttons skinned from outside (the buttons of message boxes and system
// dialogs): the face is the skinned buttons' own picture (section "BUTTON"),
// the native button keeps the keyboard, the capture and the click.
#include "skin/controls/adapters/main_wnd.h"

class TacBtnWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;
  // Pressed (2) while the native button shows itself pushed; 0 disabled;
  // hot (1) focused or under the mouse; default (3) for the default push
  // button; else normal (0).
  int CurrentState() const;

 protected:
  std::string DefaultSection() const override { return "BUTTON"; }
  void WndProc(TMessage& Message) override;
  // Paints the window from the skin onto DC (the window's own when null);
  // false while the skin cannot paint it.
  virtual bool Paint(HDC DC);

 private:
  void MouseMoved();
};
