#pragma once
// A windowless tool-bar button. A button of a group (GroupIndex not 0) stays
// down when clicked and lets the others of its group up; with AllowAllUp a
// click on the down one lets it up too. The left button presses it while
// held over it; releasing over it clicks.
#include "base/form_kinds.h"
#include "framework/control.h"

// The button's look: up, disabled, pressed while held, down as one of a group.
enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* AOwner);

  const std::wstring& GetCaption() const { return FText; }
  void SetCaption(std::wstring Value) { SetText(std::move(Value)); }
  bool GetDown() const { return FDown; }
  // Only a button of a group can be down; a down one goes up only with AllowAllUp.
  void SetDown(bool Value);
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool GetAllowAllUp() const { return FAllowAllUp; }
  // Set for every button of the group alike.
  void SetAllowAllUp(bool Value);
  bool GetFlat() const { return FFlat; }
  void SetFlat(bool Value);
  bool GetTransparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  HBITMAP GetGlyph() const { return FGlyph.Get(); }
  // Takes the bitmap over (nullptr: no glyph); its frames lie side by side.
  void SetGlyph(HBITMAP Value);
  int GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int GetMargin() const { return FMargin; }
  void SetMargin(int Value);
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int Value);

  TButtonState GetState() const { return FState; }

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void EnabledChanged() override;
  // The classic look: a raised (or, pressed, sunken) frame, flat ones only
  // while hot or pressed; the caption centred.
  void Paint(TCanvas& Canvas) override;
  // The look changed (state, down, glyph, layout): repaint.
  virtual void ButtonChanged() { Repaint(); }
  void SetState(TButtonState Value);

 private:
  // Lets the other down button of the group up.
  void UpdateExclusive();

  TButtonState FState = bsUp;
  bool FDown = false;
  bool FDragging = false;  // the left button went down on the button and is held
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FFlat = false;
  bool FTransparent = true;
  TOwnedBitmap FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
};
