#pragma once
// The skin provider of one top-level form: it paints the form's whole frame
// (border, caption band, icon, caption text, caption buttons) and its client
// background from the skin, shapes the window with a region cut from the
// skin's corners, and answers hit tests, activation, sizing, moving and the
// skin command message for the form. It plugs into the form through the
// framework's skin hooks; removing the skin hands everything back to the
// form's own handling.
#include <array>
#include <memory>

#include "framework/form.h"
#include "skin/forms/caption_anim.h"
#include "skin/forms/caption_font.h"
#include "skin/forms/ctrl_adapter.h"
#include "skin/forms/form_animations.h"
#include "skin/forms/frame/frame_cache.h"
#include "skin/forms/system_menu.h"
#include "skin/win/common_data.h"

class TsSkinProvider : public TComponent,
                       private TSkinHooks,
                       private TacSysMenuHost,
                       private TacAnimatedWindow {
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
  // Extended borders (a shadow around the form) when the manager has them on.
  bool AllowExtBorders = true;
  // The shadow's window while one shows, else nullptr.
  HWND GetShadowWindow() const;
  // Asked before an ordinary control of the form is skinned from outside:
  // clearing Allow leaves it alone; Section may be changed.
  std::function<void(TControl* Control, bool& Allow, std::string& Section)> OnSkinItem;
  // The skinning of the form's ordinary controls; none while unskinned.
  TacCtrlAdapter* GetAdapter() const { return FAdapter.get(); }

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

  // Caption buttons. Set from a press on a caption button of any skinned
  // form until the following release: one button can be held at a time.
  static bool ButtonPressed;
  // The hit code of the button that is hot or pressed: 0 none, -1 after the
  // mouse has left the window.
  int GetHotCode() const { return FHotCode; }
  // A button's state (hit code): 0 normal, 1 hot, 2 pressed; -1 for no button.
  int GetButtonState(int HitCode) const;
  void SetHotHT(int Code, bool Repaint = true);
  void SetPressedHT(int Code);
  // Shows one button's new state: faded in above it, or drawn into the
  // picture and copied to the window, the rest of the frame untouched.
  void RepaintButton(int Code);
  // The caption buttons and their glyphs follow the form's border icons,
  // border style and state.
  void UpdateIconsIndexes();
  // The running hover fade of a button, or nullptr.
  TacSBAnimation* GetButtonAnimation(int Code) const;
  void KillAnimations();
  // The glow window around a hot minimise, maximise or close button (hit
  // code), or nullptr.
  HWND GetButtonGlow(int Code) const;
  // The button's picture in a state for its hover fade (opaque where the
  // window shows, premultiplied), and where it goes on the screen.
  TBitmap32 ButtonImage(int Code, int State, TRect& ScreenRect);

  // The system menu: what it shows and allows, and opening it at a screen point.
  TacSysMenuState MenuState() const override;
  HWND SysMenuWindow() const override;
  bool HasSysMenu() const override;
  TsSystemMenu* GetSystemMenu() const { return FSysMenu; }
  void DropSysMenu(int X, int Y);

 private:
  HWND AnimWindow() const override { return SysMenuWindow(); }
  bool AnimSkinned() const override { return Skinned(); }
  void PrepareAnimPicture() override { PrepareCache(); }
  TacFormAnimation AnimEffect(TacAnimKind Kind) const override;
  // The framework's hooks into the form.
  bool Message(TWinControl& Control, TMessage& Message) override;
  bool NonClient(TWinControl& Control, TMessage& Message) override;
  bool PaintBackground(TWinControl& Control, HDC DC, const RECT& Client) override;
  void Released(TWinControl& Control) override;

  bool SkinCommand(TMessage& Message);
  void NCActivate(TMessage& Message);
  bool NCHitTest(TMessage& Message);
  bool CaptionMouse(TMessage& Message);
  void ButtonDown(TMessage& Message);
  void ButtonUp(TMessage& Message);
  bool DoubleClick(TMessage& Message);
  bool SysCommand(TMessage& Message);
  void StyleChanged(TMessage& Message);
  void UpdateShadow();
  // The form, its window and this provider are still there after a command
  // sent to the window (its handlers may close or free them).
  bool StillThere() const;
  void StartSBAnimation(int Code, int State, int Steps, bool Show);
  bool AnimatedButtons() const;
  // Shows the glow of a button that became hot, hides it in any other state.
  void UpdateButtonGlow(int Code, int State);
  // Draws a button into the picture and copies its rectangle to the window.
  void DrawButtonNow(int Code, int State);
  int* StateOf(int HitCode);
  TPoint IconMenuPoint(bool FromKeyboard) const;
  void SetText(TMessage& Message);
  void Sized(TMessage& Message);
  void PositionChanging(TMessage& Message);
  void Print(TMessage& Message);
  // The form's own handling of a message (what the form does without the skin).
  void Pass(TMessage& Message) { FForm->WindowProc(Message); }
  TacFrameForm Describe() const;
  TPoint WindowPoint(LPARAM ScreenPoint) const;

  // The taskbar asks for a window's system menu (a right click on its button).
  static constexpr UINT kTaskbarSysMenu = 0x0313;

  TForm* FForm = nullptr;
  bool FHooked = false;  // the form's hooks are this provider's
  bool FDrawNonClientArea = true;
  bool FFormActive = true;
  bool FPrepared = false;  // the form wears the skin (system menu style taken off)
  bool FUpdatingRegion = false;
  int FHotCode = 0;
  int FPressedCode = 0;  // the button held down by this form's press
  decltype(TacFrameForm::ButtonStates) FButtonStates;
  std::array<TComponentRef<TacSBAnimation>, 4> FAnimations;  // close, maximise, minimise, help
  std::array<int, 4> FGlows{-1, -1, -1, -1};                 // glow handles, in the same order
  int FShadow = -1;                                          // the shadow's glow-window handle
  TsSystemMenu* FSysMenu = nullptr;
  TacFrameCache FCache;
  TBitmap32 FIcon;
  std::unique_ptr<TacCaptionFont> FCaptionText;
  std::unique_ptr<TacCtrlAdapter> FAdapter;
  std::unique_ptr<TacFormAnimator> FAnimator;  // made last, freed first
};
