#include "skin/controls/buttons/skinned_bit_btn.h"

#include <algorithm>

#include "skin/data/binding/control_kinds.h"
#include "skin/win/skin_manager.h"

TsBitBtn::TsBitBtn(TComponent* AOwner) : TBitBtn(AOwner), SkinData(this, true) {
  SkinData.ControlKind = 94;
}

TsBitBtn::~TsBitBtn() = default;

void TsBitBtn::Loaded() {
  TBitBtn::Loaded();
  SkinData.Loaded();
}

void TsBitBtn::CreateWnd() {
  TBitBtn::CreateWnd();
  // Made at run time: the skin data is ready once the window and its parent are.
  if (HandleAllocated() && SkinData.Loading && !IsLoading()) SkinData.Loaded();
}

void TsBitBtn::WndProc(TMessage& Message) { FSkin.WndProc(Message); }

int TsBitBtn::CurrentState() { return FSkin.StateOf(FSkin.Down, GetDefault(), true, false); }

bool TsBitBtn::GetGrayed() const {
  const TsSkinManager* manager = SkinData.GetSkinManager();
  return FGrayed || (manager && manager->Effects.DiscoloredGlyphs && SkinData.Skinned());
}

void TsBitBtn::SetBlend(int Value) { Change(FBlend, std::clamp(Value, 0, 100)); }

void TsBitBtn::SetDown(bool Value) {
  if (FSkin.Down == Value) return;
  FSkin.Down = Value;
  SkinData.BackgroundChanged = true;
  SkinData.Invalidate(true);
}

void TsBitBtn::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  SkinData.BackgroundChanged = true;
  SkinData.Invalidate(true);
}

void TsBitBtn::SetImages(TImageList* Value) {
  if (FImages.Get() == Value) return;
  FImages = Value;
  SkinData.Invalidate();
}

void TsBitBtn::GlyphChanged() {
  FGlyph = GlyphPicture(GetGlyph());
  if (GetLayout() != FPrevLayout) {
    FPrevLayout = GetLayout();
    SkinData.BackgroundChanged = true;
  }
  SkinData.Invalidate();
  TBitBtn::GlyphChanged();
}

void TsBitBtn::SetButtonStyle(bool ADefault) {
  if (ADefault == GetActiveDefault()) return;
  TBitBtn::SetButtonStyle(ADefault);
  SkinData.Invalidate();
}

void TsBitBtn::DrawItem(const DRAWITEMSTRUCT& Item) {
  if (!FSkin.Skinned()) FSkin.StdDrawItem(Item);
}

TsBitBtnLayoutInput TsBitBtn::LayoutInput() {
  TsBitBtnLayoutInput in;
  in.Width = GetWidth();
  in.Height = GetHeight();
  in.ShowCaption = FShowCaption;
  in.WordWrap = FWordWrap;
  in.Alignment = FAlignment;
  in.TextAlignment = FTextAlignment;
  in.Layout = GetLayout();
  in.Margin = GetMargin();
  in.Spacing = GetSpacing();
  TImageList* images = FImages.Get();
  in.Glyph.HasImages = images && images->GetHandle();
  in.Glyph.ImageCount = in.Glyph.HasImages ? ImageList_GetImageCount(images->GetHandle()) : 0;
  in.Glyph.ImageIndex = FImageIndex;
  if (images) in.Glyph.ImageSize = {images->GetWidth(), images->GetHeight()};
  in.Glyph.GlyphBitmapSize = {FGlyph.Picture.Width(), FGlyph.Picture.Height()};
  in.Glyph.NumGlyphs = GetNumGlyphs();
  return in;
}

int TsBitBtn::GlyphWidth() { return BitBtnGlyphSize(LayoutInput().Glyph).cx; }
int TsBitBtn::GlyphHeight() { return BitBtnGlyphSize(LayoutInput().Glyph).cy; }

void TsBitBtn::DescribeContent(int State, TsTextRasteriser&, TsButtonCaption& Caption, TacDrawGlyphData& Glyph,
                               TsButtonFocus& Focus) {
  const std::string caption = ButtonCaptionAnsi(*this);
  TsBitBtnLayoutInput in = LayoutInput();
  in.Caption = caption;
  TsGdiTextMeasurer measurer(GetFont().GetHandle());
  const TsBitBtnLayout layout = LayoutBitBtn(in, measurer);
  FGlyphOrigin = layout.Content.GlyphPos;
  FTextBounds = layout.Content.TextBounds;
  const bool shift = FSkin.ShiftContent(State);
  if (FShowCaption && !caption.empty()) {
    Caption.Text = caption;
    Caption.Rect = FTextBounds;
    if (shift) Caption.Rect = {FTextBounds.Left + 1, FTextBounds.Top + 1, FTextBounds.Right + 1, FTextBounds.Bottom + 1};
    Caption.Format = BitBtnCaptionDrawFormat(in);
    Focus = FSkin.FocusOf(FTextBounds);
  }
  if (UsesImageList(in.Glyph)) {
    FImage = ImageListPicture(FImages->GetHandle(), FImageIndex);
    Glyph.Image = &FImage;
  } else {
    Glyph.Glyph = &FGlyph.Picture;
    Glyph.GlyphHasAlpha = FGlyph.HasAlpha;
  }
  Glyph.FrameCount = GetNumGlyphs();
  Glyph.Rect = BitBtnImageRect(FGlyphOrigin, layout.GlyphSize, shift, false);
  Glyph.Blend = FBlend;
  Glyph.Down = FSkin.Down;
  Glyph.Grayed = GetGrayed();
  Glyph.DisabledGlyphKind = FDisabledGlyphKind;
}

void TsBitBtn::CachePainted(TBitmap32& Bitmap) {
  if (OnPaint) OnPaint(this, Bitmap);
}
