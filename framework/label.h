#pragma once
// A windowless text label painted by its parent.
#include "base/form_kinds.h"
#include "framework/control.h"

class TLabel : public TGraphicControl {
 public:
  explicit TLabel(TComponent* AOwner);

  const std::wstring& GetCaption() const { return FText; }
  void SetCaption(std::wstring Value) { SetText(std::move(Value)); }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void Paint(TCanvas& Canvas) override;

 private:
  TAlignment FAlignment = taLeftJustify;
};
