#pragma once
// Popup menu items measured from the skin's menu settings: the kinds of item,
// an item's size, the popup's size from its columns, the icon column.
#include <string>
#include <string_view>
#include <vector>

#include "skin/paint/geometry.h"
#include "skin/paint/text_format.h"
#include "skin/paint/text_measure.h"

// A caption of exactly "-" is a separator line; one whose first and last
// characters are '-' is a divider with a caption; anything else an item.
enum TacMenuItemKind { mkNormal, mkDivider, mkCaptionedDivider };
TacMenuItemKind MenuItemKind(std::string_view caption);
// True for a divider with a caption.
inline bool IsDivText(std::string_view caption) { return MenuItemKind(caption) == mkCaptionedDivider; }

// The measures of skinned popups.
struct TacMenuMetrics {
  int Margin = 2;
  int Spacing = 8;
  int BorderWidth = 3;  // between a popup's border and its items
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
};

enum TacMenuColumnBreak { cbNone, cbBreak, cbBarBreak };
// A system-menu command drawn as a symbol where the item has no image.
enum TacMenuSymbol { msNone, msMinimize, msMaximize, msRestore, msClose };

// One popup item as the painters see it; texts in the system code page.
struct TacMenuItemDesc {
  std::string Caption;   // '&' marks the access key
  std::string ShortCut;  // shown right-aligned
  TSize Glyph{16, 16};   // the size of the item's image (or the image size of its menu)
  TacMenuColumnBreak Break = cbNone;
  bool Visible = true;
  bool Enabled = true;
  bool Checked = false;
  bool Radio = false;
  bool Default = false;  // bold
  bool SubMenu = false;
  TacMenuSymbol Symbol = msNone;
};

// The flags for measuring: calculate, no clipping, tabs, word break.
inline constexpr unsigned kMenuMeasureFormat = kDtCalcRect | kDtNoClip | kDtExpandTabs | kDtWordBreak;

// What an item's size is measured from: "-" + caption + "-" for a captioned
// divider, the caption followed by its shortcut for an item, nothing for a
// separator.
std::string MeasuredText(const TacMenuItemDesc& item);

// Separator 2; captioned divider text + 2 x Margin + 3; item
// max(text + 2, glyph) + 2 x Margin: a line of text gets a pixel above and
// below, a glyph none (a 16-pixel glyph over 13-pixel text is 20 high).
int GetItemHeight(TacMenuItemKind kind, int textHeight, int glyphHeight, const TacMenuMetrics& m);

// Text + 2 x glyph + 3 x Margin + Spacing, plus the extra line's width for an
// item of the first column of a popup that shows the extra line.
int GetItemWidth(int textWidth, int glyphWidth, const TacMenuMetrics& m, bool extraLine, bool firstColumn);

// An item measured with the font the measurer holds (text in a rectangle
// 800 pixels wide, 1 for separators).
TSize MeasureMenuItem(const TacMenuItemDesc& item, const TacMenuMetrics& m, bool extraLine, bool firstColumn,
                      TsTextMeasurer& measurer);

// The flags for measuring an item of a main menu's bar: calculate, one line.
inline constexpr unsigned kMenuLineFormat = kDtCalcRect | kDtSingleLine;
// An item of a main menu's bar, measured with the font the measurer holds:
// its caption on one line with Spacing on either side and Margin above and
// below ('&' marks the access key and takes no room).
TSize MeasureLineItem(const TacMenuItemDesc& item, const TacMenuMetrics& m, TsTextMeasurer& measurer);

// The measured items of one popup, in order.
struct TacMeasuredItem {
  TSize Size;
  TacMenuColumnBreak Break = cbNone;
  bool Visible = true;
};
// The columns side by side: each as wide as its widest visible item + 12,
// 4 more for every column after the first.
int ParentWidth(const std::vector<TacMeasuredItem>& items);
// The tallest column's sum of item heights.
int ParentHeight(const std::vector<TacMeasuredItem>& items);
// The popup: the columns and BorderWidth on every side.
TSize PopupSize(const std::vector<TacMeasuredItem>& items, const TacMenuMetrics& m);

// Margin + the first item's glyph width + Spacing.
int IconColumnWidth(const TacMenuMetrics& m, int glyphWidth);
// Room kept at an item's right edge for its shortcut's end and submenu arrow.
int ExtraWidth(const TacMenuMetrics& m, int glyphWidth);
