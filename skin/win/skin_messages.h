#pragma once
// Sending the skin command message: to a window, to a control (directly when
// it has no window), and broadcast over a container's children, over all
// forms of the application and over the hooked forms.
#include <vector>

#include "framework/listener_list.h"
#include "framework/win_control.h"
#include "skin/data/binding/skin_commands.h"

class TForm;

// A prepared skin command message.
inline TMessage MakeAcm(int code, LPARAM lparam = 0, int argument = 0) {
  return {SM_ALPHACMD, MakeAcmWParam(code, argument), lparam, 0};
}

LRESULT SendAMessage(HWND window, int code, LPARAM lparam = 0, int argument = 0);
// A windowless control gets the command directly; a windowed one only while
// it has a window and is not being destroyed (0 otherwise).
LRESULT SendAMessage(TControl* control, int code, LPARAM lparam = 0, int argument = 0);
// True only when the window answers exactly 1.
bool GetBoolMsg(HWND window, int code);
// The control's raw answer.
LRESULT GetBoolMsg(TControl* control, int code);

// Whether a control answers acmIsHandled with 1 (a skinned receiver).
bool IsHandledControl(TControl* control);

// The application's filter: returning true keeps a broadcast out of that
// unskinned windowed child's children. Unset by default.
using TacBroadCastFilter = bool (*)(TWinControl* control);
extern TacBroadCastFilter acBroadCastFilter;

// Delivers the message to the container's children in order: a child being
// destroyed ends the broadcast; windowless children (or without a window yet)
// get it directly; skinned windowed children get a send and pass it on
// themselves; other windowed children are recursed into.
void AlphaBroadCast(TWinControl* container, TMessage& message);
// The same over the child windows of a window.
void AlphaBroadCast(HWND window, TMessage& message);

// Forms skinned through a window adapter instead of a provider, and the
// windows of skinned system dialogs: both receive every application
// broadcast. One that leaves during a broadcast is not called afterwards.
TListenerList<TWinControl*>& HookedForms();
TListenerList<HWND>& HookedDialogWindows();

// Objects that skin windows they do not own (the dialog hook) hear every
// application broadcast before the hooked windows do.
class TacBroadcastListener {
 public:
  virtual ~TacBroadcastListener() = default;
  virtual void SkinBroadcast(TMessage& Message) = 0;
};
TListenerList<TacBroadcastListener*>& BroadcastListeners();

// The message to every form of the application (last first) that is not
// being destroyed or loaded and is not skinned by itself, then to its
// children, then SendToHooked.
void AppBroadCastS(TMessage& message);
void SendToHooked(TMessage& message);
