#include "skin/controls/buttons/skinned_button.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/paint/text_format.h"
#include "skin/win/skin_manager.h"

TsButton::TsButton(TComponent* AOwner) : TButton(AOwner), SkinData(this, true) { SkinData.ControlKind = 93; }

TsButton::~TsButton() = default;

void TsButton::Loaded() {
  TButton::Loaded();
  SkinData.Loaded();
}

void TsButton::CreateWnd() {
  TButton::CreateWnd();
  if (HandleAllocated() && SkinData.Loading && !IsLoading()) SkinData.Loaded();
}

void TsButton::WndProc(TMessage& Message) { FSkin.WndProc(Message); }

int TsButton::CurrentState() { return FSkin.StateOf(FSkin.Down, GetDefault(), false, false); }

void TsButton::SetDown(bool Value) {
  if (FSkin.Down == Value) return;
  FSkin.Down = Value;
  SkinData.Invalidate();
}

void TsButton::SetImages(TImageList* Value) {
  if (FImages.Get() == Value) return;
  FImages = Value;
  if (!IsLoading()) SkinData.Invalidate();
}

void TsButton::SetImageMargins(TImageMargins Value) {
  FImageMargins = Value;
  if (!IsLoading()) SkinData.Invalidate();
}

void TsButton::SetButtonStyle(bool ADefault) {
  if (ADefault == GetActiveDefault()) return;
  TButton::SetButtonStyle(ADefault);
  SkinData.Invalidate();
}

void TsButton::DrawItem(const DRAWITEMSTRUCT& Item) {
  if (!FSkin.Skinned()) FSkin.StdDrawItem(Item);
}

bool TsButton::GlyphExist() const {
  TImageList* images = FImages.Get();
  return images && images->GetHandle() && FIndexes.ImageIndex >= 0 &&
         FIndexes.ImageIndex < ImageList_GetImageCount(images->GetHandle());
}

TsButtonGeometryInput TsButton::GeometryInput(int State) {
  TsButtonGeometryInput in;
  in.Width = GetWidth();
  in.Height = GetHeight();
  in.ContentMargin = FContentMargin;
  in.ImageMargins = FImageMargins;
  in.ImageAlignment = FImageAlignment;
  in.GlyphExist = GlyphExist();
  if (TImageList* images = FImages.Get()) in.ImageSize = {images->GetWidth(), images->GetHeight()};
  in.WordWrap = FWordWrap;
  in.ShiftContent = FSkin.ShiftContent(State);
  return in;
}

TRect TsButton::CaptionRect() {
  const TsButtonGeometryInput in = GeometryInput(CurrentState());
  TsGdiTextMeasurer measurer(GetFont().GetHandle());
  return ButtonCaptionRect(in, ButtonCaptionSize(in, ButtonCaptionAnsi(*this), measurer));
}

TRect TsButton::GlyphRect() { return ButtonGlyphRect(GeometryInput(CurrentState())); }

int TsButton::GlyphIndex() {
  const int state = CurrentState();
  const TsButtonImageState look{GetEnabled(), state == kBtnPressed, Focused(), state};
  TImageList* images = FImages.Get();
  return ButtonGlyphIndex(FIndexes, look, images && images->GetHandle() ? ImageList_GetImageCount(images->GetHandle()) : 0);
}

void TsButton::DescribeContent(int State, TsTextRasteriser&, TsButtonCaption& Caption, TacDrawGlyphData& Glyph,
                               TsButtonFocus& Focus) {
  const TsButtonGeometryInput in = GeometryInput(State);
  const std::string caption = ButtonCaptionAnsi(*this);
  TsGdiTextMeasurer measurer(GetFont().GetHandle());
  const TRect rect = ButtonCaptionRect(in, ButtonCaptionSize(in, caption, measurer));
  if (!caption.empty()) {
    Caption.Text = caption;
    Caption.Rect = rect;
    Caption.Format = kDtCenter | kDtVCenter | kDtExpandTabs | (FWordWrap ? kDtWordBreak : 0);
    Focus = FSkin.FocusOf(rect);
    // The focus rectangle keeps 3 pixels from the top and bottom edges.
    Focus.Rect.Top = std::max(Focus.Rect.Top, 3);
    Focus.Rect.Bottom = std::min(Focus.Rect.Bottom, GetHeight() - 3);
  }
  if (in.GlyphExist) {
    FImage = ImageListPicture(FImages->GetHandle(), GlyphIndex());
    Glyph.Image = &FImage;
    Glyph.Rect = ButtonGlyphRect(in);
  }
  const TsSkinManager* manager = SkinData.GetSkinManager();
  Glyph.Grayed = FSkin.Skinned() && manager && manager->Effects.DiscoloredGlyphs;
  Glyph.Down = State == kBtnPressed;
}
