#include "tools/gallery/plain_control.h"

TPlainControl::TPlainControl(TComponent* AOwner, const wchar_t* ClassName, DWORD Style, DWORD ExStyle)
    : TWinControl(AOwner), FClassName(ClassName), FStyle(Style), FExStyle(ExStyle) {
  SetTabStop(true);
}

void TPlainControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.ClassName = FClassName;
  Params.Style |= FStyle;
  Params.ExStyle |= FExStyle;
}

void TPlainControl::Dispatch(TMessage& Message) {
  const UINT reflected = Message.Msg - CN_BASE;
  if (Message.Msg >= CN_BASE && (reflected == WM_COMMAND || reflected == WM_HSCROLL || reflected == WM_VSCROLL)) {
    if (OnNotify) OnNotify(this, reflected, Message.WParam);
    Message.Result = 0;
    return;
  }
  TWinControl::Dispatch(Message);
}
