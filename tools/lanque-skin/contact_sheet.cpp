#include "tools/lanque-skin/contact_sheet.h"

#include <algorithm>
#include <string>
#include <vector>

#include "tools/lanque-skin/sheet_font.h"

namespace {

constexpr int kSheetWidth = 1000;
constexpr int kPad = 10;
constexpr int kFrameGap = 3;
constexpr int kMaxThumb = 240;  // patterns are shown at most this wide
constexpr TsColor kPage = 0xFFF7F7F7;
constexpr TsColor kInk = 0xFF30343A;
constexpr TsColor kFaint = 0xFF9098A0;

TsColor Checker(int x, int y) { return ((x / 4 + y / 4) & 1) ? 0xFFE2E2E2 : 0xFFFFFFFF; }

// A pixel shown over the checkerboard: key pixels are holes, partial alpha
// is blended as the painters blend premultiplied pictures.
TsColor Shown(TsColor p, int x, int y) {
  const TsColor under = Checker(x, y);
  if ((p & 0x00FFFFFF) == sFuchsia) return under;
  const unsigned a = p >> 24;
  if (a == 255) return p;
  TsColor out = 0xFF000000;
  for (int k = 0; k < 3; ++k) {
    const unsigned c = ByteOf(p, k) + ByteOf(under, k) * (255 - a) / 255;
    out |= std::min(c, 255u) << (8 * k);
  }
  return out;
}

struct TCell {
  std::string Label;
  const TsMaskData* Mask = nullptr;
  const TsPatternData* Pattern = nullptr;
  int Scale = 1;
  int X = 0, Y = 0, Width = 0, Height = 0;
};

void Measure(TCell& c) {
  int w = 0, h = 0;
  if (c.Mask) {
    const int fw = WidthOfImage(*c.Mask), fh = HeightOfImage(*c.Mask);
    const int frames = std::max<int>(c.Mask->FrameCount, 1);
    const int bands = c.Mask->MaskKind > 0 ? 2 : 1;
    c.Scale = fh <= 24 && fw * frames * 2 < kSheetWidth - 2 * kPad ? 2 : 1;
    w = frames * (fw * c.Scale + kFrameGap) - kFrameGap;
    h = bands * (fh * c.Scale + kFrameGap) - kFrameGap;
  } else {
    const int iw = c.Pattern->Image.Width(), ih = c.Pattern->Image.Height();
    w = std::min(iw, kMaxThumb);
    h = static_cast<int>(static_cast<long long>(ih) * w / std::max(iw, 1));
  }
  const int labelWidth = static_cast<int>(c.Label.size()) * kGlyphAdvance;
  c.Width = std::min(std::max(w, labelWidth), kSheetWidth - 2 * kPad);
  c.Height = kGlyphHeight + 4 + std::max(h, 1);
}

// Copies frame pixels scaled by whole numbers, clipped to the sheet.
void DrawBlock(TBitmap32& sheet, const TBitmap32& src, TRect from, int x, int y, int scale) {
  from = ClipToSize(from, src.Width(), src.Height());
  for (int sy = from.Top; sy < from.Bottom; ++sy)
    for (int sx = from.Left; sx < from.Right; ++sx)
      for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx) {
          const int tx = x + (sx - from.Left) * scale + dx, ty = y + (sy - from.Top) * scale + dy;
          if (tx >= 0 && tx < sheet.Width() && ty >= 0 && ty < sheet.Height())
            sheet.Row(ty)[tx] = Shown(src.Row(sy)[sx], tx, ty);
        }
}

void DrawCell(TBitmap32& sheet, const TsSkinModel& model, const TCell& c) {
  DrawLabel(sheet, c.X, c.Y, c.Label, c.Mask ? kInk : kFaint);
  const int top = c.Y + kGlyphHeight + 4;
  if (c.Pattern) {
    const TBitmap32& img = c.Pattern->Image;
    const int w = std::min(img.Width(), kMaxThumb);
    const int h = c.Height - kGlyphHeight - 4;
    for (int y = 0; y < h && top + y < sheet.Height(); ++y)
      for (int x = 0; x < w && c.X + x < sheet.Width(); ++x)
        sheet.Row(top + y)[c.X + x] =
            img.Row(static_cast<int>(static_cast<long long>(y) * img.Height() / h))[static_cast<long long>(x) * img.Width() / w] |
            0xFF000000;
    return;
  }
  const TsMaskData& md = *c.Mask;
  const TBitmap32& src = model.SourceOf(md);
  const int fw = WidthOfImage(md), fh = HeightOfImage(md);
  const int frames = std::max<int>(md.FrameCount, 1);
  for (int k = 0; k < frames; ++k) {
    const int x = c.X + k * (fw * c.Scale + kFrameGap);
    const TRect frame{md.SourceRect.Left + k * fw, md.SourceRect.Top, md.SourceRect.Left + (k + 1) * fw,
                      md.SourceRect.Top + fh};
    DrawBlock(sheet, src, frame, x, top, c.Scale);
    if (md.MaskKind > 0)
      DrawBlock(sheet, src, {frame.Left, frame.Top + fh, frame.Right, frame.Bottom + fh}, x,
                top + fh * c.Scale + kFrameGap, c.Scale);
  }
}

}  // namespace

TBitmap32 RenderContactSheet(const TsSkinModel& model) {
  std::vector<TCell> cells;
  for (const TsMaskData& md : model.ma)
    if (WidthOfImage(md) > 0 && HeightOfImage(md) > 0) cells.push_back({md.SectionName + " " + md.KeyName, &md});
  for (const TsPatternData& p : model.pa) cells.push_back({p.SectionName + " " + p.KeyName + " (PATTERN)", nullptr, &p});

  int x = kPad, y = kPad + kGlyphHeight + 10, rowHeight = 0;
  for (TCell& c : cells) {
    Measure(c);
    if (x + c.Width > kSheetWidth - kPad && x > kPad) {
      x = kPad;
      y += rowHeight + kPad;
      rowHeight = 0;
    }
    c.X = x;
    c.Y = y;
    x += c.Width + 2 * kPad;
    rowHeight = std::max(rowHeight, c.Height);
  }
  TBitmap32 sheet(kSheetWidth, y + rowHeight + kPad);
  for (int row = 0; row < sheet.Height(); ++row) std::fill_n(sheet.Row(row), sheet.Width(), kPage);
  const std::string title = model.SkinData.Author + " - " + std::to_string(model.gd.size()) + " SECTIONS, " +
                            std::to_string(model.ma.size()) + " IMAGES, " + std::to_string(model.pa.size()) +
                            " PATTERNS";
  DrawLabel(sheet, kPad, kPad, title, kInk);
  for (const TCell& c : cells) DrawCell(sheet, model, c);
  return sheet;
}
