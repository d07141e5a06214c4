#pragma once
// Push buttons and check boxes on the system's BUTTON window.
#include "framework/win_control.h"

class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  const std::wstring& GetCaption() const { return FText; }
  void SetCaption(std::wstring Value) { SetText(std::move(Value)); }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
};

class TCheckBox : public TWinControl {
 public:
  explicit TCheckBox(TComponent* AOwner);

  const std::wstring& GetCaption() const { return FText; }
  void SetCaption(std::wstring Value) { SetText(std::move(Value)); }
  bool GetChecked() const;
  void SetChecked(bool Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void Dispatch(TMessage& Message) override;

 private:
  bool FChecked = false;
};
