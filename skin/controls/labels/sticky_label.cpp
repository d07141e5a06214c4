#include "skin/controls/labels/sticky_label.h"

namespace {

TRect BoundsOf(const TControl& Control) {
  return {Control.GetLeft(), Control.GetTop(), Control.GetLeft() + Control.GetWidth(),
          Control.GetTop() + Control.GetHeight()};
}

}  // namespace

TsStickyLabel::~TsStickyLabel() { Detach(); }

void TsStickyLabel::Detach() {
  if (!FAttachTo) return;
  FAttachTo->WindowProc = std::move(FOldWinProc);
  FOldWinProc = nullptr;
  FAttachTo->RemoveFreeNotification(this);
  FAttachTo = nullptr;
}

void TsStickyLabel::SetAttachTo(TWinControl* Value) {
  if (Value == FAttachTo) return;
  Detach();
  if (!Value) return;
  FAttachTo = Value;
  FAttachTo->FreeNotification(this);
  Adjust(true);
  SetEnabled(Value->GetEnabled());
  SetVisible(Value->GetVisible());
  FOldWinProc = std::move(Value->WindowProc);
  Value->WindowProc = [this](TMessage& Message) { NewWinProc(Message); };
}

void TsStickyLabel::SetAlignTo(TAlignTo Value) {
  if (Value == FAlignTo) return;
  FAlignTo = Value;
  Adjust(true);
}

void TsStickyLabel::SetGap(int Value) {
  if (Value == FGap) return;
  FGap = Value;
  Adjust(true);
}

void TsStickyLabel::Adjust(bool MoveLabel) {
  if (!FAttachTo || FRealigning) return;
  TControl& moving = MoveLabel ? static_cast<TControl&>(*this) : *FAttachTo;
  const TControl& reference = MoveLabel ? static_cast<TControl&>(*FAttachTo) : *this;
  const TPoint at = StickyPosition(BoundsOf(reference), moving.GetWidth(), moving.GetHeight(),
                                   MoveLabel ? FAlignTo : OppositeSide(FAlignTo), FGap);
  FRealigning = true;
  moving.SetBounds(at.X, at.Y, moving.GetWidth(), moving.GetHeight());
  FRealigning = false;
}

void TsStickyLabel::NewWinProc(TMessage& Message) {
  // The control's own handling first: it records where its window went.
  TWinControl* control = FAttachTo;
  const TWndMethod old = FOldWinProc;  // the call may detach the label
  if (old) old(Message);
  if (FAttachTo != control || IsDestroying() || FRealigning || control->IsDestroying()) return;
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
      if (pos && (~pos->flags & SWP_NOMOVE)) Adjust(true);
      break;
    }
    case WM_SIZE: Adjust(false); break;
    case WM_SHOWWINDOW: SetVisible(Message.WParam != 0); break;
    case WM_ENABLE: SetEnabled(Message.WParam != 0); break;
    default: break;
  }
}

void TsStickyLabel::BoundsChanged() {
  TsLabel::BoundsChanged();
  if (!IsDestroying() && !FRealigning) Adjust(false);
}

void TsStickyLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TsLabel::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAttachTo) Detach();
}
