#include "skin/controls/buttons/skinned_speed_button.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/text.h"
#include "framework/win_control.h"
#include "skin/controls/basic/control_paint.h"
#include "skin/paint/text_format.h"
#include "skin/data/binding/control_kinds.h"
#include "skin/paint/bitmap32_win.h"
#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/skin_rect.h"
#include "skin/win/glow_effects.h"
#include "skin/win/skin_manager.h"

namespace {

// Only one drop-down menu of a speed button is open at a time.
bool gDropDownOpen = false;

bool ManagerActive(const TsSkinManager* Manager) { return Manager && Manager->GetActive(); }

}  // namespace

TsSpeedButton::TsSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner), SkinData(this, true) {
  SkinData.ControlKind = ckSpeedButton;
}

TsSpeedButton::~TsSpeedButton() {
  StopFading(FFade);
  FFadeFrame = nullptr;
  if (TsSkinManager* manager = SkinData.GetSkinManager(); manager && manager->GetActiveGraphControl() == this)
    manager->SetActiveGraphControl(nullptr);
}

void TsSpeedButton::SetParent(TWinControl* AParent) {
  TSpeedButton::SetParent(AParent);
  // Made at run time: the skin data is ready once the button has its parent.
  if (AParent && SkinData.Loading && !IsLoading()) SkinData.Loaded();
}

bool TsSpeedButton::Ready() const {
  const TWinControl* parent = GetParent();
  return parent && parent->HandleAllocated() && !IsLoading() && !IsDestroying();
}

bool TsSpeedButton::Skinned() const { return Ready() && SkinData.Skinned(true); }

bool TsSpeedButton::TFadeLink::FadeAlive() const { return FButton.Ready() && FButton.GetVisible(); }

bool TsSpeedButton::TFadeLink::SkinChanging() const { return ::SkinChanging(); }

int TsSpeedButton::CurrentState() const {
  if (GetState() == bsDown || GetState() == bsExclusive) return kBtnPressed;
  return SkinData.ControlIsActive() ? kBtnHot : kBtnNormal;
}

int TsSpeedButton::ArrowWidth() const { return FButtonStyle == tbsDropDown && OnClick ? kSpeedArrowWidth : 0; }

bool TsSpeedButton::UsesImageList() const {
  const TImageList* images = FImages.Get();
  return images && images->GetHandle() && FImageIndex >= 0 &&
         FImageIndex < ImageList_GetImageCount(images->GetHandle());
}

int TsSpeedButton::GlyphWidth() const {
  if (!FGlyph.Picture.Empty()) return FGlyph.Picture.Width() / GetNumGlyphs();
  return UsesImageList() ? FImages->GetWidth() / GetNumGlyphs() : 0;
}

int TsSpeedButton::GlyphHeight() const {
  if (!FGlyph.Picture.Empty()) return FGlyph.Picture.Height();
  return UsesImageList() ? FImages->GetHeight() : 0;
}

bool TsSpeedButton::GetGrayed() const {
  const TsSkinManager* manager = SkinData.GetSkinManager();
  return FGrayed || (manager && manager->Effects.DiscoloredGlyphs && SkinData.Skinned());
}

void TsSpeedButton::SetBlend(int Value) { Change(FBlend, std::clamp(Value, 0, 100)); }

void TsSpeedButton::SetImages(TImageList* Value) {
  if (FImages.Get() == Value) return;
  FImages = Value;
  SkinData.BackgroundChanged = true;
  if (GetVisible()) GraphRepaint();
}

void TsSpeedButton::SetButtonStyle(TToolButtonStyle Value) {
  if (Value == FButtonStyle) return;
  if (!IsLoading()) {
    if (Value == tbsDropDown) SetWidth(GetWidth() + kSpeedArrowWidth);
    else if (FButtonStyle == tbsDropDown) SetWidth(GetWidth() - kSpeedArrowWidth);
  }
  Change(FButtonStyle, Value);
}

bool TsSpeedButton::ShiftContent(int State) const {
  if (State != kBtnPressed) return false;
  const TsSkinManager* manager = SkinData.GetSkinManager();
  return !Skinned() || !manager || manager->ButtonsOptions.ShiftContentOnClick;
}

std::string TsSpeedButton::CaptionAnsi() const { return AnsiFromWide(GetText()); }

unsigned TsSpeedButton::CaptionFormat() const {
  unsigned format = AlignmentFormat(FTextAlignment) | DT_VCENTER | DT_EXPANDTABS | DT_END_ELLIPSIS | DT_NOCLIP;
  return format | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
}

