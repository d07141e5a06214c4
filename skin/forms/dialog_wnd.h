#pragma once
// The frame of a system dialog or message box skinned from outside: the
// form frame's picture (section "DIALOG", the dialog title section, the
// small caption glyphs for a dialog frame), its region, hit codes and caption
// buttons, described from the dialog's window instead of a form.
#include <functional>
#include <memory>

#include "skin/controls/adapters/main_wnd.h"
#include "skin/forms/frame/frame_cache.h"
#include "skin/paint/items/text_gdi_win.h"

class TacDialogWnd final : public TacMainWnd {
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

 protected:
  std::string DefaultSection() const override { return "DIALOG"; }
  void RestoreStdParams() override;
  void WndProc(TMessage& Message) override;

 private:
  TacFrameForm Describe() const;
  void PaintFrame();
  void MarkChanged();
  bool HitTest(TMessage& Message);
  void SetHot(int Code);
  bool ButtonMouse(TMessage& Message);
  bool SkinCommand(TMessage& Message);

  TacFrameCache FCache;
  TOwnedFont FCaptionFont;
  std::unique_ptr<TsGdiTextRasteriser> FRaster;
  int FCaptionTextHeight = 0;
  bool FHadSysMenu = false;
  bool FPrepared = false;
  bool FInitialized = false;
  bool FActive = true;
  int FHotCode = 0;
  int FPressedCode = 0;
};
