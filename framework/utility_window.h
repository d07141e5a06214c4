#pragma once
// A hidden top-level window whose messages go to a handler: for components
// that need a window of their own (timers, the notification icon). It is
// top-level, not message-only, so that broadcasts reach it too.
#include <functional>

#include "framework/messages.h"
#include "base/win_handles.h"

class TUtilityWindow {
 public:
  // The handler sees every message; it calls DefaultHandler for those it leaves.
  explicit TUtilityWindow(std::function<void(TMessage&)> Handler);
  TUtilityWindow(const TUtilityWindow&) = delete;
  TUtilityWindow& operator=(const TUtilityWindow&) = delete;
  ~TUtilityWindow();

  HWND GetHandle() const { return FWindow.Get(); }
  void DefaultHandler(TMessage& Message) const;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

  std::function<void(TMessage&)> FHandler;
  TOwnedWindow FWindow;
};
