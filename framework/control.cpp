#include "framework/control.h"

#include "framework/win_control.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& Message) { WndProc(Message); };
  FFont.OnChange = [this] {
    if (!FSettingParentFont) FParentFont = false;
    FontChanged();
  };
}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent) return;
  if (FParent) FParent->RemoveControl(this);
  FParent = AParent;
  if (FParent) {
    FParent->InsertControl(this);
    if (FParentFont) ParentFontChanged();
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  if (!IsWindowed()) Invalidate();  // the old place
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  BoundsChanged();
  if (!IsWindowed()) Invalidate();  // the new place
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (FParent) FParent->AlignControls();
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  if (!Value) Invalidate();
  FVisible = Value;
  VisibleChanged();
  if (Value) Invalidate();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  EnabledChanged();
}

void TControl::SetText(std::wstring Value) {
  if (Value == FText) return;
  FText = std::move(Value);
  TextChanged();
}

void TControl::SetParentFont(bool Value) {
  FParentFont = Value;
  if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FSettingParentFont = true;
  FFont.Assign(FParent->GetFont());
  FSettingParentFont = false;
}

void TControl::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  ColorChanged();
}

void TControl::Invalidate() {
  if (FParent && FParent->HandleAllocated()) {
    RECT bounds = GetBoundsRect();
    InvalidateRect(FParent->GetHandle(), &bounds, FALSE);
  }
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const TDispatchScope scope(this);
  TMessage message{Msg, WParam, LParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TGraphicControl::Repaint() {
  TWinControl* parent = GetParent();
  if (!parent || !parent->HandleAllocated()) return;
  const RECT bounds = GetBoundsRect();
  InvalidateRect(parent->GetHandle(), &bounds, FALSE);
  UpdateWindow(parent->GetHandle());
}

void TGraphicControl::MouseEnter() {
  FMouseInControl = true;
  if (OnMouseEnter) OnMouseEnter(this);
}

void TGraphicControl::MouseLeave() {
  FMouseInControl = false;
  if (OnMouseLeave) OnMouseLeave(this);
}

void TGraphicControl::Dispatch(TMessage& Message) {
  const int x = static_cast<short>(LOWORD(Message.LParam)), y = static_cast<short>(HIWORD(Message.LParam));
  TShiftState shift = 0;
  if (Message.WParam & MK_SHIFT) shift |= ssShift;
  if (Message.WParam & MK_CONTROL) shift |= ssCtrl;
  if (Message.WParam & MK_LBUTTON) shift |= ssLeft;
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: MouseDown(mbLeft, shift, x, y); break;
    case WM_LBUTTONDBLCLK: MouseDown(mbLeft, shift | ssDouble, x, y); break;
    case WM_MOUSEMOVE: MouseMove(shift, x, y); break;
    case WM_LBUTTONUP: {
      MouseUp(mbLeft, shift, x, y);
      if (!IsDestroying() && x >= 0 && y >= 0 && x < GetWidth() && y < GetHeight()) Click();
      break;
    }
    case WM_PAINT: {  // the parent's surface, its origin at the control's top left
      TCanvas canvas(reinterpret_cast<HDC>(Message.WParam));
      Paint(canvas);
      break;
    }
    case CM_MOUSEENTER: MouseEnter(); break;
    case CM_MOUSELEAVE: MouseLeave(); break;
    default: DefaultHandler(Message);
  }
}