TsSpeedButtonGeometry TsSpeedButton::Geometry(int State) {
  // The glyph is read again when the bitmap behind it changed.
  if (GetGlyph() != FGlyphSource) {
    FGlyphSource = GetGlyph();
    FGlyph = GlyphPicture(FGlyphSource);
  }
  TsSpeedButtonGeometry g;
  g.Width = GetWidth();
  g.Height = GetHeight();
  g.Layout = GetLayout();
  g.Alignment = FAlignment;
  g.Margin = GetMargin();
  g.Spacing = GetSpacing();
  g.TextOffset = FTextOffset;
  g.ArrowWidth = ArrowWidth();
  g.ArrowAfterCaption = FButtonStyle == tbsDropDown && !OnClick;
  g.ShowCaption = FShowCaption;
  const std::string caption = CaptionAnsi();
  g.HasCaption = !caption.empty();
  g.Glyph = {GlyphWidth(), GlyphHeight()};
  g.ShiftContent = ShiftContent(State);
  g.Reflected = FReflected;
  const int limit = SpeedMaxTextWidth(g);
  if (limit > 0) {
    TsGdiTextMeasurer measurer(GetFont().GetHandle());
    const unsigned flags = DT_CALCRECT | DT_EXPANDTABS | DT_END_ELLIPSIS | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    g.Text = measurer.MeasureText(caption, {0, 0, limit, 0}, flags);
  }
  return g;
}

TacDrawGlyphData TsSpeedButton::GlyphData(const TsSpeedButtonGeometry& Geometry, int State, bool Grayed) {
  TacDrawGlyphData glyph;
  if (UsesImageList()) {
    FImage = ImageListPicture(FImages->GetHandle(), FImageIndex);
    glyph.Image = &FImage;
  } else {
    glyph.Glyph = &FGlyph.Picture;
    glyph.GlyphHasAlpha = FGlyph.HasAlpha;
  }
  glyph.FrameCount = GetNumGlyphs();
  glyph.Rect = SpeedImgRect(Geometry);
  glyph.Enabled = GetEnabled();
  glyph.Blend = FBlend;
  glyph.Down = GetDown();
  glyph.Grayed = Grayed;
  glyph.State = State;
  glyph.DisabledGlyphKind = FDisabledGlyphKind;
  return glyph;
}

TRect TsSpeedButton::CaptionRect() { return SpeedCaptionRect(Geometry(CurrentState())); }
TRect TsSpeedButton::ImgRect() { return SpeedImgRect(Geometry(CurrentState())); }

TsGdiTextRasteriser& TsSpeedButton::Raster() {
  const HFONT font = GetFont().GetHandle();
  if (!FRaster || FRasterFont != font) {
    FRaster = std::make_unique<TsGdiTextRasteriser>(font);
    FRasterFont = font;
  }
  return *FRaster;
}

void TsSpeedButton::PaintSeparator(const TCacheInfo& Parent) {
  TBitmap32& cache = *SkinData.CacheBitmap;
  const int width = cache.Width(), height = cache.Height();
  if (Parent.Ready && Parent.Bitmap)
    CopyImage(cache, {0, 0}, *Parent.Bitmap, {Parent.X, Parent.Y, Parent.X + width, Parent.Y + height});
  else
    FillRect32(cache, {0, 0, width, height}, ColorToRGB(Parent.FillColor), 255);
  if (FButtonStyle != tbsDivider) return;
  const TsSkinModel& model = SkinData.GetSkinManager()->Model;
  const int divider = model.GetSkinIndex("DIVIDER");
  if (!model.IsValidSkinIndex(divider)) return;
  const int mask = model.gd[static_cast<size_t>(divider)].BorderMaskIndex;
  if (model.IsValidImgIndex(mask))
    DrawSkinRect(cache, {width / 2 - 1, 0, width / 2 + 1, height}, EmptyCI, false, 0,
                 model.ma[static_cast<size_t>(mask)]);
}

