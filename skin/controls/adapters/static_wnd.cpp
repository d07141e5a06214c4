#include "skin/controls/adapters/static_wnd.h"

#include "framework/text.h"
#include "skin/controls/adapters/link_text.h"
#include "skin/paint/items/text_gdi_win.h"
#include "skin/win/skin_manager.h"

unsigned TacStaticWnd::TextFormat() const {
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  unsigned format = DT_NOCLIP | DT_WORDBREAK | DT_EXPANDTABS;
  // Eight characters a tab stop unless "&" is shown as it is.
  format |= (style & SS_NOPREFIX) ? DT_NOPREFIX : (DT_TABSTOP | (8u << 8));
  if ((style & SS_TYPEMASK) == SS_CENTER) format |= DT_CENTER;
  if ((style & SS_TYPEMASK) == SS_RIGHT || (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RIGHT)) format |= DT_RIGHT;
  return format;
}

bool TacStaticWnd::PaintContent(TBitmap32& Cache) {
  const std::string text = AnsiFromWide(ShownText());
  if (text.empty()) return true;
  TsGdiTextRasteriser raster(TextFont());
  raster.SetUnderline(Underlined());
  TsCommonData& data = SkinData();
  const TsSkinModel& model = Manager()->Model;
  WriteText32(Cache, text, IsWindowEnabled(Handle()) != FALSE, TextFormat(), &model, false, data.SkinIndex,
              {0, 0, Cache.Width(), Cache.Height()}, model.GetGlobalFontColor(), raster);
  return true;
}

void TacStaticWnd::PaintTo(HDC DC) {
  if (!PaintSection(0)) return;
  if (PaintContent(*SkinData().CacheBitmap)) CopyCache(DC);
}

void TacStaticWnd::WndProc(TMessage& Message) {
  if (!SkinActive() || (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_STATICEDGE))
    return TacMainWnd::WndProc(Message);
  switch (Message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = Message.WParam ? reinterpret_cast<HDC>(Message.WParam) : BeginPaint(Handle(), &ps);
      PaintTo(dc);
      if (!Message.WParam) EndPaint(Handle(), &ps);
      return;
    }
    case WM_PRINTCLIENT: PaintTo(reinterpret_cast<HDC>(Message.WParam)); return;
    case WM_ERASEBKGND: Message.Result = 1; return;
    case WM_NCPAINT: return;
    case WM_SETTEXT:
    case WM_ENABLE:
    case STM_SETICON:
    case STM_SETIMAGE: PassQuietly(Message); return;
    default: return TacMainWnd::WndProc(Message);
  }
}

bool TacIconWnd::PaintContent(TBitmap32& Cache) {
  HWND window = Handle();
  const bool iconMode = (GetWindowLongPtrW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  const TSelectObject selected(dc.Get(), static_cast<HBITMAP>(Cache.NativeHandle()));
  if (iconMode) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, STM_GETICON, 0, 0));
    if (!icon) return false;
    DrawIconEx(dc.Get(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  } else {
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return false;
    const TOwnedMemoryDC source(CreateCompatibleDC(nullptr));
    const TSelectObject picture(source.Get(), bitmap);
    BitBlt(dc.Get(), 0, 0, std::min<int>(info.bmWidth, Cache.Width()), std::min<int>(info.bmHeight, Cache.Height()),
           source.Get(), 0, 0, SRCCOPY);
  }
  GdiFlush();
  return true;
}

std::wstring TacLinkWnd::ShownText() const { return StripAnchorTags(WndText()); }
