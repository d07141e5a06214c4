#pragma once
// The label object a bound label makes for its control: a skinned label that
// tells its bound label when it goes, so that the bound label knows it has
// none any more.
#include "skin/controls/basic/label.h"
#include "skin/win/skin_data_parts.h"

class TsEditLabel : public TsLabel {
 public:
  TsEditLabel(TComponent* AOwner, TsBoundLabel* ABoundLabel) : TsLabel(AOwner), BoundLabel(ABoundLabel) {}
  ~TsEditLabel() override {
    if (BoundLabel) BoundLabel->LabelGone();
  }

  TsBoundLabel* BoundLabel;
};