void TsSpeedButton::PaintArrow(TRect Rect, int State, bool Shift) {
  TColor color = GetFont().GetColor();
  TsSkinManager* manager = SkinData.GetSkinManager();
  if (manager && GetParent()) {
    const int index = GetFontIndex(this, SkinData.SkinIndex, manager, State);
    if (manager->Model.IsValidSkinIndex(index)) {
      const TsGeneralData& section = manager->Model.gd[static_cast<size_t>(index)];
      color = section.Props[std::min(State > 0 ? 1 : 0, std::max(0, section.States - 1))].FontColor[0];
    }
  }
  if (Shift && State == kBtnPressed && ShiftContent(State)) Rect = {Rect.Left + 1, Rect.Top + 1, Rect.Right + 1, Rect.Bottom + 1};
  // A downward triangle, 7 pixels wide and 4 high, in the middle of the rectangle.
  const int cx = Rect.Left + Rect.Width() / 2, top = Rect.Top + (Rect.Height() - 4) / 2;
  for (int row = 0; row < 4; ++row)
    FillRect32(*SkinData.CacheBitmap, {cx - 3 + row, top + row, cx + 4 - row, top + row + 1}, ColorToRGB(color), 255);
}

void TsSpeedButton::PaintArrowPart(const TCacheInfo& Parent, int State) {
  const TsSkinModel& model = SkinData.GetSkinManager()->Model;
  TBitmap32& cache = *SkinData.CacheBitmap;
  const int width = cache.Width(), height = cache.Height();
  const TRect part{width - kSpeedArrowWidth, 0, width, height};
  const int frame = ButtonFrameIndex(State, SkinData.Section() ? SkinData.Section()->States : 1);
  PaintItemBG(model, SkinData.SkinIndex, Parent, frame, part, {0, 0}, cache);
  if (model.IsValidImgIndex(SkinData.BorderMaskIndex))
    DrawSkinRect(cache, part, Parent, true, frame, model.ma[static_cast<size_t>(SkinData.BorderMaskIndex)]);
  PaintArrow(part, State, true);
}

bool TsSpeedButton::PrepareCache() {
  TWinControl* parent = GetParent();
  if (!parent || !SkinData.Skinned()) return false;
  TacBGInfo info;
  GetBGInfo(info, parent);
  if (info.BgType == btNotReady) {
    SkinData.UpdatingMark = true;
    return false;
  }
  SkinData.InitCacheBmp();
  TCacheInfo background = BGInfoToCI(info);
  if (background.Ready) {
    background.X += GetLeft();
    background.Y += GetTop();
  }
  TBitmap32& cache = *SkinData.CacheBitmap;
  const bool parentEmpty = background.Ready && (!background.Bitmap || background.Bitmap->Empty());
  if (!parentEmpty && !cache.Empty()) {
    const TsSkinManager& manager = *SkinData.GetSkinManager();
    if (FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider) {
      PaintSeparator(background);
    } else {
      int state = CurrentState();
      if (ArrowWidth() > 0) {  // the split part shares the state of the whole button
        state = FMenuVisible || GetDown() || GetState() == bsDown ? kBtnPressed
                : SkinData.ControlIsActive()                        ? kBtnHot
                                                                    : kBtnNormal;
        PaintArrowPart(background, state);
      }
      const TsSpeedButtonGeometry geometry = Geometry(state);
      TsButtonFace face;
      face.Skin = &manager.Model;
      face.SkinIndex = SkinData.SkinIndex;
      face.BorderMaskIndex = SkinData.BorderMaskIndex;
      face.Parent = background;
      face.Width = GetWidth() - ArrowWidth();
      face.Height = GetHeight();
      face.State = state;
      face.DrawOverBorder = FDrawOverBorder;
      face.Colors = {SkinData.ColorTone, SkinData.HUEOffset, SkinData.Saturation};
      face.Enabled = true;  // the whole picture gets the disabled look below
      TsButtonCaption caption;
      if (FShowCaption && geometry.HasCaption) {
        caption.Text = CaptionAnsi();
        caption.Rect = SpeedCaptionRect(geometry);
        caption.Format = CaptionFormat();
        caption.Skin = CaptionSkinOf(SkinData, *this, state, nullptr);
        caption.FontColor = GetFont().GetColor();
      }
      TacDrawGlyphData glyph = GlyphData(geometry, state, GetGrayed());
      glyph.Skin = &manager.Model;
      glyph.SkinIndex = SkinData.SkinIndex;
      if (state == kBtnNormal && SkinData.Section() && SkinData.Section()->Props[0].Transparency == 100)
        glyph.SkinIndex = GetFontIndex(this, SkinData.SkinIndex, SkinData.GetSkinManager(), 0);
      // The face is painted on its own part of the cache.
      TBitmap32 facePicture;
      PaintButtonFace(facePicture, face, caption, glyph, {}, Raster());
      if (!facePicture.Empty())
        CopyImage(cache, {0, 0}, facePicture, {0, 0, facePicture.Width(), facePicture.Height()});
      if (FButtonStyle == tbsDropDown && !OnClick && FShowCaption) {
        const TRect r = caption.Rect;
        PaintArrow({r.Right, r.Top + 1, r.Right + kSpeedArrowWidth, r.Top + 1 + r.Height()}, state, false);
      }
    }
    if (!GetEnabled())
      BmpDisabledKind(cache, FDisabledKind, ColorToRGB(GetControlColor(parent)), {0, 0}, background);
    if (OnPaint) OnPaint(this, cache);
  }
  ++FCacheBuilds;
  SkinData.BackgroundChanged = false;
  return true;
}

