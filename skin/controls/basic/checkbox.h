#pragma once
// The skinned check box: a real BUTTON window of the check-box style (so the
// system and screen readers know it for one) that paints its box and caption
// from the skin's "CHECKBOX" section and the "BOXCHECKED", "BOXUNCHECKED" and
// "BOXGRAYED" images, and takes mouse and keyboard input itself while skinned.
// BM_GETCHECK always tells the state shown; a toggle by the user notifies the
// parent with BN_CLICKED, which reaches OnClick.

#include "base/form_kinds.h"
#include "framework/button.h"
#include "skin/controls/basic/check_glyph.h"
#include "skin/paint/items/text_paint.h"
#include "skin/win/common_data.h"

enum TvaAlign { vaTop, vaMiddle, vaBottom };

inline constexpr int kCheckBoxKind = 32;

class TsCheckBox : public TCheckBox {
 public:
  explicit TsCheckBox(TComponent* AOwner);

  TCheckBoxState GetState() const { return FState; }
  // Changes the state (and the window's check) whoever asks, ReadOnly or not.
  void SetState(TCheckBoxState Value);
  bool GetChecked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  // Unchecked -> grayed (with AllowGrayed) or checked -> unchecked; grayed -> checked;
  // then the click notification.
  void Toggle();

  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // A grayed state may come from the user (the window becomes a three-state box).
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value);
  bool GetShowFocus() const { return FShowFocus; }
  void SetShowFocus(bool Value);
  int GetMargin() const { return FMargin; }
  void SetMargin(int Value);
  int GetTextIndent() const { return FTextIndent; }
  void SetTextIndent(int Value);
  TvaAlign GetVerticalAlign() const { return FVerticalAlign; }
  void SetVerticalAlign(TvaAlign Value);
  // The caption's side: taRightJustify (the default) puts it right of the box.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  bool GetWordWrap() const { return FWordWrap; }
  // A wrapping caption has no automatic size.
  void SetWordWrap(bool Value);
  bool GetAutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

  TNotifyEvent OnValueChanged;  // the check state changed
  TsCommonData SkinData;

  // The size the caption and box need, skinned or not (automatic size).
  SIZE AutoSizeExtent();
  // The box's size: the skin's "BOXCHECKED" image, else 16 x 16.
  SIZE GlyphSize() const;
  // A left press or Space key-down is in progress.
  bool Pressed() const { return FPressed; }
  // 2 pressed, 1 active and not read-only, else 0.
  int PaintState() const;

 protected:
  void CreateWnd() override;
  void Loaded() override;
  void WndProc(TMessage& Message) override;
  void TextChanged() override;
  void FontChanged() override;

 private:
  bool Ready();
  bool SkinCommand(TMessage& Message);
  bool SkinnedInput(TMessage& Message);
  void UnskinnedWndProc(TMessage& Message);
  void Default(TMessage& Message);
  void DefaultUnseen(TMessage& Message);
  void Repaint();
  bool PrepareCache();
  void DrawCheckText();
  void DrawCheckArea();
  void PaintHandler(HDC DC);
  void AdjustSize();
  // Three-state window style while grayed is allowed or shown, so that its check can hold it.
  void UpdateButtonStyle(TCheckBoxState Shown);
  TRect BoxRect(SIZE Glyph) const;
  int SkinGlyphIndex(TCheckBoxState State) const;

  TCheckBoxState FState = cbUnchecked;
  bool FPressed = false;
  bool FCreating = false;  // the framework sets the window's first check
  bool FReadOnly = false;
  bool FAllowGrayed = false;
  bool FShowFocus = true;
  int FMargin = 2;
  int FTextIndent = 0;
  TvaAlign FVerticalAlign = vaMiddle;
  TAlignment FAlignment = taRightJustify;
  bool FWordWrap = false;
  bool FAutoSize = true;
  TacGlowMask FGlow;
};
