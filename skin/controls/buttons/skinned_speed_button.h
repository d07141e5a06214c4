#pragma once
// TsSpeedButton: the windowless tool-bar button drawn from the skin (section
// "SPEEDBUTTON" by default, control kind 92). Its picture is built into the
// skin data's cache bitmap once per change of look and copied onto the
// parent's surface at every paint; a change of state fades from the old
// picture to the new one. It can also be a separator, a divider, a check
// button or a drop-down button with a menu (split with a click handler:
// only its last 16 pixels open the menu). Unskinned it draws the classic look.
#include <functional>
#include <memory>
#include <string>

#include "framework/image_list.h"
#include "framework/menus.h"
#include "framework/speed_button.h"
#include "skin/controls/buttons/button_glyph.h"
#include "skin/controls/buttons/button_skin_win.h"
#include "skin/controls/layout/speed_button_layout.h"
#include "skin/win/skin_data_parts.h"

enum TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator, tbsDivider };

class TsSpeedButton : public TSpeedButton {
 public:
  explicit TsSpeedButton(TComponent* AOwner);
  ~TsSpeedButton() override;

  TsCtrlSkinData SkinData;
  void SetSkinSection(const std::string& Value) { SkinData.SetSkinSection(Value); }
  void SetParent(TWinControl* AParent) override;

  // 0 normal, 1 hot, 2 pressed (held, or down).
  int CurrentState() const;
  // Rebuilds the cache for the current state; false while the parent's
  // background is not ready.
  bool PrepareCache();
  // Paints the button's picture onto the parent's window at once.
  void GraphRepaint();
  // 16 for a drop-down button with a click handler (a split part), else 0.
  int ArrowWidth() const;
  int GlyphWidth() const;
  int GlyphHeight() const;
  TRect CaptionRect();
  TRect ImgRect();
  bool Fading() const { return FFade != nullptr; }
  // Cache builds so far of this button.
  int CacheBuilds() const { return FCacheBuilds; }
  // Its drop-down menu is open.
  bool MenuVisible() const { return FMenuVisible; }

