#include "skin/controls/adapters/speed_btn_handler.h"

#include "framework/text.h"
#include "skin/controls/buttons/button_face.h"
#include "skin/controls/buttons/button_skin_win.h"
#include "skin/controls/layout/calc_button_layout.h"
#include "skin/data/binding/control_kinds.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/win/skin_manager.h"

TacSpeedButtonHandler::TacSpeedButtonHandler(TSpeedButton& Control, TsSkinManager* Manager,
                                             const std::string& Section)
    : SkinData(&Control, true), FControl(&Control) {
  SkinData.ControlKind = ckSpeedButton;
  if (Manager) SkinData.SetSkinManager(Manager);
  SkinData.SetSkinSection(Section.empty() ? "SPEEDBUTTON" : Section);
  SkinData.Loaded();
  FOldWndProc = std::move(Control.WindowProc);
  Control.WindowProc = [this](TMessage& Message) { WndProc(Message); };
  FAttached = true;
  Control.Invalidate();
}

TacSpeedButtonHandler::~TacSpeedButtonHandler() { Detach(); }

void TacSpeedButtonHandler::Detach() {
  if (!std::exchange(FAttached, false)) return;
  if (TSpeedButton* control = FControl.Get(); control && !control->IsDestroying()) {
    control->WindowProc = std::move(FOldWndProc);
    control->Invalidate();
  }
}

int TacSpeedButtonHandler::CurrentState() const {
  const TSpeedButton* control = FControl.Get();
  if (control && (control->GetState() == bsDown || control->GetState() == bsExclusive)) return kBtnPressed;
  return SkinData.ControlIsActive() ? kBtnHot : kBtnNormal;
}

void TacSpeedButtonHandler::Repaint() {
  SkinData.BackgroundChanged = true;
  if (TSpeedButton* control = FControl.Get(); control && control->GetVisible()) control->Repaint();
}

