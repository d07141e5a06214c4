#pragma once
// Skinned popups painted into 32-bit bitmaps: the popup's background (the
// MAINMENU section, the icon column, the border mask, the extra line), the
// cuts of the popup's window region, and single items over that background.
#include <string_view>
#include <vector>

#include "skin/data/skin_model.h"
#include "skin/paint/items/text_paint.h"
#include "skin/paint/menus/menu_layout.h"

// What a popup takes from the skin; -1 for what the skin lacks.
struct TacMenuSkin {
  const TsSkinModel* Skin = nullptr;
  int MainMenu = -1;      // "MAINMENU": background and border
  int BorderMask = -1;    // its "BORDERSMASK"
  int IcoLine = -1;       // the icon column
  int ExtraLine = -1;     // "EXTRALINE"
  int MenuItem = -1;      // "MENUITEM": the hot item and the text colours
  int CheckGlyph = -1;    // "CHECK" of "GLOBALINFO", else "BOXCHECKED"
  int BoxChecked = -1;    // "BOXCHECKED": the mark of a checked item with an image
  int RadioChecked = -1;  // "RADIOCHECKED"
  int SkinBorderWidth = 0;  // the border mask's width, 3 when below 1, 0 without a mask
};
TacMenuSkin MenuSkin(const TsSkinModel& skin, std::string_view icoLineSkin);

struct TacMenuBGParams {
  int Width = 0;
  int Height = 0;
  int GlyphWidth = 16;        // of the popup's first item
  bool ExtraLine = false;     // the popup shows the extra line (with UseExtraLine)
  bool RightAligned = false;  // the popup window is right-aligned: no icon column
};
// Where the icon column starts in a popup's background.
int IconColumnLeft(const TacMenuSkin& s, const TacMenuMetrics& m, bool extraLine);
// The popup's background: MAINMENU, the icon column, the border mask, the extra line band.
TBitmap32 PrepareMenuBG(const TacMenuSkin& s, const TacMenuMetrics& m, const TacMenuBGParams& p);

// The key-colour pixels of the border mask's corners placed at a popup's
// corners: rectangles one row high to cut from its window region.
std::vector<TRect> MenuRegionCuts(const TacMenuSkin& s, int width, int height);

// One item as it is drawn.
struct TacMenuItemPaint {
  TacMenuItemDesc Item;
  TRect Rect;              // the item's place in the popup's background
  bool Selected = false;   // hot
  int IconColumnLeft = 0;  // in the popup's background
  int IconColumnWidth = 26;
};
// The item's picture, of the item's size: the background under it, the hot
// MENUITEM band, the check mark or system symbol in the icon column, the
// caption after the column, the shortcut right-aligned, a submenu arrow;
// faded into the background when disabled. raster holds the item's font.
TBitmap32 PaintMenuItem(const TBitmap32& popupBG, const TacMenuItemPaint& p, const TacMenuSkin& s,
                        const TacMenuMetrics& m, TsTextRasteriser& raster);

// The symbols of the system menu's commands and the submenu arrow, drawn in
// a colour centred in box.
void DrawMenuSymbol(TBitmap32& bmp, TacMenuSymbol symbol, const TRect& box, TColor color);
void DrawSubmenuArrow(TBitmap32& bmp, const TRect& box, TColor color);

// One item of a main menu's bar over the band under it (of the item's size):
// state 0 normal, 1 hot, 2 pressed (open) painted from MENUITEM; the caption
// centred in the section's colours, its access key underlined when
// accessKeys; faded into the band when disabled.
TBitmap32 PaintMenuLineItem(const TBitmap32& band, const TacMenuItemDesc& item, int state, bool accessKeys,
                            const TacMenuSkin& s, TsTextRasteriser& raster);
