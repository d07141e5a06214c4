#include "skin/paint/fills.h"
#include "skin/paint/menus/menu_paint.h"

namespace {

constexpr int kSymbolSize = 10;

void Fill(TBitmap32& bmp, TPoint o, int left, int top, int right, int bottom, TColor color) {
  FillRect32(bmp, ClipToSize({o.X + left, o.Y + top, o.X + right, o.Y + bottom}, bmp.Width(), bmp.Height()),
             color, 255);
}

// A window outline of w x h at (x, y) with a title bar two pixels high.
void Window(TBitmap32& bmp, TPoint o, int x, int y, int w, int h, TColor color) {
  Fill(bmp, o, x, y, x + w, y + 2, color);
  Fill(bmp, o, x, y, x + 1, y + h, color);
  Fill(bmp, o, x + w - 1, y, x + w, y + h, color);
  Fill(bmp, o, x, y + h - 1, x + w, y + h, color);
}

}  // namespace

void DrawMenuSymbol(TBitmap32& bmp, TacMenuSymbol symbol, const TRect& box, TColor color) {
  const TPoint o{box.Left + (box.Width() - kSymbolSize) / 2, box.Top + (box.Height() - kSymbolSize) / 2};
  switch (symbol) {
    case msMinimize: Fill(bmp, o, 1, 7, 9, 9, color); break;
    case msMaximize: Window(bmp, o, 0, 0, 10, 10, color); break;
    case msRestore:
      Fill(bmp, o, 3, 0, 10, 2, color);  // the window behind: its top and right edge
      Fill(bmp, o, 9, 0, 10, 6, color);
      Window(bmp, o, 0, 3, 7, 7, color);
      break;
    case msClose:
      for (int i = 0; i < 9; ++i) {
        Fill(bmp, o, i, i, i + 2, i + 1, color);
        Fill(bmp, o, 8 - i, i, 10 - i, i + 1, color);
      }
      break;
    case msNone: break;
  }
}

void DrawSubmenuArrow(TBitmap32& bmp, const TRect& box, TColor color) {
  const TPoint o{box.Left + (box.Width() - 4) / 2, box.Top + box.Height() / 2};
  for (int i = 0; i < 4; ++i) Fill(bmp, o, i, i - 3, i + 1, 4 - i, color);
}