bool TacSpeedButtonHandler::PrepareCache() {
  TSpeedButton& control = *FControl.Get();
  TWinControl* parent = control.GetParent();
  if (!parent || !SkinData.Skinned()) return false;
  TacBGInfo info;
  GetBGInfo(info, parent);
  if (info.BgType == btNotReady) return false;
  TCacheInfo background = BGInfoToCI(info);
  if (background.Ready && (!background.Bitmap || background.Bitmap->Width() == 0)) return false;
  if (background.Ready) {
    background.X += control.GetLeft();
    background.Y += control.GetTop();
  }
  const TsSkinManager& manager = *SkinData.GetSkinManager();
  const int state = CurrentState();
  const bool shift = state == kBtnPressed && manager.ButtonsOptions.ShiftContentOnClick;
  TsButtonFace face;
  face.Skin = &manager.Model;
  face.SkinIndex = SkinData.SkinIndex;
  face.BorderMaskIndex = SkinData.BorderMaskIndex;
  face.Parent = background;
  face.Width = control.GetWidth();
  face.Height = control.GetHeight();
  face.State = state;
  face.Colors = {SkinData.ColorTone, SkinData.HUEOffset, SkinData.Saturation};
  face.Enabled = control.GetEnabled();
  face.DisabledKind = dkBlended;
  face.ControlColor = ColorToRGB(GetControlColor(parent));
  // The framework's own placement of glyph and caption.
  const TacGlyphPicture glyphPicture = GlyphPicture(control.GetGlyph());
  const TSize glyphSize = glyphPicture.Picture.Empty()
                              ? TSize{}
                              : TSize{glyphPicture.Picture.Width() / control.GetNumGlyphs(), glyphPicture.Picture.Height()};
  const std::string text = AnsiFromWide(control.GetCaption());
  TsGdiTextMeasurer measurer(control.GetFont().GetHandle());
  const TSize textSize = measurer.MeasureText(text, {0, 0, 255, 0}, DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
  const TButtonContent content = CalcButtonLayout({0, 0, face.Width, face.Height}, glyphSize, textSize,
                                                  control.GetLayout(), taCenter, control.GetMargin(),
                                                  control.GetSpacing(), 0);
  const int d = shift ? 1 : 0;
  TsButtonCaption caption;
  if (!text.empty()) {
    caption.Text = text;
    caption.Rect = {content.TextBounds.Left + d, content.TextBounds.Top + d, content.TextBounds.Right + d,
                    content.TextBounds.Bottom + d};
    caption.Format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
    caption.Skin = {&manager.Model, SkinData.SkinIndex, -1, SkinData.CustomFont, face.Colors};
    caption.FontColor = control.GetFont().GetColor();
  }
  TacDrawGlyphData glyph;
  glyph.Glyph = &glyphPicture.Picture;
  glyph.GlyphHasAlpha = glyphPicture.HasAlpha;
  glyph.FrameCount = control.GetNumGlyphs();
  glyph.Skin = &manager.Model;
  glyph.SkinIndex = SkinData.SkinIndex;
  glyph.Rect = {content.GlyphPos.X + d, content.GlyphPos.Y + d, content.GlyphPos.X + d + glyphSize.cx,
                content.GlyphPos.Y + d + glyphSize.cy};
  glyph.Enabled = face.Enabled;
  glyph.Down = control.GetDown();
  glyph.Grayed = manager.Effects.DiscoloredGlyphs;
  glyph.State = state;
  TsGdiTextRasteriser raster(control.GetFont().GetHandle());
  if (!PaintButtonFace(*SkinData.CacheBitmap, face, caption, glyph, {}, raster).Painted) return false;
  ++FCacheBuilds;
  SkinData.BackgroundChanged = false;
  return true;
}

bool TacSpeedButtonHandler::SkinCommand(TMessage& Message) {
  const bool ours = reinterpret_cast<TsSkinManager*>(Message.LParam) == SkinData.GetSkinManager();
  switch (AcmCode(Message.WParam)) {
    case acmNewSkin:
      if (!ours) return false;
      CommonWndProc(Message, &SkinData);
      return true;
    case acmRemoveSkin: {
      if (!ours || FControl->IsDestroying()) return false;
      CommonWndProc(Message, &SkinData);
      Detach();  // the control paints itself again
      return true;
    }
    case acmRefresh:
      if (!ours) return false;
      CommonWndProc(Message, &SkinData);
      Repaint();
      return true;
    case acmParentUpdated:
      if (!SkinData.UpdatingMark) return false;
      SkinData.UpdatingMark = false;
      Repaint();
      return true;
    case acmIsHandled: Message.Result = 1; return true;
    case acmInvalidate:
      SkinData.UpdatingMark = false;
      Repaint();
      return true;
    default: return false;
  }
}

void TacSpeedButtonHandler::WndProc(TMessage& Message) {
  TSpeedButton* control = FControl.Get();
  const TWndMethod old = FOldWndProc;  // the message may detach the handler
  if (!control || !FAttached) {
    if (old) old(Message);
    return;
  }
  switch (Message.Msg) {
    case SM_ALPHACMD:
      if (SkinCommand(Message)) return;
      break;
    case WM_PAINT:
      if (!SkinData.Skinned(true) || !Message.WParam) break;
      if (PrepareCache()) {
        const HDC dc = reinterpret_cast<HDC>(Message.WParam);
        const int saved = SaveDC(dc);
        CopyToDC(*SkinData.CacheBitmap, {0, 0}, dc, {0, 0, control->GetWidth(), control->GetHeight()});
        RestoreDC(dc, saved);
        return;
      }
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      SkinData.MouseAbove = Message.Msg == CM_MOUSEENTER;
      SkinData.BackgroundChanged = true;
      old(Message);
      if (FControl) Repaint();
      return;
    default: break;
  }
  old(Message);
}
