#include "skin/controls/basic/label.h"

#include "base/win_handles.h"
#include "skin/controls/basic/control_paint.h"
#include "skin/controls/basic/edit.h"
#include "skin/paint/colors.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/paint_item.h"
#include "skin/paint/pixel_changes.h"
#include "skin/win/accessible.h"
#include "skin/win/skin_manager.h"
#include "skin/win/skin_messages.h"

namespace {

std::string UpperCase(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

TsLabel::TsLabel(TComponent* AOwner) : TLabel(AOwner) {}

TsSkinManager* TsLabel::GetSkinManager() const { return FSkinManager ? FSkinManager.Get() : DefaultManager(); }

void TsLabel::SetSkinManager(TsSkinManager* Value) {
  FSkinManager = Value == DefaultManager() ? nullptr : Value;
  Invalidate();
}

void TsLabel::SetSkinSection(const std::string& Value) {
  const std::string section = UpperCase(Value);
  if (section == FSkinSection) return;
  FSkinSection = section;
  Invalidate();
}

void TsLabel::SetUseSkinColor(bool Value) {
  if (Value == FUseSkinColor) return;
  FUseSkinColor = Value;
  Invalidate();
}

void TsLabel::SetShowAccelChar(bool Value) {
  if (Value == FShowAccelChar) return;
  FShowAccelChar = Value;
  Invalidate();
}

void TsLabel::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  NameFocusControl();
}

void TsLabel::NameFocusControl() {
  TWinControl* control = FFocusControl.Get();
  if (!control) return;
  auto* edit = dynamic_cast<TsEdit*>(control);
  TsCommonData* data = edit ? &edit->SkinData : GetCommonData(control);
  if (data) data->AccessibleName = AccessibleNameFromCaption(GetCaption());
}

bool TsLabel::SkinActive() const {
  const TsSkinManager* manager = GetSkinManager();
  return manager && manager->GetActive() && !manager->IsDestroying();
}

void TsLabel::TextChanged() {
  TLabel::TextChanged();
  NameFocusControl();
}

void TsLabel::FontChanged() {
  if (FPainting || IsDestroying()) return;  // the paint takes the section's colour itself
  TLabel::FontChanged();
}

TColor TsLabel::TextColor() const {
  if (!FUseSkinColor || !SkinActive()) return GetFont().GetColor();
  TsSkinManager* manager = GetSkinManager();
  const TsSkinModel& model = manager->Model;
  int index = FSkinSection.empty() ? -1 : model.GetSkinIndex(FSkinSection);
  if (model.IsValidSkinIndex(index)) {
    const TsGeneralData& section = model.gd[static_cast<size_t>(index)];
    if (section.Props[0].Transparency == 100 && !model.IsValidImgIndex(section.BorderMaskIndex)) index = -1;
  } else {
    index = -1;
  }
  // Without a section that shows, the colour of the place the label is on.
  if (index < 0) index = GetFontIndex(const_cast<TsLabel*>(this), -1, manager, 0);
  TColor color = model.IsValidSkinIndex(index) ? model.gd[static_cast<size_t>(index)].Props[0].FontColor[0]
                                               : model.GetGlobalFontColor();
  if (!GetEnabled()) color = MixColors(ColorToRGB(color), GetControlColor(GetParent()), DefDisabledBlend);
  return color;
}

void TsLabel::WndProc(TMessage& Message) {
  if (Message.Msg == SM_ALPHACMD && AcmCode(Message.WParam) == acmIsHandled) {
    Message.Result = 1;
    return;
  }
  TLabel::WndProc(Message);
}

void TsLabel::DoDrawText(HDC DC, RECT& Rect, UINT Flags) const {
  std::wstring text = GetCaption();
  // Measured, an empty caption (or a lone accelerator mark) is one blank high.
  if ((Flags & DT_CALCRECT) && (text.empty() || (FShowAccelChar && text == L"&"))) text += L' ';
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  const TSelectObject font(DC, DrawFont().GetHandle());
  SetTextColor(DC, ColorToRGB(TextColor()));
  SetBkMode(DC, TRANSPARENT);
  DrawTextW(DC, text.c_str(), static_cast<int>(text.size()), &Rect, Flags);
}

void TsLabel::Paint(TCanvas& Canvas) {
  if (IsDestroying() || FPainting) return;
  FPainting = true;
  HDC dc = Canvas.GetHandle();
  const int width = GetWidth(), height = GetHeight();
  if (!FSkinSection.empty() && SkinActive()) {
    const TsSkinModel& model = GetSkinManager()->Model;
    const int index = model.GetSkinIndex(FSkinSection);
    // Every valid index names a section, the first one (0) included.
    if (model.IsValidSkinIndex(index)) {
      const TColor color = model.gd[static_cast<size_t>(index)].Props[0].FontColor[0];
      if (color != GetFont().GetColor()) GetFont().SetColor(color);
      TBitmap32 picture(width, height);
      PaintItem(&model, index, ParentBackground(*this).value_or(TCacheInfo{}), 0, {0, 0, width, height}, {0, 0},
                picture);
      if (!picture.Empty()) CopyToDC(picture, {0, 0}, dc, {0, 0, width, height});
    }
  }
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  RECT rect{0, 0, width, height};
  DoDrawText(dc, rect, kAlign[GetAlignment()] | DT_WORDBREAK);
  FPainting = false;
}
