#include "skin/paint/menus/menu_layout.h"

#include <gtest/gtest.h>

namespace {

// Every byte 7 pixels wide; the height is the font's.
class TFixedMeasurer final : public TsTextMeasurer {
 public:
  explicit TFixedMeasurer(int height) : Height(height) {}
  TSize MeasureText(std::string_view text, const TRect& start, unsigned format) override {
    LastText = std::string(text);
    LastStart = start;
    LastFormat = format;
    return {7 * static_cast<int>(text.size()), Height};
  }
  int Height;
  std::string LastText;
  TRect LastStart;
  unsigned LastFormat = 0;
};

struct TMeasureCase {
  const char* Name;
  const char* Caption;
  const char* ShortCut;
  int Glyph;       // square
  int TextHeight;  // the font's
  TacMenuMetrics Metrics;
  bool ExtraLine;    // the popup shows the extra line
  bool FirstColumn;  // no column break before the item
  const char* MeasuredText;
  int Width;
  int Height;
};

TacMenuMetrics Metrics(int margin, int spacing, bool useExtraLine = false) {
  TacMenuMetrics m;
  m.Margin = margin;
  m.Spacing = spacing;
  m.UseExtraLine = useExtraLine;
  return m;
}

const TMeasureCase kMeasureCases[] = {
    // 3 characters of 7 pixels; 21 + 2 x 16 + 3 x 2 + 8 = 67; max(13 + 2, 16) + 2 x 2 = 20.
    {"plain", "Abc", "", 16, 13, Metrics(2, 8), false, true, "Abc", 21 + 46, 20},
    // Text 12 high, glyph 16: the glyph decides.
    // Margin 2, Spacing 8, 16-pixel glyph, 13-pixel text: 20 high, text + 46 wide.
    {"worked example", "Abcdefg", "", 16, 13, Metrics(2, 8), false, true, "Abcdefg", 49 + 46, 20},
    {"text below glyph", "Abcd", "", 16, 12, Metrics(2, 8), false, true, "Abcd", 28 + 46, 20},
    {"text above glyph", "Ab", "", 16, 20, Metrics(2, 8), false, true, "Ab", 14 + 46, 26},
    {"shortcut follows caption", "Close", "Alt+F4", 16, 13, Metrics(2, 8), false, true, "CloseAlt+F4",
     77 + 46, 20},
    {"wider margins", "Abc", "", 16, 13, Metrics(5, 8), false, true, "Abc", 21 + 32 + 15 + 8, 16 + 10},
    {"no spacing", "Abc", "", 20, 13, Metrics(2, 0), false, true, "Abc", 21 + 40 + 6, 20 + 4},
    {"separator", "-", "", 16, 13, Metrics(2, 8), false, true, "", 46, 2},
    {"captioned divider", "-Options-", "", 16, 13, Metrics(2, 8), false, true, "--Options--", 77 + 46, 13 + 4 + 3},
    {"captioned divider ignores glyph", "-x-", "", 30, 10, Metrics(2, 8), false, true, "--x--", 35 + 74, 10 + 4 + 3},
    {"dash inside is an item", "a-b", "", 16, 13, Metrics(2, 8), false, true, "a-b", 21 + 46, 20},
    {"extra line shown", "Abc", "", 16, 13, Metrics(2, 8, true), true, true, "Abc", 21 + 46 + 32, 20},
    {"extra line, later column", "Abc", "", 16, 13, Metrics(2, 8, true), true, false, "Abc", 21 + 46, 20},
    {"extra line off in the skin", "Abc", "", 16, 13, Metrics(2, 8, false), true, true, "Abc", 21 + 46, 20},
    {"popup without extra line", "Abc", "", 16, 13, Metrics(2, 8, true), false, true, "Abc", 21 + 46, 20},
};

TEST(MenuMeasure, ItemSizesFollowMarginsFontKindsAndExtraLine) {
  for (const TMeasureCase& c : kMeasureCases) {
    SCOPED_TRACE(c.Name);
    TacMenuItemDesc item;
    item.Caption = c.Caption;
    item.ShortCut = c.ShortCut;
    item.Glyph = {c.Glyph, c.Glyph};
    TFixedMeasurer measurer(c.TextHeight);
    const TSize size = MeasureMenuItem(item, c.Metrics, c.ExtraLine, c.FirstColumn, measurer);
    EXPECT_EQ(size.cx, c.Width);
    EXPECT_EQ(size.cy, c.Height);
    EXPECT_EQ(MeasuredText(item), c.MeasuredText);
    if (*c.MeasuredText) {
      EXPECT_EQ(measurer.LastFormat, kMenuMeasureFormat);
      EXPECT_EQ(measurer.LastStart.Width(), 800);
    }
  }
}

TEST(MenuMeasure, KindsOfCaption) {
  EXPECT_EQ(MenuItemKind("-"), mkDivider);
  EXPECT_EQ(MenuItemKind("--"), mkCaptionedDivider);
  EXPECT_EQ(MenuItemKind("-Options-"), mkCaptionedDivider);
  EXPECT_EQ(MenuItemKind("-Options"), mkNormal);
  EXPECT_EQ(MenuItemKind(""), mkNormal);
  EXPECT_TRUE(IsDivText("-a-"));
  EXPECT_FALSE(IsDivText("-"));
}

struct TPopupCase {
  const char* Name;
  std::vector<TacMeasuredItem> Items;
  int Width;   // ParentWidth
  int Height;  // ParentHeight
};

TEST(MenuMeasure, PopupSizeFromColumns) {
  const TPopupCase cases[] = {
      {"one column", {{{100, 20}}, {{80, 22}}, {{90, 2}}}, 112, 44},
      {"a break adds the next column and 4",
       {{{100, 20}}, {{80, 20}}, {{60, 20}, cbBreak}, {{70, 22}}}, 112 + 82 + 4, 42},
      {"the tallest column decides the height",
       {{{50, 20}}, {{40, 20}, cbBarBreak}, {{40, 20}}, {{40, 20}}}, 62 + 52 + 4, 60},
      {"three columns", {{{10, 5}}, {{20, 5}, cbBreak}, {{30, 5}, cbBreak}}, 22 + 36 + 46, 5},
      {"a break on the first item opens no empty column", {{{100, 20}, cbBreak}, {{50, 20}}}, 112, 40},
      {"hidden items take no room", {{{300, 20}, cbNone, false}, {{100, 20}}, {{10, 20}, cbBreak, false}},
       112, 20},
      {"no items", {}, 0, 0},
  };
  for (const TPopupCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ParentWidth(c.Items), c.Width);
    EXPECT_EQ(ParentHeight(c.Items), c.Height);
    TacMenuMetrics m;
    m.BorderWidth = 3;
    const TSize popup = PopupSize(c.Items, m);
    EXPECT_EQ(popup.cx, c.Width + 6);
    EXPECT_EQ(popup.cy, c.Height + 6);
  }
}

TEST(MenuMeasure, IconColumnAndRightRoom) {
  const TacMenuMetrics defaults;
  EXPECT_EQ(IconColumnWidth(defaults, 16), 26);
  EXPECT_EQ(IconColumnWidth(Metrics(4, 2), 20), 26);
  EXPECT_EQ(ExtraWidth(defaults, 16), 18);
}

}  // namespace
