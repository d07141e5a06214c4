#pragma once
// A system control window of a class the framework has no component of its
// own for (list box, multi-line edit, scroll bar, track bar, combo box). What
// it tells its parent comes back to it reflected and goes to OnNotify.
#include <functional>

#include "framework/win_control.h"

class TPlainControl : public TWinControl {
 public:
  // Style: the class's own style bits, added to a child window's.
  TPlainControl(TComponent* AOwner, const wchar_t* ClassName, DWORD Style, DWORD ExStyle = 0);

  LRESULT Send(UINT Msg, WPARAM WParam = 0, LPARAM LParam = 0) { return SendMessageW(GetHandle(), Msg, WParam, LParam); }

  // Msg: WM_COMMAND (the notification code in the high word of WParam) or
  // WM_HSCROLL / WM_VSCROLL (the request in the low word).
  std::function<void(TPlainControl* Sender, UINT Msg, WPARAM WParam)> OnNotify;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;

 private:
  const wchar_t* FClassName;
  DWORD FStyle;
  DWORD FExStyle;
};
