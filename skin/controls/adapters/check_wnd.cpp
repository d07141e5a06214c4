#include "skin/controls/adapters/check_wnd.h"

#include <algorithm>

#include "framework/text.h"
#include "skin/controls/buttons/button_face.h"
#include "skin/controls/basic/control_paint.h"
#include "skin/paint/focus_rect.h"
#include "skin/paint/items/paint_item.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/win/skin_manager.h"

namespace {

constexpr int kCaptionGap = 4;      // between the box and its caption
constexpr int kGroupCaptionLeft = 8;  // the group box's caption from its left edge

LONG_PTR StyleOf(HWND Window) { return GetWindowLongPtrW(Window, GWL_STYLE); }

// The section's text colour for a state, else the system's button text colour.
TColor SectionFontColor(TsCommonData& Data, int State) {
  const TsGeneralData* section = Data.Section();
  const TsGenState* props = section ? Data.StateProps(std::min(State, section->States - 1)) : nullptr;
  return props ? props->FontColor[0] : ColorToRGB(clSystemColor | COLOR_BTNTEXT);
}

TsCaptionSkin CaptionSkin(TsCommonData& Data, const TsSkinModel& Model) {
  return {&Model, Data.SkinIndex, -1, Data.CustomFont, {Data.ColorTone, Data.HUEOffset, Data.Saturation}};
}

}  // namespace

TCheckGlyphKind TacCheckBoxWnd::GlyphKind() const {
  const LONG_PTR type = StyleOf(Handle()) & BS_TYPEMASK;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON ? ckRadio : ckBox;
}

RECT TacCheckBoxWnd::BoxRect(SIZE Glyph) const {
  const RECT client = ClientRect();
  const LONG_PTR style = StyleOf(Handle());
  int top = (client.bottom - Glyph.cy) / 2;
  if ((style & BS_VCENTER) == BS_TOP) top = 0;
  if ((style & BS_VCENTER) == BS_BOTTOM) top = client.bottom - Glyph.cy;
  const int left = (style & BS_LEFTTEXT) ? client.right - Glyph.cx : 0;
  return {left, top, left + Glyph.cx, top + Glyph.cy};
}