void TsSpeedButton::Paint(TCanvas& Canvas) {
  TsSkinManager* manager = SkinData.GetSkinManager();
  if (ManagerActive(manager) && SkinData.SkinIndex <= 0) SkinData.UpdateIndexes();
  if (!Skinned()) return StdPaint(Canvas);
  const int width = GetWidth(), height = GetHeight();
  if (width <= 0 || height <= 0) return;
  HDC dc = Canvas.GetHandle();
  if (FFade && FFadeFrame && FFadeFrame->Width() == width) {
    CopyToDC(*FFadeFrame, {0, 0}, dc, {0, 0, width, height});
    return;
  }
  if (GetDown() != FLastDown || SkinData.Marked) SkinData.BackgroundChanged = true;
  FLastDown = GetDown();
  const RECT client = GetParent()->GetClientRect();
  SkinData.Marked = GetLeft() < 0 || GetTop() < 0 || client.right < GetLeft() + width || client.bottom < GetTop() + height;
  if (SkinData.BackgroundChanged) {
    FLastNumGlyphs = GetNumGlyphs();
    FLastSpacing = GetSpacing();
  } else if (FLastNumGlyphs != GetNumGlyphs() || FLastSpacing != GetSpacing()) {
    FLastNumGlyphs = GetNumGlyphs();
    FLastSpacing = GetSpacing();
    SkinData.BackgroundChanged = true;
  }
  if (SkinData.CacheIsStale() && !PrepareCache()) return;
  CopyCacheToDC(SkinData, dc);
}

void TsSpeedButton::GraphRepaint() {
  if (!Ready() || !GetVisible() || !IsWindowVisible(GetParent()->GetHandle())) return;
  if (SkinData.UpdatingMark && Skinned()) return;
  TSpeedButton::Repaint();
}

void TsSpeedButton::ButtonChanged() {
  // The framework's state changed: the new look is built at the next paint
  // or by the fade that follows the mouse message.
  SkinData.BackgroundChanged = true;
  if (!Skinned()) return TSpeedButton::ButtonChanged();
  TControl::Invalidate();
}

void TsSpeedButton::TextChanged() {
  if (!FShowCaption) return;
  SkinData.BackgroundChanged = true;
  GraphRepaint();
}

void TsSpeedButton::FontChanged() {
  SkinData.BackgroundChanged = true;
  GraphRepaint();
}

void TsSpeedButton::BoundsChanged() {
  if (GetVisible()) SkinData.BackgroundChanged = true;
  TSpeedButton::BoundsChanged();
}

LRESULT TsSpeedButton::FadeCommand(int Code, LPARAM LParam, int Argument) {
  switch (Code) {
    case acmPrepareCache: return PrepareCache() ? 0 : 1;
    case acmFadeFrame: {
      // Windowless: the frame is shown by the parent's paint of the button.
      const auto* frame = reinterpret_cast<const TacFadeFrame*>(LParam);
      FFadeFrame = frame ? frame->Frame : nullptr;
      TSpeedButton::Repaint();
      return 1;
    }
    case acmStopAnimation: StopSpeedFade(); return 0;
    case acmSetUpdating: SkinData.UpdatingMark = Argument == 1; return 0;
    case acmInvalidate: SkinData.Invalidate(); return 0;
    default: return 0;
  }
}

void TsSpeedButton::StopSpeedFade() {
  const bool advanced = FFade && FFade->Progress().Step() != 0;
  StopFading(FFade);
  FFadeFrame = nullptr;
  if (advanced && !IsDestroying()) {
    SkinData.BackgroundChanged = true;
    GraphRepaint();
  }
}

