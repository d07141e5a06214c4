#include "skin/controls/adapters/btn_wnd.h"

#include "framework/graphics.h"
#include "framework/text.h"
#include "skin/controls/buttons/button_face.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/win/skin_manager.h"

int TacBtnWnd::CurrentState() const {
  HWND window = Handle();
  const LRESULT native = SendMessageW(window, BM_GETSTATE, 0, 0);
  if (native & BST_PUSHED) return kBtnPressed;
  if (!IsWindowEnabled(window)) return kBtnNormal;
  if (GetFocus() == window || const_cast<TacBtnWnd*>(this)->SkinData().MouseAbove) return kBtnHot;
  return (GetWindowLongPtrW(window, GWL_STYLE) & 0xF) == BS_DEFPUSHBUTTON ? kBtnDefault : kBtnNormal;
}

bool TacBtnWnd::Paint(HDC DC) {
  TsCommonData& data = SkinData();
  if (!SkinActive()) return false;
  HWND window = Handle();
  data.InitCacheBmp();
  TBitmap32& cache = *data.CacheBitmap;
  if (cache.Empty()) return true;
  const TsSkinModel& model = Manager()->Model;
  TsButtonFace face;
  face.Skin = &model;
  face.SkinIndex = data.SkinIndex;
  face.BorderMaskIndex = data.BorderMaskIndex;
  face.Parent = GetParentCacheHwnd(window);
  face.Width = cache.Width();
  face.Height = cache.Height();
  face.State = CurrentState();
  face.OffsetPressed = true;
  face.Colors = {data.ColorTone, data.HUEOffset, data.Saturation};
  face.Enabled = IsWindowEnabled(window) != FALSE;
  face.ControlColor = ColorToRGB(clBtnFace);
  TsGdiTextRasteriser raster(TextFont());
  TsButtonCaption caption;
  caption.Text = AnsiFromWide(WndText());
  caption.Skin = {&model, data.SkinIndex, -1, data.CustomFont, face.Colors};
  caption.FontColor = ColorToRGB(clSystemColor | COLOR_BTNTEXT);
  caption.Format = DT_CENTER | DT_VCENTER | DT_EXPANDTABS |
                   ((GetWindowLongPtrW(window, GWL_STYLE) & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE);
  caption.Rect = {0, 0, face.Width, face.Height};
  if (face.State == kBtnPressed && Manager()->ButtonsOptions.ShiftContentOnClick)
    caption.Rect = {1, 1, face.Width + 1, face.Height + 1};
  TsButtonFocus focus;
  const bool focused = (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
  if (face.Enabled && focused && Manager()->ButtonsOptions.ShowFocusRect && !caption.Text.empty()) {
    focus.Show = true;
    focus.Rect = {3, 3, face.Width - 3, face.Height - 3};
    focus.Color = ColorToRGB(clSystemColor | COLOR_BTNTEXT);
  }
  TacDrawGlyphData glyph;
  glyph.Skin = &model;
  glyph.SkinIndex = data.SkinIndex;
  glyph.Enabled = face.Enabled;
  glyph.State = face.State;
  if (!PaintButtonFace(cache, face, caption, glyph, focus, raster).Painted) return false;
  data.BackgroundChanged = false;
  CopyCache(DC);
  return true;
}

void TacBtnWnd::MouseMoved() {
  TsCommonData& data = SkinData();
  if (data.MouseAbove || !IsWindowEnabled(Handle())) return;
  data.MouseAbove = true;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
  RedrawNow();
}

void TacBtnWnd::WndProc(TMessage& Message) {
  if (!SkinActive()) return TacMainWnd::WndProc(Message);
  switch (Message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = Message.WParam ? reinterpret_cast<HDC>(Message.WParam) : BeginPaint(Handle(), &ps);
      if (!Paint(dc) && !Message.WParam) {
        EndPaint(Handle(), &ps);
        InvalidateRect(Handle(), nullptr, TRUE);
        return TacMainWnd::WndProc(Message);
      }
      if (!Message.WParam) EndPaint(Handle(), &ps);
      Message.Result = 0;
      return;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(Message.WParam));
      return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCPAINT: return;
    case WM_MOUSEMOVE:
      CallPrev(Message);
      MouseMoved();
      return;
    case WM_MOUSELEAVE:
      CallPrev(Message);
      SkinData().MouseAbove = false;
      RedrawNow();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_UPDATEUISTATE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK:
      PassQuietly(Message);
      return;
    default: return TacMainWnd::WndProc(Message);
  }
}
