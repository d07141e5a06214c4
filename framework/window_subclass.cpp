#include "framework/window_subclass.h"

#include <commctrl.h>

TWindowSubclass::TWindowSubclass(THandler Handler) : FHandler(std::move(Handler)) {}

TWindowSubclass::~TWindowSubclass() {
  *FAlive = false;
  Detach();
}

bool TWindowSubclass::Attach(HWND Window) {
  if (FWindow) return FWindow == Window;
  if (!Window || !SetWindowSubclass(Window, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                                    reinterpret_cast<DWORD_PTR>(this)))
    return false;
  FWindow = Window;
  return true;
}

void TWindowSubclass::Detach() {
  if (!FWindow) return;
  RemoveWindowSubclass(FWindow, SubclassProc, reinterpret_cast<UINT_PTR>(this));
  FWindow = nullptr;
}

void TWindowSubclass::LeaveInChain() {
  FHandler = nullptr;
  if (!FWindow) {
    delete this;
    return;
  }
  FOrphan = true;
}

void TWindowSubclass::CallDefault(TMessage& Message) {
  if (!FWindow) return;
  if (Message.Msg == WM_NCDESTROY) FPassedOn = true;
  Message.Result = DefSubclassProc(FWindow, Message.Msg, Message.WParam, Message.LParam);
}

LRESULT CALLBACK TWindowSubclass::SubclassProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR,
                                               DWORD_PTR Data) {
  auto* self = reinterpret_cast<TWindowSubclass*>(Data);
  const std::shared_ptr<bool> alive = self->FAlive;
  TMessage message{Msg, WParam, LParam, 0};
  if (Msg == WM_NCDESTROY) self->FPassedOn = false;
  if (self->FHandler) self->FHandler(message);
  else self->CallDefault(message);
  if (Msg != WM_NCDESTROY) return message.Result;
  // The window's end: whatever the handler did, the rest of the chain hears
  // of it, and this subclass leaves.
  if (!*alive) return DefSubclassProc(Window, Msg, WParam, LParam);
  if (!self->FPassedOn) self->CallDefault(message);
  if (self->FWindow == Window) {
    RemoveWindowSubclass(Window, SubclassProc, reinterpret_cast<UINT_PTR>(self));
    self->FWindow = nullptr;
  }
  const LRESULT result = message.Result;
  if (self->FOrphan) delete self;
  return result;
}

namespace {
thread_local TWindowSubclass::TOnCreate* tCreating = nullptr;
}

TWindowSubclass::TOnCreate::TOnCreate(TWindowSubclass& Subclass, std::function<void(HWND)> Created)
    : FSubclass(Subclass), FCreated(std::move(Created)), FOuter(tCreating) {
  FHook = SetWindowsHookExW(WH_CBT, CbtProc, nullptr, GetCurrentThreadId());
  tCreating = this;
}

TWindowSubclass::TOnCreate::~TOnCreate() {
  tCreating = FOuter;
  if (FHook) UnhookWindowsHookEx(FHook);
}

LRESULT CALLBACK TWindowSubclass::TOnCreate::CbtProc(int Code, WPARAM WParam, LPARAM LParam) {
  TOnCreate* creating = tCreating;
  if (Code == HCBT_CREATEWND && creating && !creating->FDone) {
    // The first window made during this creation is ours; windows it makes
    // of its own while it is being created come after and are left alone.
    creating->FDone = true;
    HWND window = reinterpret_cast<HWND>(WParam);
    creating->FSubclass.Attach(window);
    if (creating->FCreated) creating->FCreated(window);
  }
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}
