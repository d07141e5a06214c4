#include "skin/paint/gdi_win.h"

#include <vector>

#include "skin/paint/bitmap32_win.h"
#include "skin/paint/blends.h"
#include "skin/paint/copies.h"

void FillDC(HDC dc, const TRect& rect, TColor color) {
  if (rect.IsEmpty()) return;
  const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
  // ExtTextOut with an opaque rectangle fills without creating a brush.
  const COLORREF old = SetBkColor(dc, ColorToRGB(color));
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FillDCBorder(HDC dc, const TRect& rect, int left, int top, int right, int bottom, TColor color) {
  FillDC(dc, {rect.Left, rect.Top, rect.Right, rect.Top + top}, color);
  FillDC(dc, {rect.Left, rect.Bottom - bottom, rect.Right, rect.Bottom}, color);
  FillDC(dc, {rect.Left, rect.Top + top, rect.Left + left, rect.Bottom - bottom}, color);
  FillDC(dc, {rect.Right - right, rect.Top + top, rect.Right, rect.Bottom - bottom}, color);
}

void CopyToDC(const TBitmap32& bitmap, TPoint at, HDC target, const TRect& rect) {
  const TOwnedMemoryDC source(CreateCompatibleDC(target));
  if (!source) return;
  const TSelectObject selected(source.Get(), BitmapHandle(bitmap));
  BitBlt(target, rect.Left, rect.Top, rect.Width(), rect.Height(), source.Get(), at.X, at.Y, SRCCOPY);
}

void FadeRect(HDC dc, const TRect& rect, int transparency, TColor color) {
  TBitmap32 bmp(rect.Width(), rect.Height());
  if (bmp.Empty()) return;
  const TOwnedMemoryDC mem(CreateCompatibleDC(dc));
  if (!mem) return;
  const TSelectObject selected(mem.Get(), BitmapHandle(bmp));
  BitBlt(mem.Get(), 0, 0, rect.Width(), rect.Height(), dc, rect.Left, rect.Top, SRCCOPY);
  GdiFlush();
  FadeBmp(bmp, {0, 0, rect.Width(), rect.Height()}, transparency, color);
  BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), mem.Get(), 0, 0, SRCCOPY);
}

TOwnedRegion RegionFromRects(const std::vector<TRect>& pieces) {
  // One region from all pieces at once rather than one combine per piece.
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + pieces.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(pieces.size());
  header->nRgnSize = static_cast<DWORD>(pieces.size() * sizeof(RECT));
  RECT bound{0, 0, 0, 0};
  auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    rects[i] = {pieces[i].Left, pieces[i].Top, pieces[i].Right, pieces[i].Bottom};
    UnionRect(&bound, &bound, &rects[i]);
  }
  header->rcBound = bound;
  return TOwnedRegion(
      ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
}

TOwnedRegion GetRgnFromBmp(const TBitmap32& bmp, TColor key) {
  if (bmp.Empty()) return {};
  return RegionFromRects(RunsComplement(AddRgnBmp(bmp, key), bmp.Width(), bmp.Height()));
}

void (*CompositorEntry(const char* name))() {
  static HMODULE library = LoadLibraryW(L"dwmapi.dll");
  return library ? reinterpret_cast<void (*)()>(GetProcAddress(library, name)) : nullptr;
}

bool CompositionEnabled() {
  using TIsEnabled = HRESULT(WINAPI*)(BOOL*);
  const auto isEnabled = reinterpret_cast<TIsEnabled>(CompositorEntry("DwmIsCompositionEnabled"));
  BOOL enabled = FALSE;
  return isEnabled && SUCCEEDED(isEnabled(&enabled)) && enabled;
}