void TsSpeedButton::SpeedChangePaint(bool Clicked, TacAnimatEvent Event) {
  if (!Skinned()) {
    GraphRepaint();
    return;
  }
  const TsSkinManager* manager = SkinData.GetSkinManager();
  const unsigned managerEvents = manager ? manager->AnimEffects.ButtonEvents : 0;
  // The cache still holds the old look: the fade starts from it.
  SkinData.BackgroundChanged = false;
  FFadeFrame = nullptr;
  DoChangePaint(FFade, FFadeLink, Clicked, fdUp, EventEnabled(Event, FAnimatEvents, managerEvents));
  ShowGlowingIfNeeded(SkinData, Clicked);
}

void TsSpeedButton::Ac_CMMouseEnter() {
  TsSkinManager* manager = SkinData.GetSkinManager();
  if (SkinData.MouseAbove || FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider ||
      (manager && manager->Options.NoMouseHover))
    return;
  SkinData.MouseAbove = true;
  if (manager) manager->SetActiveGraphControl(this);
  SkinData.BackgroundChanged = true;
  SpeedChangePaint(false, aeMouseEnter);
}

void TsSpeedButton::Ac_CMMouseLeave() {
  if (!SkinData.MouseAbove) return;
  SkinData.MouseAbove = false;
  if (TsSkinManager* manager = SkinData.GetSkinManager(); manager && manager->GetActiveGraphControl() == this)
    manager->SetActiveGraphControl(nullptr);
  if (GetState() == bsDown) SetState(GetDown() ? bsExclusive : bsUp);
  SkinData.BackgroundChanged = true;
  if (GetVisible()) SpeedChangePaint(false, aeMouseLeave);
}

void TsSpeedButton::MouseEnter() {
  TSpeedButton::MouseEnter();  // OnMouseEnter
  if (GetEnabled() && !IsDestroying()) Ac_CMMouseEnter();
}

void TsSpeedButton::MouseLeave() {
  TSpeedButton::MouseLeave();  // OnMouseLeave
  if (!IsDestroying()) Ac_CMMouseLeave();
}

void TsSpeedButton::OpenDropdown() {
  TPopupMenu* menu = FDropdownMenu.Get();
  if (gDropDownOpen || !menu) return;
  StopSpeedFade();
  gDropDownOpen = true;
  FMenuVisible = true;
  SkinData.BackgroundChanged = true;
  if (!OnClick) SetState(bsDown);
  GraphRepaint();
  POINT at{0, GetHeight()};
  ClientToScreen(GetParent()->GetHandle(), &at);
  at.x += GetLeft();
  at.y += GetTop();
  const TComponentRef<TsSpeedButton> self(this);
  menu->Popup(at.x, at.y);  // returns when the menu closes
  gDropDownOpen = false;
  if (!self) return;
  FMenuVisible = false;
  POINT cursor;
  GetCursorPos(&cursor);
  const RECT over{at.x, at.y - GetHeight() - 1, at.x + GetWidth(), at.y - 1};
  if (!PtInRect(&over, cursor)) Perform(CM_MOUSELEAVE);
  if (!OnClick) SetState(GetDown() ? bsExclusive : bsUp);
  SkinData.BackgroundChanged = true;
  GraphRepaint();
}

void TsSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && GetEnabled() && FButtonStyle == tbsDropDown && FDropdownMenu &&
      (X > GetWidth() - kSpeedArrowWidth || !OnClick))
    return OpenDropdown();  // the framework's press is skipped
  TSpeedButton::MouseDown(Button, Shift, X, Y);
}

void TsSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (IsDestroying()) return;
  if (Button == mbLeft && FButtonStyle == tbsDropDown) FMenuVisible = false;
  TSpeedButton::MouseUp(Button, Shift, X, Y);
}

