#include "tools/lanque-skin/render_section.h"

#include <algorithm>
#include <stdexcept>

#include "skin/paint/copies.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/paint_item.h"
#include "tools/lanque-skin/sheet_font.h"

namespace {

constexpr int kMaxSide = 4096;
constexpr int kLabelWidth = 140;
constexpr int kGap = 6;
constexpr int kMaxSheetStates = 4;

// One section painted into rect of bmp over the parent bitmap, which covers bmp.
void PaintCell(TBitmap32& bmp, const TBitmap32& parentBmp, const TRect& rect, const TsSkinModel& model, int section,
               int state) {
  TCacheInfo ci;
  ci.Bitmap = &parentBmp;
  ci.X = 0;
  ci.Y = 0;
  ci.Ready = true;
  TBitmap32 cell(rect.Width(), rect.Height());
  PaintItem(&model, section, ci, state, {0, 0, rect.Width(), rect.Height()}, {rect.Left, rect.Top}, cell);
  DrawSectionCaption(cell, {0, 0, rect.Width(), rect.Height()}, model, section, state);
  CopyImage(bmp, {rect.Left, rect.Top}, cell, {0, 0, rect.Width(), rect.Height()});
}

void CheckSize(int width, int height) {
  if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
    throw std::runtime_error("the size must be WIDTHxHEIGHT between 1x1 and 4096x4096");
}

}  // namespace

TBitmap32 RenderSection(const TsSkinModel& model, const std::string& section, int state, int width, int height,
                        TColor parent) {
  CheckSize(width, height);
  const int index = model.GetSkinIndex(section);
  if (index < 0) throw std::runtime_error("the skin has no section " + section);
  TBitmap32 parentBmp(width, height);
  FillRect32(parentBmp, {0, 0, width, height}, parent, 255);
  TBitmap32 bmp(width, height);
  PaintCell(bmp, parentBmp, {0, 0, width, height}, model, index, state);
  return bmp;
}

TBitmap32 RenderSectionSheet(const TsSkinModel& model, int width, int height, TColor parent) {
  CheckSize(width, height);
  std::vector<int> rows;
  for (int i = 0; i < static_cast<int>(model.gd.size()); ++i)
    if (model.gd[static_cast<std::size_t>(i)].SectionName != "GLOBALINFO") rows.push_back(i);
  const int rowHeight = std::max(height, kGlyphHeight) + kGap;
  const int sheetWidth = kLabelWidth + kMaxSheetStates * (width + kGap) + kGap;
  const int sheetHeight = std::max(1, static_cast<int>(rows.size()) * rowHeight + kGap);
  TBitmap32 background(sheetWidth, sheetHeight);
  FillRect32(background, {0, 0, sheetWidth, sheetHeight}, parent, 255);
  TBitmap32 sheet;
  CopyBmp(sheet, background);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const TsGeneralData& s = model.gd[static_cast<std::size_t>(rows[r])];
    const int top = kGap + static_cast<int>(r) * rowHeight;
    DrawLabel(sheet, kGap, top + (height - kGlyphHeight) / 2, s.SectionName, 0xFF000000u);
    for (int state = 0; state < std::clamp(s.States, 1, kMaxSheetStates); ++state) {
      const int left = kLabelWidth + state * (width + kGap);
      PaintCell(sheet, background, {left, top, left + width, top + height}, model, rows[r], state);
    }
  }
  return sheet;
}
