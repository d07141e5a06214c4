#pragma once
// Push buttons, bitmap buttons and check boxes on the system's BUTTON window.
#include "base/form_kinds.h"
#include "framework/win_control.h"

// A push button. Default marks the button Enter presses while the focus is
// on no other button (the form answers DM_GETDEFID with it); the "active
// default" is the button that shows itself as the one Enter presses now: the
// focused button, or the default button while no button has the focus.
class TButton : public TWinControl {
 public:
  explicit TButton(TComponent* AOwner);

  const std::wstring& GetCaption() const { return FText; }
  void SetCaption(std::wstring Value) { SetText(std::move(Value)); }
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  bool GetActiveDefault() const { return FActiveDefault; }
  // The window's identifier, unique among the program's buttons.
  UINT_PTR GetControlId() const { return FControlId; }
  // The window is owner-drawn (its style's type is BS_OWNERDRAW).
  bool IsOwnerDrawn();

  // The classic system face of a push button into DC: the dark frame of the
  // active default (or focused) button, the raised or pressed edge, the focus
  // rectangle of the focused active default. Returns the content rectangle.
  static RECT DrawClassicFace(HDC DC, RECT Client, bool Pressed, bool Focused, bool Disabled, bool ActiveDefault,
                              bool ShowFocusRect = true);
  // A caption in the font: embossed (button highlight moved by (1, 1), then
  // button shadow) when disabled.
  static void DrawClassicCaption(HDC DC, const std::wstring& Text, RECT Rect, HFONT Font, UINT Format,
                                 bool Enabled);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  // Owner-drawn buttons are made with BS_OWNERDRAW.
  virtual bool OwnerDrawStyle() const { return false; }
  // The notice that the button became or stopped being the active default.
  virtual void SetButtonStyle(bool ADefault);
  // The face of an owner-drawn button (the reflected WM_DRAWITEM): the classic look.
  virtual void DrawItem(const DRAWITEMSTRUCT& Item);

 private:
  // The focus went to NewFocus: every button of the form updates its active default.
  void FocusChanged(HWND NewFocus);

  bool FDefault = false;
  bool FActiveDefault = false;
  UINT_PTR FControlId = 0;
};

// A button with a glyph beside its caption, owner-drawn. The glyph bitmap
// holds NumGlyphs frames side by side (normal, hot, pressed, ...).
class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* AOwner) : TButton(AOwner) {}

  HBITMAP GetGlyph() const { return FGlyph.Get(); }
  // Takes the bitmap over (nullptr: no glyph).
  void SetGlyph(HBITMAP Value);
  int GetNumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(int Value);
  TButtonLayout GetLayout() const { return FLayout; }
  void SetLayout(TButtonLayout Value);
  int GetMargin() const { return FMargin; }
  void SetMargin(int Value);
  int GetSpacing() const { return FSpacing; }
  void SetSpacing(int Value);

 protected:
  bool OwnerDrawStyle() const override { return true; }
  // Glyph, frame count, layout, margin or spacing changed.
  virtual void GlyphChanged() { Invalidate(); }

 private:
  TOwnedBitmap FGlyph;
  int FNumGlyphs = 1;
  TButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 4;
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
