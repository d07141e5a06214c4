#pragma once
// The skinned label: windowless, painted by its parent. Its text takes the
// skin's colour (the section that gives colour to its place, or its own
// section's) unless UseSkinColor is off; with a section of its own the
// section's background is painted under the text.
#include <string>

#include "framework/component.h"
#include "framework/label.h"

class TsSkinManager;

class TsLabel : public TLabel {
 public:
  explicit TsLabel(TComponent* AOwner);

  // None: the application's default manager.
  TsSkinManager* GetSkinManager() const;
  void SetSkinManager(TsSkinManager* Value);
  const std::string& GetSkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& Value);
  bool GetUseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool Value);
  bool GetShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);
  // The windowed control the label names: screen readers give it the label's caption.
  TWinControl* GetFocusControl() const { return FFocusControl.Get(); }
  void SetFocusControl(TWinControl* Value);

  // The colour the text is drawn in.
  virtual TColor TextColor() const;
  // The font the text is drawn in.
  virtual const TFont& DrawFont() const { return GetFont(); }
  // Draws the caption into rect of the DC (measures it with DT_CALCRECT: an
  // empty caption measures as one blank).
  virtual void DoDrawText(HDC DC, RECT& Rect, UINT Flags) const;

 protected:
  // Says it is skinned, so that the form's control adapter leaves its colours alone.
  void WndProc(TMessage& Message) override;
  void Paint(TCanvas& Canvas) override;
  void TextChanged() override;
  void FontChanged() override;
  bool SkinActive() const;

 private:
  void NameFocusControl();

  TComponentRef<TsSkinManager> FSkinManager;
  std::string FSkinSection;
  bool FUseSkinColor = true;
  bool FShowAccelChar = true;
  bool FPainting = false;  // the paint itself changes the font colour
  TComponentRef<TWinControl> FFocusControl;
};
