#include "skin/forms/frame_form_win.h"

#include <algorithm>

#include "framework/application.h"
#include "skin/forms/frame/frame_region.h"
#include "skin/paint/gdi_win.h"

const TacFrameMetrics& SystemFrameMetrics() {
  static const TacFrameMetrics metrics = [] {
    TacFrameMetrics m;
    m.CxFrame = GetSystemMetrics(SM_CXFRAME);
    m.CxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME);
    m.CyCaption = GetSystemMetrics(SM_CYCAPTION);
    m.CySmCaption = GetSystemMetrics(SM_CYSMCAPTION);
    m.CyMenu = GetSystemMetrics(SM_CYMENU);
    return m;
  }();
  return metrics;
}

namespace {

// The text in the system code page, as the frame's text painting takes it.
std::string SystemCodePage(const std::wstring& text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string out(static_cast<size_t>(size > 0 ? size : 0), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
  return out;
}

}  // namespace

TacFrameForm DescribeWindow(HWND window) {
  TacFrameForm f;
  RECT bounds{}, client{};
  GetWindowRect(window, &bounds);
  GetClientRect(window, &client);
  f.Width = bounds.right - bounds.left;
  f.Height = bounds.bottom - bounds.top;
  f.ClientWidth = client.right;
  f.ClientHeight = client.bottom;
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  f.Style = static_cast<unsigned>(style);
  f.WindowState = IsIconic(window) ? wsMinimized : IsZoomed(window) ? wsMaximized : wsNormal;
  f.Enabled = IsWindowEnabled(window) != FALSE;
  f.RightToLeft = (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
  f.ParentedOrChild = (style & WS_CHILD) != 0;
  const int length = GetWindowTextLengthW(window);
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  caption.resize(static_cast<size_t>(GetWindowTextW(window, caption.data(), length + 1)));
  f.Caption = SystemCodePage(caption);
  // The rows of the window's menu bar.
  MENUBARINFO bar{};
  bar.cbSize = sizeof(bar);
  if (HMENU menu = GetMenu(window); menu && GetMenuItemCount(menu) > 0 && GetMenuBarInfo(window, OBJID_MENU, 0, &bar)) {
    const int row = std::max(GetSystemMetrics(SM_CYMENU), 1);
    f.MenuRows = std::max(1, static_cast<int>((bar.rcBar.bottom - bar.rcBar.top + row / 2) / row));
  }
  f.CloseEnabled = true;
  if (HMENU menu = GetSystemMenu(window, FALSE)) {
    const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    if (state != static_cast<UINT>(-1)) f.CloseEnabled = !(state & (MF_DISABLED | MF_GRAYED));
  }
  return f;
}

TacFrameForm DescribeForm(TForm& Form) {
  TacFrameForm f = DescribeWindow(Form.GetHandle());
  f.BorderStyle = Form.GetBorderStyle();
  f.BorderIcons = Form.GetBorderIcons();
  f.MainForm = Application && Application->GetMainForm() == &Form;
  f.Caption = SystemCodePage(Form.GetCaption());
  // The close button follows the window's system menu; without one the
  // border icons decide, as the system would.
  f.MenuHasClose = (Form.GetBorderIcons() & biSystemMenu) != 0;
  return f;
}

void CopyFrameToWindow(HWND window, const TacFrameCache& cache) {
  const TBitmap32& picture = cache.Bitmap();
  const TacFrameGeometry& g = cache.Layout().Geometry;
  const int width = picture.Width(), height = picture.Height();
  const bool captioned = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  const int top = captioned ? g.HeaderHeight : g.BorderHeight;
  const TWindowDC dc(window);
  const TOwnedMemoryDC memory(CreateCompatibleDC(dc.Get()));
  if (!dc.Get() || !memory) return;
  const TSelectObject selected(memory.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
  // Four strips around the client area, each straight from the picture.
  BitBlt(dc.Get(), 0, 0, width, top, memory.Get(), 0, 0, SRCCOPY);
  BitBlt(dc.Get(), 0, top, g.BorderWidth, height - top, memory.Get(), 0, top, SRCCOPY);
  BitBlt(dc.Get(), 0, height - g.BorderHeight, width, g.BorderHeight, memory.Get(), 0, height - g.BorderHeight,
         SRCCOPY);
  BitBlt(dc.Get(), width - g.BorderWidth, top, g.BorderWidth, height - top, memory.Get(), width - g.BorderWidth, top,
         SRCCOPY);
}

void ApplyFrameRegion(HWND window, const TsSkinModel& skin, const TacFrameCache& cache, const TacFrameForm& form,
                      bool redraw) {
  const TacWindowRegion region = FrameRegion(skin, cache.Sections(), form, cache.Layout());
  if (region.Remove) {
    SetWindowRgn(window, nullptr, redraw);
    return;
  }
  TOwnedRegion rgn = RegionFromRects(region.Rects);
  // From here on the region is the system's: it is never deleted by us.
  if (rgn && SetWindowRgn(window, rgn.Get(), redraw)) rgn.Release();
}

TBitmap32 IconPicture(HICON Icon, int Size) {
  TBitmap32 picture(Size, Size);
  if (!Icon || picture.Empty()) return picture;
  // Drawn once on black and once on white: where the two agree the icon is
  // opaque, where they differ by the full range it is transparent.
  TBitmap32 onWhite(Size, Size);
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return picture;
  {
    const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(picture.NativeHandle()));
    DrawIconEx(dc.Get(), 0, 0, Icon, Size, Size, 0, nullptr, DI_NORMAL);
  }
  {
    const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(onWhite.NativeHandle()));
    const RECT all{0, 0, Size, Size};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(dc.Get(), 0, 0, Icon, Size, Size, 0, nullptr, DI_NORMAL);
  }
  GdiFlush();
  for (int y = 0; y < Size; ++y) {
    TsColor* black = picture.Row(y);
    const TsColor* white = onWhite.Row(y);
    for (int x = 0; x < Size; ++x) {
      const int alpha = 255 - (static_cast<int>((white[x] >> 8) & 0xFF) - static_cast<int>((black[x] >> 8) & 0xFF));
      TsColor c = black[x] & 0xFFFFFF;
      if (alpha > 0 && alpha < 255) {  // straight colour from the premultiplied one on black
        const auto un = [alpha](TsColor v) { return std::min<TsColor>(255, v * 255 / static_cast<TsColor>(alpha)); };
        c = un(c & 0xFF) | (un((c >> 8) & 0xFF) << 8) | (un((c >> 16) & 0xFF) << 16);
      }
      black[x] = (alpha <= 0 ? 0 : c) | (static_cast<TsColor>(std::clamp(alpha, 0, 255)) << 24);
    }
  }
  return picture;
}

TOwnedFont CreateCaptionFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    return TOwnedFont(static_cast<HFONT>(nullptr));
  return TOwnedFont(CreateFontIndirectW(&metrics.lfCaptionFont));
}

void SetCompositorFrame(HWND Window, bool SystemDraws) {
  using TSetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
  const auto setAttribute = reinterpret_cast<TSetAttribute>(CompositorEntry("DwmSetWindowAttribute"));
  if (!setAttribute || !CompositionEnabled()) return;
  // The non-client rendering policy: 0 as the window style says, 1 off.
  constexpr DWORD kNonClientRenderingPolicy = 2;
  const int policy = SystemDraws ? 0 : 1;
  setAttribute(Window, kNonClientRenderingPolicy, &policy, sizeof(policy));
}
