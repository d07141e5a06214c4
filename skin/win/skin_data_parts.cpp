#include "skin/win/skin_data_parts.h"

#include <utility>

void TacScrollData::SetScrollWidth(int Value) {
  if (Value == FScrollWidth) return;
  FScrollWidth = Value;
  RepaintOwner();
}

void TacScrollData::SetButtonsSize(int Value) {
  if (Value == FButtonsSize) return;
  FButtonsSize = Value;
  RepaintOwner();
}

void TacScrollData::RepaintOwner() const {
  if (auto* windowed = dynamic_cast<TWinControl*>(FOwner); windowed && windowed->HandleAllocated())
    RedrawWindow(windowed->GetHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
  else if (FOwner)
    FOwner->Invalidate();
}

TsBoundLabel::~TsBoundLabel() { delete std::exchange(FLabel, nullptr); }

void TsBoundLabel::SetActive(bool Value) {
  if (Value == GetActive()) return;
  if (Value) {
    FLabel = FMaker ? FMaker(FOwner, *this) : new TLabel(FOwner);
    FLabel->SetCaption(FCaption);
    FLabel->GetFont().Assign(Font);
    AlignLabel();
  } else {
    delete std::exchange(FLabel, nullptr);
  }
}

void TsBoundLabel::HandleOwnerMsg(const TMessage& Message) {
  if (!FLabel || !FOwner || FOwner->IsDestroying()) return;
  switch (Message.Msg) {
    case WM_WINDOWPOSCHANGED:
    case WM_ENABLE: AlignLabel(); break;
    case WM_SHOWWINDOW:
      FLabel->SetVisible(Message.WParam != 0);
      AlignLabel();
      break;
    default: break;
  }
}

void TsBoundLabel::SetCaption(std::wstring Value) {
  FCaption = std::move(Value);
  if (!FLabel) return;
  FLabel->SetCaption(FCaption);
  AlignLabel();
}

void TsBoundLabel::AlignLabel() {
  if (!FLabel || !FLabel->GetVisible() || !FOwner) return;
  FLabel->SetParent(FOwner->GetParent());
  FLabel->SetEnabled(FOwner->GetEnabled() || EnabledAlways);
  TClientDC screen(nullptr);
  TSelectObject font(screen.Get(), FLabel->GetFont().GetHandle());
  RECT text{0, 0, 0, 0};
  DrawTextW(screen.Get(), FCaption.c_str(), static_cast<int>(FCaption.size()), &text, DT_CALCRECT | DT_NOPREFIX);
  if (MaxWidth > 0 && text.right >= MaxWidth - 4) {
    text = {0, 0, MaxWidth - 4, 0};
    DrawTextW(screen.Get(), FCaption.c_str(), static_cast<int>(FCaption.size()), &text,
              DT_CALCRECT | DT_NOPREFIX | DT_WORDBREAK);
  }
  const RECT bounds = FOwner->GetBoundsRect();
  const TPoint at = BoundLabelPosition({bounds.left, bounds.top, bounds.right, bounds.bottom}, text.right, text.bottom,
                                       Layout, Indent);
  FLabel->SetBounds(at.X, at.Y, text.right, text.bottom);
}
