#pragma once
// The frame of a system dialog or message box skinned from outside: the
// form frame's picture (section "DIALOG", the dialog title section, the
// small caption glyphs for a dialog frame), its region, hit codes, caption
// buttons and skinned system menu, described from the dialog's window
// instead of a form; shown and hidden with the manager's dialog animations.
#include <functional>
#include <memory>

#include "skin/controls/adapters/main_wnd.h"
#include "skin/forms/caption_font.h"
#include "skin/forms/form_animations.h"
#include "skin/forms/frame/frame_cache.h"
#include "skin/forms/system_menu.h"

class TacDialogWnd final : public TacMainWnd, private TacSysMenuHost, private TacAnimatedWindow {
 public:
  TacDialogWnd(HWND Window, TsSkinManager* Manager, const TacSkinParams& Params);
  ~TacDialogWnd() override;

  // Called once the dialog has made and initialised its children.
  std::function<void()> OnInitialized;
  // WM_INITDIALOG has been handled (the children exist).
  bool Initialized() const { return FInitialized; }
  // Builds the picture when stale; false while the skin cannot paint it.
  bool PrepareCache();
  const TacFrameCache& Cache() const { return FCache; }
  // Takes the system's caption buttons off (the frame draws its own).
  void Prepare();
  int HotCode() const { return FHotCode; }
  // Opens the skinned system menu at a screen point.
  void DropSysMenu(int X, int Y);

 protected:
  std::string DefaultSection() const override { return "DIALOG"; }
  void RestoreStdParams() override;
  void WndProc(TMessage& Message) override;

 private:
  HWND SysMenuWindow() const override { return Handle(); }
  bool HasSysMenu() const override { return FHadSysMenu; }
  TacSysMenuState MenuState() const override;
  HWND AnimWindow() const override { return Handle(); }
  bool AnimSkinned() const override { return FPrepared && SkinActive(); }
  void PrepareAnimPicture() override { PrepareCache(); }
  TacFormAnimation AnimEffect(TacAnimKind Kind) const override;

  TacFrameForm Describe() const;
  void PaintFrame();
  void MarkChanged();
  bool HitTest(TMessage& Message);
  void SetHot(int Code);
  bool ButtonMouse(TMessage& Message);
  // Right and double clicks on the caption and icon; true when answered.
  bool CaptionMouse(TMessage& Message);
  // Sends a system command and refreshes the frame, unless the command ended the dialog.
  void SysCommand(WPARAM Command, LPARAM At);
  bool SkinCommand(TMessage& Message);

  TacFrameCache FCache;
  TacCaptionFont FCaptionText;
  std::unique_ptr<TsSystemMenu> FSysMenu;  // made when first opened
  std::unique_ptr<TacFormAnimator> FAnimator;
  bool FHadSysMenu = false;
  bool FPrepared = false;
  bool FInitialized = false;
  bool FActive = true;
  int FHotCode = 0;
  int FPressedCode = 0;
};
