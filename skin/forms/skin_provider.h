#pragma once
// The skin provider of one top-level form: it paints the form's whole frame
// (border, caption band, icon, caption text, caption buttons) and its client
// background from the skin, shapes the window with a region cut from the
// skin's corners, and answers hit tests, activation, sizing, moving and the
// skin command message for the form. It plugs into the form through the
// framework's skin hooks; removing the skin hands everything back to the
// form's own handling.
#include <memory>

#include "framework/form.h"
#include "skin/forms/form_animations.h"
#include "skin/forms/frame/frame_cache.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/win/common_data.h"

class TsSkinProvider : public TComponent, private TSkinHooks {
 public:
  // Raises EAbort-like std::logic_error unless the owner is a form.
  explicit TsSkinProvider(TComponent* AOwner);
  ~TsSkinProvider() override;

  TForm* GetForm() const { return FForm; }

  // Published properties of the provider.
  TAlignment CaptionAlignment = taLeftJustify;
  bool ShowAppIcon = true;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool UseGlobalColor = true;
  std::string TitleSkin;
  std::string MenuLineSkin;
  bool GetDrawNonClientArea() const { return FDrawNonClientArea; }
  void SetDrawNonClientArea(bool Value);
  bool DrawClientArea = true;

  // The form's skin data: section "FORM", control kind 224.
  TsCommonData SkinData;
  // The frame is drawn in the active state.
  bool GetFormActive() const { return FFormActive; }
  // The whole-window picture, rebuilt when stale.
  const TacFrameCache& GetCache() const { return FCache; }

  // True while a skin is current and the provider draws the form.
  bool Skinned() const;
  // Everything that changes the look marks the picture stale.
  void MarkChanged() { FCache.BackgroundChanged = true; }
  // Builds the picture now when stale; false when the skin cannot paint the form.
  bool PrepareCache();
  // Copies the frame from the picture onto the window.
  void PaintFrame();
  // The window's region from the picture's corners (SetWindowRgn).
  void UpdateRgn(bool Redraw);
  // The form's look for a new skin, or back to the system's for none.
  void PrepareForm();
  void RestoreForm();

  // The provider of a component's form, or nullptr.
  static TsSkinProvider* GetSkinProvider(TComponent* Component);

 private:
  // The framework's hooks into the form.
  bool Message(TWinControl& Control, TMessage& Message) override;
  bool NonClient(TWinControl& Control, TMessage& Message) override;
  bool PaintBackground(TWinControl& Control, HDC DC, const RECT& Client) override;
  void Released(TWinControl& Control) override;

  bool SkinCommand(TMessage& Message);
  void NCActivate(TMessage& Message);
  bool NCHitTest(TMessage& Message);
  bool CaptionMouse(TMessage& Message);
  void SetText(TMessage& Message);
  void Sized(TMessage& Message);
  void PositionChanging(TMessage& Message);
  void Print(TMessage& Message);
  // The form's own handling of a message (what the form does without the skin).
  void Pass(TMessage& Message) { FForm->WindowProc(Message); }
  TacFrameForm Describe() const;
  int* ButtonState(int HitCode);
  void SetButtonState(int HitCode, int State);
  TPoint WindowPoint(LPARAM ScreenPoint) const;
  TPoint CapturedPoint(LPARAM ClientPoint) const;

  TForm* FForm = nullptr;
  bool FHooked = false;  // the form's hooks are this provider's
  bool FDrawNonClientArea = true;
  bool FFormActive = true;
  bool FPrepared = false;  // the form wears the skin (system menu style taken off)
  bool FUpdatingRegion = false;
  int FPressed = 0;        // hit code of the caption button held down, 0 none
  int FHot = 0;            // hit code of the caption button under the mouse, 0 none
  decltype(TacFrameForm::ButtonStates) FButtonStates;
  TacFrameCache FCache;
  TBitmap32 FIcon;
  TOwnedFont FCaptionFont;
  int FCaptionTextHeight = 0;
  std::unique_ptr<TsGdiTextRasteriser> FRaster;
  std::unique_ptr<TacFormAnimator> FAnimator;  // made last, freed first
};
