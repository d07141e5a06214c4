#include "framework/speed_button.h"

#include <algorithm>

#include "framework/win_control.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 23, 22);
}

void TSpeedButton::SetState(TButtonState Value) {
  if (Value == FState) return;
  FState = Value;
  ButtonChanged();
}

void TSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown || (FDown && !FAllowAllUp)) return;
  FDown = Value;
  if (Value) {
    FState = bsExclusive;
    UpdateExclusive();
  } else {
    FState = bsUp;
  }
  ButtonChanged();
}

void TSpeedButton::UpdateExclusive() {
  TWinControl* parent = GetParent();
  if (!parent || FGroupIndex == 0) return;
  for (int i = 0; i < parent->GetControlCount(); ++i) {
    auto* other = dynamic_cast<TSpeedButton*>(parent->GetControl(i));
    if (!other || other == this || other->FGroupIndex != FGroupIndex) continue;
    if (FDown && other->FDown) {
      other->FDown = false;
      other->FState = bsUp;
      other->ButtonChanged();
    }
    other->FAllowAllUp = FAllowAllUp;
  }
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  if (Value == FAllowAllUp) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TSpeedButton::SetFlat(bool Value) {
  if (Value == FFlat) return;
  FFlat = Value;
  ButtonChanged();
}

void TSpeedButton::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  ButtonChanged();
}

void TSpeedButton::SetGlyph(HBITMAP Value) {
  FGlyph.Reset(Value);
  ButtonChanged();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  Value = std::clamp(Value, 1, 4);
  if (Value == FNumGlyphs) return;
  FNumGlyphs = Value;
  ButtonChanged();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  ButtonChanged();
}

void TSpeedButton::SetMargin(int Value) {
  if (Value == FMargin || Value < -1) return;
  FMargin = Value;
  ButtonChanged();
}

void TSpeedButton::SetSpacing(int Value) {
  if (Value == FSpacing) return;
  FSpacing = Value;
  ButtonChanged();
}

void TSpeedButton::EnabledChanged() {
  FState = GetEnabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
  FDragging = false;
  ButtonChanged();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState, int, int) {
  if (Button != mbLeft || !GetEnabled()) return;
  if (!FDown) SetState(bsDown);
  FDragging = true;
}

void TSpeedButton::MouseMove(TShiftState, int X, int Y) {
  if (!FDragging) return;
  const bool inside = X >= 0 && Y >= 0 && X < GetWidth() && Y < GetHeight();
  if (FDown) return;
  SetState(inside ? bsDown : bsUp);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState, int X, int Y) {
  if (Button != mbLeft || !FDragging) return;
  FDragging = false;
  const bool inside = X >= 0 && Y >= 0 && X < GetWidth() && Y < GetHeight();
  if (FGroupIndex == 0) {
    SetState(bsUp);
    return;
  }
  if (inside) SetDown(!FDown);
  else SetState(FDown ? bsExclusive : bsUp);
}

void TSpeedButton::MouseEnter() {
  TGraphicControl::MouseEnter();
  if (FFlat && GetEnabled()) ButtonChanged();
}

void TSpeedButton::MouseLeave() {
  TGraphicControl::MouseLeave();
  if (FFlat && GetEnabled()) ButtonChanged();
}

void TSpeedButton::Paint(TCanvas& Canvas) {
  HDC dc = Canvas.GetHandle();
  RECT rect{0, 0, GetWidth(), GetHeight()};
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (!FTransparent || !FFlat) Canvas.FillRect(rect, GetColor());
  if (FFlat) {
    if (pressed || (GetMouseInControl() && GetEnabled()))
      DrawEdge(dc, &rect, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  } else {
    DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0));
  }
  if (pressed) OffsetRect(&rect, 1, 1);
  Canvas.DrawTextIn(FText, rect, GetFont(), DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