bool TacCheckBoxWnd::Paint(HDC DC) {
  HWND window = Handle();
  // Pressed and hot as a push button; a check box has no default look.
  const int button = CurrentState();
  const int state = button == kBtnPressed ? 2 : button == kBtnHot ? 1 : 0;
  if (!PaintSection(state)) return false;
  TsCommonData& data = SkinData();
  TBitmap32& cache = *data.CacheBitmap;
  const TsSkinModel& model = Manager()->Model;
  const bool enabled = IsWindowEnabled(window) != FALSE;
  const int glyph = CheckGlyphIndex(&model, GlyphKind(), CheckStateOf(SendMessageW(window, BM_GETCHECK, 0, 0)));
  const RECT box = BoxRect(CheckGlyphSize(&model, glyph));
  DrawCheckGlyph(cache, model, glyph, {box.left, box.top}, enabled ? state : 0);

  const std::string caption = AnsiFromWide(WndText());
  if (!caption.empty()) {
    const LONG_PTR style = StyleOf(window);
    const bool leftText = (style & BS_LEFTTEXT) != 0;
    RECT room{leftText ? 0 : box.right + kCaptionGap, 0, leftText ? box.left - kCaptionGap : cache.Width(),
              cache.Height()};
    const UINT wrap = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    HFONT font = TextFont();
    // The caption's own rectangle, centred on the box's line.
    const RECT measured = MeasureText(font, caption, {0, 0, room.right - room.left, 0}, wrap);
    const int height = measured.bottom - measured.top;
    const int top = std::max(0, (cache.Height() - height) / 2);
    const TRect text{room.left, top, std::min<int>(room.right, room.left + measured.right - measured.left), top + height};
    TsGdiTextRasteriser raster(font);
    WriteTextEx(cache, caption, enabled, state > 0, CaptionSkin(data, model), wrap, text,
                ColorToRGB(clSystemColor | COLOR_BTNTEXT), raster);
    const bool focused = (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
    if (enabled && focused && Manager()->ButtonsOptions.ShowFocusRect)
      FocusRect(cache, {text.Left - 2, text.Top - 1, text.Right + 2, text.Bottom + 1},
                ColorToRGB(SectionFontColor(data, 1)));
  }
  data.BackgroundChanged = false;
  CopyCache(DC);
  return true;
}

void TacCheckBoxWnd::WndProc(TMessage& Message) {
  // The release that clicks (mouse or Space) walks an automatic radio
  // button's group, which passes over hidden windows: the window stays
  // visible while the button takes it. The state and check changes it makes
  // come as messages of their own, passed quietly.
  if (SkinActive() && (Message.Msg == WM_LBUTTONUP || Message.Msg == WM_KEYUP)) {
    CallPrev(Message);
    if (!IsWindow(Handle())) return;
    SkinData().BackgroundChanged = true;
    RedrawNow();
    return;
  }
  TacBtnWnd::WndProc(Message);
}

bool TacGroupBoxWnd::PrepareCache() {
  if (!SkinActive()) return false;
  TsCommonData& data = SkinData();
  data.InitCacheBmp();
  TBitmap32& cache = *data.CacheBitmap;
  if (cache.Empty()) return false;
  const TsSkinModel& model = Manager()->Model;
  const TCacheInfo parent = ParentBackground(cache);
  const TsItemColors colors{data.ColorTone, data.HUEOffset, data.Saturation};
  const int width = cache.Width(), height = cache.Height();
  const std::string caption = AnsiFromWide(WndText());
  HFONT font = TextFont();
  // The frame's top runs through the middle of the caption's line.
  const RECT line = MeasureText(font, caption.empty() ? std::string("0") : caption, {0, 0, width, 0}, DT_SINGLELINE);
  const int lineHeight = line.bottom - line.top, half = lineHeight / 2;
  PaintItemBG(model, data.SkinIndex, parent, 0, {0, 0, width, height}, {0, 0}, cache);
  PaintItem(&model, data.SkinIndex, parent, 0, {0, half, width, height}, {0, half}, cache, colors);
  if (!caption.empty()) {
    const int right = std::min(width, kGroupCaptionLeft + static_cast<int>(line.right - line.left) + 4);
    const TRect behind{kGroupCaptionLeft - 2, 0, right, lineHeight};
    PaintItemBG(model, data.SkinIndex, parent, 0, behind, {behind.Left, 0}, cache);
    TsGdiTextRasteriser raster(font);
    WriteTextEx(cache, caption, IsWindowEnabled(Handle()) != FALSE, false, CaptionSkin(data, model), DT_SINGLELINE,
                {kGroupCaptionLeft, 0, right - 2, lineHeight}, ColorToRGB(clSystemColor | COLOR_BTNTEXT), raster);
  }
  data.BackgroundChanged = false;
  return true;
}

bool TacGroupBoxWnd::Paint(HDC DC) {
  if (!PrepareCache()) return false;
  HWND window = Handle();
  HDC target = DC ? DC : GetDC(window);
  const int saved = SaveDC(target);
  RECT own{};
  GetWindowRect(window, &own);
  for (HWND sibling = GetWindow(GetParent(window), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    RECT r{}, common{};
    if (sibling == window || !IsWindowVisible(sibling) || !GetWindowRect(sibling, &r)) continue;
    if (!IntersectRect(&common, &r, &own)) continue;
    ExcludeClipRect(target, common.left - own.left, common.top - own.top, common.right - own.left,
                    common.bottom - own.top);
  }
  CopyCache(target);
  RestoreDC(target, saved);
  if (!DC) ReleaseDC(window, target);
  return true;
}
