#include "skin/win/skin_messages.h"

#include <algorithm>

#include "framework/application.h"

TacBroadCastFilter acBroadCastFilter = nullptr;

LRESULT SendAMessage(HWND window, int code, LPARAM lparam, int argument) {
  if (!window || !IsWindow(window)) return 0;
  return SendMessageW(window, SM_ALPHACMD, MakeAcmWParam(code, argument), lparam);
}

LRESULT SendAMessage(TControl* control, int code, LPARAM lparam, int argument) {
  if (!control || control->IsDestroying()) return 0;
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return control->Perform(SM_ALPHACMD, MakeAcmWParam(code, argument), lparam);
  if (!windowed->HandleAllocated()) return 0;
  return SendAMessage(windowed->GetHandle(), code, lparam, argument);
}

bool GetBoolMsg(HWND window, int code) { return SendAMessage(window, code) == 1; }

LRESULT GetBoolMsg(TControl* control, int code) { return SendAMessage(control, code); }

bool IsHandledControl(TControl* control) { return SendAMessage(control, acmIsHandled) == 1; }

void AlphaBroadCast(TWinControl* container, TMessage& message) {
  if (!container) return;
  for (int i = 0; i < container->GetControlCount(); ++i) {
    TControl* child = container->GetControl(i);
    if (child->IsDestroying()) return;
    auto* windowed = dynamic_cast<TWinControl*>(child);
    if (!windowed || !windowed->HandleAllocated()) {
      child->Perform(message.Msg, message.WParam, message.LParam);
    } else if (IsHandledControl(windowed)) {
      SendMessageW(windowed->GetHandle(), message.Msg, message.WParam, message.LParam);
    } else if (!acBroadCastFilter || !acBroadCastFilter(windowed)) {
      AlphaBroadCast(windowed, message);
    }
  }
}

namespace {

struct TEnumState {
  HWND Parent;
  TMessage* Message;
};

BOOL CALLBACK SendToChild(HWND child, LPARAM lparam) {
  auto* state = reinterpret_cast<TEnumState*>(lparam);
  if (GetParent(child) != state->Parent) return TRUE;  // grandchildren come from their own parent
  if (GetBoolMsg(child, acmIsHandled))
    SendMessageW(child, state->Message->Msg, state->Message->WParam, state->Message->LParam);
  else
    AlphaBroadCast(child, *state->Message);
  return TRUE;
}

bool IsBroadcastTarget(TComponent* component) {
  auto* form = dynamic_cast<TForm*>(component);
  if (!form || form->IsDestroying() || form->IsLoading()) return false;
  return !IsHandledControl(form);
}

void SendToForm(TWinControl* form, TMessage& message) {
  if (form->HandleAllocated()) SendMessageW(form->GetHandle(), message.Msg, message.WParam, message.LParam);
  AlphaBroadCast(form, message);
}

}  // namespace

void AlphaBroadCast(HWND window, TMessage& message) {
  if (!window) return;
  TEnumState state{window, &message};
  EnumChildWindows(window, SendToChild, reinterpret_cast<LPARAM>(&state));
}

TListenerList<TWinControl*>& HookedForms() {
  static TListenerList<TWinControl*> forms;
  return forms;
}

TListenerList<HWND>& HookedDialogWindows() {
  static TListenerList<HWND> windows;
  return windows;
}

TListenerList<TacBroadcastListener*>& BroadcastListeners() {
  static TListenerList<TacBroadcastListener*> listeners;
  return listeners;
}

void AppBroadCastS(TMessage& message) {
  if (Application) {
    for (int i = Application->GetComponentCount() - 1; i >= 0; --i) {
      if (i >= Application->GetComponentCount()) continue;  // a receiver freed forms
      TComponent* component = Application->GetComponent(i);
      if (IsBroadcastTarget(component)) SendToForm(static_cast<TForm*>(component), message);
    }
  }
  SendToHooked(message);
}

void SendToHooked(TMessage& message) {
  BroadcastListeners().Broadcast([&message](TacBroadcastListener* listener) {
    listener->SkinBroadcast(message);
    return false;
  });
  HookedForms().Broadcast([&message](TWinControl* form) {
    if (!form->IsDestroying()) SendToForm(form, message);
    return false;
  });
  HookedDialogWindows().Broadcast([&message](HWND window) {
    if (IsWindowVisible(window)) SendMessageW(window, message.Msg, message.WParam, message.LParam);
    return false;
  });
}
