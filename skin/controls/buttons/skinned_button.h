#pragma once
// TsButton: the push button drawn from the skin (control kind 93), made
// owner-drawn when its window is created. A caption with an optional image
// of an image list per state, placed by ContentMargin, ImageMargins and
// ImageAlignment.
#include <string>

#include "framework/image_list.h"
#include "skin/controls/buttons/button_skin_win.h"
#include "skin/controls/layout/button_geometry.h"
#include "skin/win/skin_data_parts.h"

class TsButton : public TButton, private TacButtonHost {
 public:
  explicit TsButton(TComponent* AOwner);
  ~TsButton() override;

  TsCtrlSkinData SkinData;
  void SetSkinSection(const std::string& Value) { SkinData.SetSkinSection(Value); }

  // 0 normal, 1 hot, 2 pressed, 3 default (whenever Default is set).
  int CurrentState() override;
  bool PrepareCache() { return FSkin.PrepareCache(); }
  void OurPaintHandler(HDC DC) { FSkin.OurPaintHandler(DC); }
  TRect CaptionRect();
  TRect GlyphRect();
  // The image of the current state; GlyphExist: images set and ImageIndex within them.
  int GlyphIndex();
  bool GlyphExist() const;

  unsigned GetAnimatEvents() const { return FSkin.AnimatEvents; }
  void SetAnimatEvents(unsigned Value) { FSkin.AnimatEvents = Value; }
  bool GetDown() const { return FSkin.Down; }
  void SetDown(bool Value);
  unsigned GetDisabledKind() const { return FSkin.DisabledKind; }
  void SetDisabledKind(unsigned Value) { Change(FSkin.DisabledKind, Value); }
  bool GetShowFocus() const { return FSkin.ShowFocus; }
  void SetShowFocus(bool Value) { Change(FSkin.ShowFocus, Value); }
  int GetFocusMargin() const { return FSkin.FocusMargin; }
  void SetFocusMargin(int Value) { FSkin.FocusMargin = Value; }
  TImageList* GetImages() const { return FImages.Get(); }
  void SetImages(TImageList* Value);
  TsButtonImageIndexes& ImageIndexes() { return FIndexes; }  // change, then Invalidate
  TImageAlignment GetImageAlignment() const { return FImageAlignment; }
  void SetImageAlignment(TImageAlignment Value) { Change(FImageAlignment, Value); }
  TImageMargins GetImageMargins() const { return FImageMargins; }
  void SetImageMargins(TImageMargins Value);
  int GetContentMargin() const { return FContentMargin; }
  void SetContentMargin(int Value) { Change(FContentMargin, Value); }
  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value) { Change(FWordWrap, Value); }
  TNotifyEvent& OnMouseEnter() { return FSkin.OnMouseEnter; }
  TNotifyEvent& OnMouseLeave() { return FSkin.OnMouseLeave; }

  const TacButtonSkin& Skin() const { return FSkin; }

 protected:
  bool OwnerDrawStyle() const override { return true; }
  void Loaded() override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void DrawItem(const DRAWITEMSTRUCT& Item) override;
  void SetButtonStyle(bool ADefault) override;

 private:
  template <typename T>
  void Change(T& Field, T Value) {
    if (Field == Value) return;
    Field = Value;
    if (!IsLoading()) SkinData.Invalidate();
  }
  TsButtonGeometryInput GeometryInput(int State);
  // TacButtonHost
  bool OffsetPressed() const override { return false; }
  bool DrawOverBorder() const override { return true; }
  void DescribeContent(int State, TsTextRasteriser& Raster, TsButtonCaption& Caption, TacDrawGlyphData& Glyph,
                       TsButtonFocus& Focus) override;
  void InheritedWndProc(TMessage& Message) override { TButton::WndProc(Message); }

  TacButtonSkin FSkin{*this, SkinData, *this};
  TComponentRef<TImageList> FImages;  // none again when the list is freed
  TsButtonImageIndexes FIndexes;
  TImageAlignment FImageAlignment = iaLeft;
  TImageMargins FImageMargins;
  int FContentMargin = 6;
  bool FWordWrap = true;
  TBitmap32 FImage;  // the image of the last paint
};
