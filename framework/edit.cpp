#include "framework/edit.h"

TEdit::TEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetColor(clWindow);
  SetTabStop(true);
}

void TEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.ClassName = L"EDIT";
  Params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
  if (FPasswordChar) Params.Style |= ES_PASSWORD;
}

void TEdit::CreateWnd() {
  TWinControl::CreateWnd();
  if (HandleAllocated() && FPasswordChar) SendMessageW(GetHandle(), EM_SETPASSWORDCHAR, FPasswordChar, 0);
}

void TEdit::SetPasswordChar(wchar_t Value) {
  if (Value == FPasswordChar) return;
  FPasswordChar = Value;
  if (!HandleAllocated()) return;
  SendMessageW(GetHandle(), EM_SETPASSWORDCHAR, Value, 0);
  Invalidate();
}

void TEdit::Dispatch(TMessage& Message) {
  if (Message.Msg != CN_CTLCOLOREDIT && Message.Msg != CN_CTLCOLORSTATIC)
    return TWinControl::Dispatch(Message);
  // The parent asks for our colours: text in the font's colour on our own.
  const COLORREF color = ColorToRGB(GetColor());
  if (!FBrush || FBrushColor != color) {
    FBrush.Reset(CreateSolidBrush(color));
    FBrushColor = color;
  }
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, ColorToRGB(GetFont().GetColor()));
  SetBkColor(dc, color);
  Message.Result = reinterpret_cast<LRESULT>(FBrush.Get());
}
