#pragma once
// What a skin plugs into a windowed control. The framework knows nothing of
// skins: it calls these hooks, when a skin has set them, at three points of
// a control's message handling.
#include "framework/messages.h"

class TWinControl;

class TSkinHooks {
 public:
  virtual ~TSkinHooks() = default;
  // Sees each message first (notifications, skin commands, mouse and focus
  // messages); true when the message is answered and goes no further.
  virtual bool Message(TWinControl& Control, TMessage& Message) { return false; }
  // The non-client messages (WM_NCCALCSIZE, WM_NCHITTEST, WM_NCPAINT,
  // WM_NCACTIVATE and the other WM_NC* mouse messages); true when answered.
  virtual bool NonClient(TWinControl& Control, TMessage& Message) { return false; }
  // Paints the client background into the control's back buffer; false
  // leaves the control's plain colour.
  virtual bool PaintBackground(TWinControl& Control, HDC DC, const RECT& Client) { return false; }
  // The control's window has gone (after WM_NCDESTROY) or the control is
  // being freed: the skin lets go of it. The hooks are unset after this call.
  virtual void Released(TWinControl& Control) {}
};
