#include "framework/button.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.ClassName = L"BUTTON";
  Params.Style |= BS_PUSHBUTTON;
}

void TButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::Dispatch(Message);
}

TCheckBox::TCheckBox(TComponent* AOwner) : TWinControl(AOwner) { SetTabStop(true); }

void TCheckBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.ClassName = L"BUTTON";
  Params.Style |= BS_AUTOCHECKBOX;
}

void TCheckBox::CreateWnd() {
  TWinControl::CreateWnd();
  if (HandleAllocated()) SendMessageW(GetHandle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TCheckBox::GetChecked() const {
  if (!HandleAllocated()) return FChecked;
  return SendMessageW(const_cast<TCheckBox*>(this)->GetHandle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool Value) {
  FChecked = Value;
  if (HandleAllocated()) SendMessageW(GetHandle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CN_COMMAND:
      if (HIWORD(Message.WParam) == BN_CLICKED) {
        FChecked = GetChecked();
        Click();
      }
      return;
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN: {
      // Transparent on the parent's colour.
      HDC dc = reinterpret_cast<HDC>(Message.WParam);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ColorToRGB(GetFont().GetColor()));
      Message.Result = GetParent() ? reinterpret_cast<LRESULT>(GetParent()->GetBackgroundBrush()) : 0;
      return;
    }
    default: TWinControl::Dispatch(Message);
  }
}
