#pragma once
// A single-line edit box on the system's EDIT window.
#include "framework/win_control.h"

class TEdit : public TWinControl {
 public:
  explicit TEdit(TComponent* AOwner);

  wchar_t GetPasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;

 private:
  wchar_t FPasswordChar = 0;
  TOwnedBrush FBrush;
  COLORREF FBrushColor = 0;
};