bool TsSpeedButton::SkinCommand(TMessage& Message) {
  const bool ours = reinterpret_cast<TsSkinManager*>(Message.LParam) == SkinData.GetSkinManager();
  switch (AcmCode(Message.WParam)) {
    case acmNewSkin:
      if (!ours) return false;
      StopSpeedFade();
      CommonMessage(Message, &SkinData);
      return true;
    case acmRemoveSkin:
      if (!ours || IsDestroying()) return false;
      StopSpeedFade();
      CommonMessage(Message, &SkinData);
      if (GetVisible()) TControl::Invalidate();
      return false;
    case acmRefresh:
      if (!ours) return false;
      CommonMessage(Message, &SkinData);
      if (GetVisible()) TControl::Invalidate();
      return true;
    case acmParentUpdated:
      if (!SkinData.UpdatingMark) GraphRepaint();
      return true;
    case acmIsHandled: Message.Result = 1; return true;
    case acmInvalidate:
      SkinData.UpdatingMark = false;
      SkinData.BackgroundChanged = true;
      GraphRepaint();
      return false;
    case acmLeaveHot:
      if (!IsDestroying()) Ac_CMMouseLeave();
      return true;
    case acmQueryUpdating: Message.Result = SkinData.UpdatingMark ? 1 : 0; return true;
    case acmUpdateSection: GraphRepaint(); return true;
    case acmStopAnimation: StopSpeedFade(); return true;
    case acmPrepareCache: Message.Result = PrepareCache() ? 0 : 1; return true;
    default: return false;
  }
}

void TsSpeedButton::WndProc(TMessage& Message) {
  if (Message.Msg == SM_ALPHACMD && SkinCommand(Message)) return;
  if (!Skinned()) {
    if (Message.Msg == SM_ALPHACMD && CommonMessage(Message, &SkinData)) return;
    return TSpeedButton::WndProc(Message);
  }
  if (Message.Msg == WM_LBUTTONUP && FFade && FFadeFrame && FFadeFrame->Width() == GetWidth()) {
    StopSpeedFade();
    PrepareCache();
    GraphRepaint();
  }
  if (Message.Msg == SM_ALPHACMD && CommonMessage(Message, &SkinData)) return;
  TSpeedButton::WndProc(Message);
  if (IsDestroying()) return;
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      if (SkinData.MouseAbove) {
        const TsSkinManager* manager = SkinData.GetSkinManager();
        if (manager && manager->GetActiveGraphControl() != this) {
          SkinData.MouseAbove = false;
          Ac_CMMouseEnter();
        }
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!FMenuVisible) SpeedChangePaint(true, aeMouseDown);
      break;
    case WM_LBUTTONUP:
      if (GetVisible()) SpeedChangePaint(true, aeMouseUp);
      break;
  }
}

void TsSpeedButton::StdPaint(TCanvas& Canvas) {
  if (FButtonStyle == tbsSeparator) return;
  const int width = GetWidth(), height = GetHeight();
  TBitmap32 face(width, height);
  if (face.Empty()) return;
  const int state = CurrentState();
  const bool pressed = state == kBtnPressed;
  const TsSpeedButtonGeometry geometry = Geometry(state);
  {
    const TOwnedMemoryDC dc(CreateCompatibleDC(Canvas.GetHandle()));
    const TSelectObject selected(dc.Get(), BitmapHandle(face));
    // What lies behind: the parent's surface under the button.
    BitBlt(dc.Get(), 0, 0, width, height, Canvas.GetHandle(), 0, 0, SRCCOPY);
    RECT rect{0, 0, width - ArrowWidth(), height};
    TCanvas canvas(dc.Get());
    if (FButtonStyle == tbsDivider) {
      RECT line{width / 2 - 1, 2, width / 2 + 1, height - 2};
      DrawEdge(dc.Get(), &line, EDGE_ETCHED, BF_LEFT);
    } else {
      if (GetFlat()) {
        if (pressed || GetMouseInControl()) DrawEdge(dc.Get(), &rect, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
      } else {
        DrawFrameControl(dc.Get(), &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
      }
      if (FShowCaption && geometry.HasCaption) {
        const TRect r = SpeedCaptionRect(geometry);
        TButton::DrawClassicCaption(dc.Get(), GetText(), {r.Left, r.Top, r.Right, r.Bottom}, GetFont().GetHandle(),
                                    CaptionFormat(), GetEnabled());
      }
      if (ArrowWidth() > 0) {
        RECT part{width - ArrowWidth(), 0, width, height};
        if (!GetFlat() || GetMouseInControl())
          DrawFrameControl(dc.Get(), &part, DFC_BUTTON, DFCS_BUTTONPUSH | (FMenuVisible || pressed ? DFCS_PUSHED : 0));
      }
    }
    GdiFlush();
  }
  if (FButtonStyle != tbsDivider) {
    TacDrawGlyphData glyph = GlyphData(geometry, state, FGrayed);
    glyph.Dest = &face;
    acDrawGlyphEx(glyph);
  }
  CopyToDC(face, {0, 0}, Canvas.GetHandle(), {0, 0, width, height});
}