  TToolButtonStyle GetButtonStyle() const { return FButtonStyle; }
  // A drop-down button is 16 pixels wider than the same button of another style.
  void SetButtonStyle(TToolButtonStyle Value);
  TPopupMenu* GetDropdownMenu() const { return FDropdownMenu.Get(); }
  void SetDropdownMenu(TPopupMenu* Value) { FDropdownMenu = Value; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { Change(FAlignment, Value); }
  TAlignment GetTextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment Value) { Change(FTextAlignment, Value); }
  int GetTextOffset() const { return FTextOffset; }
  void SetTextOffset(int Value) { Change(FTextOffset, Value); }
  bool GetShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value) { Change(FShowCaption, Value); }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { Change(FWordWrap, Value); }
  bool GetDrawOverBorder() const { return FDrawOverBorder; }
  void SetDrawOverBorder(bool Value) { Change(FDrawOverBorder, Value); }
  TImageList* GetImages() const { return FImages.Get(); }
  void SetImages(TImageList* Value);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { Change(FImageIndex, Value); }
  int GetBlend() const { return FBlend; }
  // Limited to 0..100.
  void SetBlend(int Value);
  // Also true while the manager shows glyphs discoloured and the button is skinned.
  bool GetGrayed() const;
  void SetGrayed(bool Value) { Change(FGrayed, Value); }
  bool GetReflected() const { return FReflected; }
  void SetReflected(bool Value) { Change(FReflected, Value); }
  unsigned GetDisabledGlyphKind() const { return FDisabledGlyphKind; }
  void SetDisabledGlyphKind(unsigned Value) { Change(FDisabledGlyphKind, Value); }
  unsigned GetDisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(unsigned Value) { Change(FDisabledKind, Value); }
  unsigned GetAnimatEvents() const { return FAnimatEvents; }
  void SetAnimatEvents(unsigned Value) { FAnimatEvents = Value; }

  // Called with the finished cache after every rebuild.
  std::function<void(TsSpeedButton* Sender, TBitmap32& Bitmap)> OnPaint;

 protected:
  void WndProc(TMessage& Message) override;
  void Paint(TCanvas& Canvas) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ButtonChanged() override;
  void TextChanged() override;
  void FontChanged() override;
  void BoundsChanged() override;

 private:
  template <typename T>
  void Change(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    SkinData.BackgroundChanged = true;
    if (GetVisible()) GraphRepaint();
  }
  bool Ready() const;
  bool Skinned() const;
  bool SkinCommand(TMessage& Message);
  void SkinnedBefore(TMessage& Message, bool& Done);
  void SkinnedAfter(const TMessage& Message);
  // The fade for an event: from the picture shown to the one of the new state.
  void SpeedChangePaint(bool Clicked, TacAnimatEvent Event);
  void StopSpeedFade();
  void Ac_CMMouseEnter();
  void Ac_CMMouseLeave();
  void OpenDropdown();
  bool ShiftContent(int State) const;
  bool UsesImageList() const;
  TsSpeedButtonGeometry Geometry(int State);
  // The glyph as the button's state and settings draw it (the picture, its
  // place, look and state), for the skinned and the classic face alike.
  TacDrawGlyphData GlyphData(const TsSpeedButtonGeometry& Geometry, int State, bool Grayed);
  std::string CaptionAnsi() const;
  unsigned CaptionFormat() const;
  void PaintSeparator(const TCacheInfo& Parent);
  void PaintArrowPart(const TCacheInfo& Parent, int State);
  void PaintArrow(TRect Rect, int State, bool Shift);
  // The classic look of an unskinned button, with glyph.
  void StdPaint(TCanvas& Canvas);
  TsGdiTextRasteriser& Raster();

  // What a fade asks of the button (a companion object: the button's own
  // Invalidate and Repaint mean other things).
  class TFadeLink final : public TacFadeTarget {
   public:
    explicit TFadeLink(TsSpeedButton& Button) : FButton(Button) {}
    bool FadeAlive() const override;
    bool FadeEnabled() const override { return FButton.GetEnabled(); }
    bool SkinChanging() const override;
    TBitmap32* FadeCache() override { return FButton.SkinData.CacheBitmap.get(); }
    bool GetBackgroundChanged() const override { return FButton.SkinData.BackgroundChanged; }
    void SetBackgroundChanged(bool Value) override { FButton.SkinData.BackgroundChanged = Value; }
    HWND FadeWindow() const override { return nullptr; }  // windowless: frames go through the parent's paint
    LRESULT FadeCommand(int Code, LPARAM LParam = 0, int Argument = 0) override {
      return FButton.FadeCommand(Code, LParam, Argument);
    }
    void Repaint() override { FButton.GraphRepaint(); }
    void Invalidate() override { FButton.SkinData.Invalidate(); }

   private:
    TsSpeedButton& FButton;
  };
  LRESULT FadeCommand(int Code, LPARAM LParam, int Argument);

  TFadeLink FFadeLink{*this};
  TToolButtonStyle FButtonStyle = tbsButton;
  TComponentRef<TPopupMenu> FDropdownMenu;
  TAlignment FAlignment = taCenter;
  TAlignment FTextAlignment = taCenter;
  int FTextOffset = 0;
  bool FShowCaption = true;
  bool FWordWrap = true;
  bool FDrawOverBorder = true;
  TComponentRef<TImageList> FImages;
  int FImageIndex = -1;
  int FBlend = 0;
  bool FGrayed = false;
  bool FReflected = false;
  unsigned FDisabledGlyphKind = dgBlended;
  unsigned FDisabledKind = dkBlended;
  unsigned FAnimatEvents = aeGlobalDef;

  TsFadeTimer* FFade = nullptr;
  const TBitmap32* FFadeFrame = nullptr;  // the fade's frame being shown
  bool FMenuVisible = false;
  bool FLastDown = false;
  int FLastNumGlyphs = 1;
  int FLastSpacing = 4;
  int FCacheBuilds = 0;
  TacGlyphPicture FGlyph;  // the glyph bitmap as a picture
  HBITMAP FGlyphSource = nullptr;
  TBitmap32 FImage;  // the image-list image of the last build
  HFONT FRasterFont = nullptr;
  std::unique_ptr<TsGdiTextRasteriser> FRaster;
};
