#include "skin/controls/labels/web_label.h"

#include <shellapi.h>

#include "framework/win_control.h"
#include "skin/win/common_data.h"
#include "skin/win/skin_manager.h"

TacLinkOpener& LinkOpener() {
  static TacLinkOpener opener = [](HWND Owner, const std::wstring& URL, int ShowMode) {
    ShellExecuteW(Owner, L"open", URL.c_str(), nullptr, nullptr, ShowMode);
  };
  return opener;
}

TsWebLabel::TsWebLabel(TComponent* AOwner) : TsLabel(AOwner) {
  FHoverFont.Assign(GetFont());
  FHoverFont.SetStyle(FHoverFont.GetStyle() | fsUnderline);
  FHoverFont.OnChange = [this] {
    if (FMouseAbove) Invalidate();
  };
}

TColor TsWebLabel::TextColor() const {
  const TsSkinManager* manager = GetSkinManager();
  const bool skinColors = GetUseSkinColor() && SkinActive() && !IsDestroying();
  if (FMouseAbove) return skinColors ? manager->Model.Palette[pcWebTextHot] : FHoverFont.GetColor();
  if (!skinColors) return GetFont().GetColor();
  const int index = GetFontIndex(const_cast<TsWebLabel*>(this), -1, const_cast<TsSkinManager*>(manager), 0);
  return manager->Model.IsValidSkinIndex(index) ? manager->Model.gd[static_cast<size_t>(index)].Props[0].FontColor[0]
                                                : manager->Model.Palette[pcWebText];
}

void TsWebLabel::FontChanged() {
  TsLabel::FontChanged();
  if (!GetParentFont() || IsDestroying()) return;
  FHoverFont.SetName(GetFont().GetName());
  FHoverFont.SetHeight(GetFont().GetHeight());
}

void TsWebLabel::HoverChanged(bool Above) {
  if (Above == FMouseAbove) return;
  FMouseAbove = Above;
  if (TWinControl* parent = GetParent(); parent && parent->HandleAllocated()) {
    const RECT bounds = GetBoundsRect();
    InvalidateRect(parent->GetHandle(), &bounds, TRUE);
  }
}

void TsWebLabel::MouseEnter() {
  TsLabel::MouseEnter();
  if (GetEnabled()) HoverChanged(true);
}

void TsWebLabel::MouseLeave() {
  TsLabel::MouseLeave();
  HoverChanged(false);
}

void TsWebLabel::MouseMove(TShiftState Shift, int X, int Y) {
  TsLabel::MouseMove(Shift, X, Y);
  SetCursor(LoadCursorW(nullptr, IDC_HAND));
}

void TsWebLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TsLabel::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || FURL.empty() || !LinkOpener()) return;
  TWinControl* parent = GetParent();
  LinkOpener()(parent && parent->HandleAllocated() ? GetAncestor(parent->GetHandle(), GA_ROOT) : nullptr, FURL,
               FShowMode);
}
