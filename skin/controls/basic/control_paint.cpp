#include "skin/controls/basic/control_paint.h"

#include "base/win_handles.h"
#include "skin/paint/gdi_win.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/win/skin_manager.h"

std::optional<TCacheInfo> ParentBackground(TControl& Control) {
  TWinControl* parent = Control.GetParent();
  if (!parent) return TCacheInfo{};
  TacBGInfo info;
  GetBGInfo(info, parent);
  if (info.BgType == btNotReady) return std::nullopt;
  TCacheInfo ci = BGInfoToCI(info);
  if (ci.Ready) {
    ci.X += Control.GetLeft();
    ci.Y += Control.GetTop();
  }
  return ci;
}

TsCaptionSkin CaptionSkinOf(TsCommonData& Data, TControl& Control, int State, TacGlowMask* Glow) {
  TsCaptionSkin skin;
  if (!Data.Skinned()) return skin;
  TsSkinManager* manager = Data.GetSkinManager();
  skin.Skin = &manager->Model;
  skin.SkinIndex = Data.SkinIndex;
  if (Control.GetParent() && UsesParentFontSection(manager->Model, Data.SkinIndex, State))
    skin.FontIndex = GetFontIndex(&Control, Data.SkinIndex, manager, State);
  skin.CustomFont = Data.CustomFont;
  skin.Colors = {Data.ColorTone, Data.HUEOffset, Data.Saturation};
  skin.Glow = Glow;
  return skin;
}

RECT MeasureText(HFONT Font, const std::string& Text, RECT Rect, UINT Format) {
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return Rect;
  const TSelectObject font(dc.Get(), Font);
  return acTextRect(dc.Get(), Text, Rect, Format | DT_CALCRECT);
}

void CallDefaultUnseen(HWND Window, const std::function<void()>& Default) {
  const LONG_PTR style = GetWindowLongPtrW(Window, GWL_STYLE);
  if (style & WS_VISIBLE) SetWindowLongPtrW(Window, GWL_STYLE, style & ~WS_VISIBLE);
  Default();
  if ((style & WS_VISIBLE) && IsWindow(Window))
    SetWindowLongPtrW(Window, GWL_STYLE, GetWindowLongPtrW(Window, GWL_STYLE) | WS_VISIBLE);
}

void CopyCacheToDC(const TsCommonData& Data, HDC DC) {
  if (!Data.CacheBitmap || Data.CacheBitmap->Empty()) return;
  const TBitmap32& cache = *Data.CacheBitmap;
  CopyToDC(cache, {0, 0}, DC, {0, 0, cache.Width(), cache.Height()});
}
