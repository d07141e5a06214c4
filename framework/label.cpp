#include "framework/label.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {}

void TLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TLabel::Paint(TCanvas& Canvas) {
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  RECT rect{0, 0, GetWidth(), GetHeight()};
  Canvas.DrawTextIn(FText, rect, GetFont(), kAlign[FAlignment] | DT_NOPREFIX | DT_WORDBREAK);
}
