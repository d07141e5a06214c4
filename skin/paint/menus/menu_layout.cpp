#include "skin/paint/menus/menu_layout.h"

#include <algorithm>

TacMenuItemKind MenuItemKind(std::string_view caption) {
  if (caption == "-") return mkDivider;
  if (caption.size() >= 2 && caption.front() == '-' && caption.back() == '-') return mkCaptionedDivider;
  return mkNormal;
}

std::string MeasuredText(const TacMenuItemDesc& item) {
  switch (MenuItemKind(item.Caption)) {
    case mkDivider: return {};
    case mkCaptionedDivider: return "-" + item.Caption + "-";
    case mkNormal: break;
  }
  return item.Caption + item.ShortCut;
}

int GetItemHeight(TacMenuItemKind kind, int textHeight, int glyphHeight, const TacMenuMetrics& m) {
  switch (kind) {
    case mkDivider: return 2;
    case mkCaptionedDivider: return textHeight + 2 * m.Margin + 3;
    case mkNormal: break;
  }
  return std::max(textHeight + 2, glyphHeight) + 2 * m.Margin;
}

int GetItemWidth(int textWidth, int glyphWidth, const TacMenuMetrics& m, bool extraLine, bool firstColumn) {
  int width = textWidth + 2 * glyphWidth + 3 * m.Margin + m.Spacing;
  if (m.UseExtraLine && extraLine && firstColumn) width += m.ExtraLineWidth;
  return width;
}

TSize MeasureMenuItem(const TacMenuItemDesc& item, const TacMenuMetrics& m, bool extraLine, bool firstColumn,
                      TsTextMeasurer& measurer) {
  const TacMenuItemKind kind = MenuItemKind(item.Caption);
  const std::string text = MeasuredText(item);
  const TRect start{0, 0, kind == mkDivider ? 1 : 800, 0};
  const TSize textSize = text.empty() ? TSize{} : measurer.MeasureText(text, start, kMenuMeasureFormat);
  return {GetItemWidth(textSize.cx, item.Glyph.cx, m, extraLine, firstColumn),
          GetItemHeight(kind, textSize.cy, item.Glyph.cy, m)};
}

TSize MeasureLineItem(const TacMenuItemDesc& item, const TacMenuMetrics& m, TsTextMeasurer& measurer) {
  const TSize text = item.Caption.empty() ? TSize{} : measurer.MeasureText(item.Caption, {0, 0, 800, 0}, kMenuLineFormat);
  return {text.cx + 2 * m.Spacing, text.cy + 2 * m.Margin};
}

namespace {

// Calls Column(width, height) for each column of the visible items.
template <typename F>
void ForEachColumn(const std::vector<TacMeasuredItem>& items, F&& Column) {
  int width = 0, height = 0;
  bool any = false;
  for (const TacMeasuredItem& item : items) {
    if (!item.Visible) continue;
    if (item.Break != cbNone && any) {
      Column(width, height);
      width = height = 0;
    }
    any = true;
    width = std::max(width, item.Size.cx);
    height += item.Size.cy;
  }
  if (any) Column(width, height);
}

}  // namespace

int ParentWidth(const std::vector<TacMeasuredItem>& items) {
  int total = 0, columns = 0;
  ForEachColumn(items, [&](int width, int) {
    total += width + 12 + (columns > 0 ? 4 : 0);
    ++columns;
  });
  return total;
}

int ParentHeight(const std::vector<TacMeasuredItem>& items) {
  int tallest = 0;
  ForEachColumn(items, [&](int, int height) { tallest = std::max(tallest, height); });
  return tallest;
}

TSize PopupSize(const std::vector<TacMeasuredItem>& items, const TacMenuMetrics& m) {
  return {ParentWidth(items) + 2 * m.BorderWidth, ParentHeight(items) + 2 * m.BorderWidth};
}

int IconColumnWidth(const TacMenuMetrics& m, int glyphWidth) { return m.Margin + glyphWidth + m.Spacing; }

int ExtraWidth(const TacMenuMetrics& m, int glyphWidth) { return m.Margin + glyphWidth; }
