#pragma once
// TsBitBtn: the bitmap button drawn from the skin. Its face (section
// "BUTTON" by default, control kind 94) is built into the skin data's cache
// bitmap and copied to the window; the native button still does the
// keyboard, the mouse capture and the click. Unskinned, it draws the classic
// system look itself.
#include <functional>
#include <string>

#include "framework/image_list.h"
#include "skin/controls/buttons/button_skin_win.h"
#include "skin/controls/layout/bitbtn_layout.h"
#include "skin/win/skin_data_parts.h"

class TsBitBtn : public TBitBtn, private TacButtonHost {
 public:
  explicit TsBitBtn(TComponent* AOwner);
  ~TsBitBtn() override;

  TsCtrlSkinData SkinData;
  void SetSkinSection(const std::string& Value) { SkinData.SetSkinSection(Value); }

  // 0 normal, 1 hot, 2 pressed, 3 default.
  int CurrentState() override;
  bool PrepareCache() { return FSkin.PrepareCache(); }
  void OurPaintHandler(HDC DC) { FSkin.OurPaintHandler(DC); }
  // The glyph's and caption's places from the last layout.
  TPoint GetGlyphOrigin() const { return FGlyphOrigin; }
  TRect GetTextBounds() const { return FTextBounds; }
  int GlyphWidth();
  int GlyphHeight();

  unsigned GetAnimatEvents() const { return FSkin.AnimatEvents; }
  void SetAnimatEvents(unsigned Value) { FSkin.AnimatEvents = Value; }
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value) { Change(FAlignment, Value); }
  TAlignment GetTextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TAlignment Value) { Change(FTextAlignment, Value); }
  int GetBlend() const { return FBlend; }
  // Limited to 0..100.
  void SetBlend(int Value);
  unsigned GetDisabledGlyphKind() const { return FDisabledGlyphKind; }
  void SetDisabledGlyphKind(unsigned Value) { Change(FDisabledGlyphKind, Value); }
  unsigned GetDisabledKind() const { return FSkin.DisabledKind; }
  void SetDisabledKind(unsigned Value) { Change(FSkin.DisabledKind, Value); }
  bool GetDown() const { return FSkin.Down; }
  void SetDown(bool Value);
  int GetFocusMargin() const { return FSkin.FocusMargin; }
  void SetFocusMargin(int Value) { FSkin.FocusMargin = Value; }  // shows at the next paint
  // Also true while the skin manager shows glyphs discoloured and the button is skinned.
  bool GetGrayed() const;
  void SetGrayed(bool Value) { Change(FGrayed, Value); }
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { Change(FImageIndex, Value); }
  TImageList* GetImages() const { return FImages.Get(); }
  void SetImages(TImageList* Value);
  bool GetShowCaption() const { return FShowCaption; }
  void SetShowCaption(bool Value) { Change(FShowCaption, Value); }
  bool GetShowFocus() const { return FSkin.ShowFocus; }
  void SetShowFocus(bool Value) { Change(FSkin.ShowFocus, Value); }
  bool GetDrawOverBorder() const { return FDrawOverBorder; }
  void SetDrawOverBorder(bool Value) { Change(FDrawOverBorder, Value); }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  // Called with the finished cache after every rebuild.
  std::function<void(TsBitBtn* Sender, TBitmap32& Bitmap)> OnPaint;
  TNotifyEvent& OnMouseEnter() { return FSkin.OnMouseEnter; }
  TNotifyEvent& OnMouseLeave() { return FSkin.OnMouseLeave; }

  // The shared skinned handling (tests look at its fade and region).
  const TacButtonSkin& Skin() const { return FSkin; }

 protected:
  void Loaded() override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void DrawItem(const DRAWITEMSTRUCT& Item) override;
  void GlyphChanged() override;
  void SetButtonStyle(bool ADefault) override;

 private:
  template <typename T>
  void Change(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    SkinData.Invalidate();
  }
  // TacButtonHost
  bool OffsetPressed() const override { return true; }
  bool DrawOverBorder() const override { return FDrawOverBorder; }
  void DescribeContent(int State, TsTextRasteriser& Raster, TsButtonCaption& Caption, TacDrawGlyphData& Glyph,
                       TsButtonFocus& Focus) override;
  void CachePainted(TBitmap32& Bitmap) override;
  void InheritedWndProc(TMessage& Message) override { TBitBtn::WndProc(Message); }
  TsBitBtnLayoutInput LayoutInput();

  TacButtonSkin FSkin{*this, SkinData, *this};
  TAlignment FAlignment = taCenter;
  TAlignment FTextAlignment = taCenter;
  int FBlend = 0;
  unsigned FDisabledGlyphKind = dgBlended;
  bool FGrayed = false;
  int FImageIndex = -1;
  TComponentRef<TImageList> FImages;  // none again when the list is freed
  bool FShowCaption = true;
  bool FDrawOverBorder = true;
  bool FWordWrap = true;
  TacGlyphPicture FGlyph;       // the glyph bitmap as a picture
  TBitmap32 FImage;             // the image-list image of the last layout
  TButtonLayout FPrevLayout = blGlyphLeft;
  TPoint FGlyphOrigin;
  TRect FTextBounds;
};
