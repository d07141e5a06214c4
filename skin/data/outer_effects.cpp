#include "skin/data/outer_effects.h"

#include <string>

namespace {

constexpr std::array<std::array<std::uint8_t, kBlurSize>, 10> kBlurRows = {{
    {255, 254, 253, 250, 247, 243, 238, 235, 233, 232, 233, 235, 238, 243, 247, 250, 253, 254, 255},
    {254, 251, 246, 237, 226, 214, 203, 195, 190, 188, 190, 195, 203, 214, 226, 237, 246, 251, 254},
    {253, 246, 234, 216, 194, 172, 155, 144, 137, 135, 137, 144, 155, 172, 194, 216, 234, 246, 253},
    {250, 237, 216, 187, 155, 128, 108, 96, 89, 87, 89, 96, 108, 128, 155, 187, 216, 237, 250},
    {247, 226, 194, 155, 115, 86, 69, 58, 52, 51, 52, 58, 69, 86, 115, 155, 194, 226, 247},
    {243, 214, 172, 128, 86, 61, 51, 51, 51, 51, 51, 51, 51, 61, 86, 128, 172, 214, 243},
    {238, 203, 155, 108, 69, 51, 51, 51, 51, 51, 51, 51, 51, 51, 69, 108, 155, 203, 238},
    {235, 195, 144, 96, 58, 51, 51, 51, 51, 51, 51, 51, 51, 51, 58, 96, 144, 195, 235},
    {233, 190, 137, 89, 52, 51, 51, 51, 51, 51, 51, 51, 51, 51, 52, 89, 137, 190, 233},
    {232, 188, 135, 87, 51, 51, 51, 51, 51, 51, 51, 51, 51, 51, 51, 87, 135, 188, 232},
}};

// Rows 11 to 19 mirror rows 9 to 1.
constexpr std::array<std::array<std::uint8_t, kBlurSize>, kBlurSize> MirrorRows() {
  std::array<std::array<std::uint8_t, kBlurSize>, kBlurSize> out{};
  for (int y = 0; y < kBlurSize; ++y) out[y] = kBlurRows[y < 10 ? y : kBlurSize - 1 - y];
  return out;
}

struct TKeyDefault {
  const char* Suffix;
  int Shadow;
  int Lowered;
};
// Field order: colour L/T/R/B, offset L/T/R/B, width L/T/R/B, opacity, source.
constexpr std::array<TKeyDefault, 14> kKeys = {{
    {"COLORL", 0, 0xFFFFFF}, {"COLORT", 0, 0}, {"COLORR", 0, 0xFFFFFF}, {"COLORB", 0, 0xFFFFFF},
    {"OFFSETL", 3, 2}, {"OFFSETT", 2, 2}, {"OFFSETR", 3, 2}, {"OFFSETB", 5, 4},
    {"WIDTHL", -1, -1}, {"WIDTHT", -1, -1}, {"WIDTHR", -1, -1}, {"WIDTHB", -1, -1},
    {"OPACITY", 60, 200}, {"SOURCE", 2, 2},
}};

// Inclusive edge test: the pixel centre lies inside or on the triangle.
constexpr bool InTriangle(int x, int y, int ax, int ay, int bx, int by, int cx, int cy) {
  const auto side = [&](int px, int py, int qx, int qy) { return (qx - px) * (y - py) - (qy - py) * (x - px); };
  const int d1 = side(ax, ay, bx, by), d2 = side(bx, by, cx, cy), d3 = side(cx, cy, ax, ay);
  const bool negative = d1 < 0 || d2 < 0 || d3 < 0, positive = d1 > 0 || d2 > 0 || d3 > 0;
  return !(negative && positive);
}

// The colour each pixel of the upper band takes: the top or bottom colour by
// row, then the left triangle, then the right one drawn over it.
enum TBandColor : std::uint8_t { bcTopOrBottom, bcLeft, bcRight };
constexpr std::array<std::array<TBandColor, kBlurSize>, kBlurSize> BandColors() {
  constexpr int w = kBlurSize, h = w / 2;
  std::array<std::array<TBandColor, kBlurSize>, kBlurSize> out{};
  for (int y = 0; y < w; ++y)
    for (int x = 0; x < w; ++x) {
      TBandColor& c = out[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
      c = bcTopOrBottom;
      if (InTriangle(x, y, 0, 1, h - 1, h, 0, w - 2)) c = bcLeft;
      if (InTriangle(x, y, w - 1, 1, h + 1, h, w - 1, w - 2)) c = bcRight;
    }
  return out;
}
constexpr auto kBandColors = BandColors();

TsColor Opaque(int color) { return SwapRedBlue(ColorToRGB(static_cast<TColor>(color))) | 0xFF000000u; }

}  // namespace

const std::array<std::array<std::uint8_t, kBlurSize>, kBlurSize> kBlurPicture = MirrorRows();

OuterEffectRecord ReadOuterEffect(const TIniText& ini, int index) {
  const std::string prefix = index == 0 ? "LO_" : "SH_";
  const TIniText::TSection& global = ini.SectionOrEmpty("GLOBALINFO");
  std::array<int, 14> v{};
  for (std::size_t k = 0; k < kKeys.size(); ++k)
    v[k] = global.ReadInteger(prefix + kKeys[k].Suffix, index == 0 ? kKeys[k].Lowered : kKeys[k].Shadow);
  OuterEffectRecord r;
  for (int k = 0; k < 4; ++k) {
    r.Color[k] = v[k];
    r.Offset[k] = v[4 + k];
    r.Width[k] = v[8 + k];
  }
  r.Opacity = v[12];
  r.Source = v[13];
  r.ImageIndex = -1;
  return r;
}

TsMaskData SynthesiseOuterEffect(OuterEffectRecord& effect) {
  const int w = kBlurSize, h = w / 2;
  for (int& width : effect.Width)
    if (width == -1) width = h;
  TsMaskData md;
  md.Image = TBitmap32(w, 2 * w);
  md.SourceRect = {0, 0, w, 2 * w};
  md.FrameCount = 1;
  md.MaskKind = 1;
  md.UniformMargin = md.MarginLeft = md.MarginTop = md.MarginRight = md.MarginBottom = h;
  md.PaintMode = 1;
  if (md.Image.Empty()) return md;
  const TsColor left = Opaque(effect.Color[0]), top = Opaque(effect.Color[1]), right = Opaque(effect.Color[2]),
                bottom = Opaque(effect.Color[3]);
  for (int y = 0; y < w; ++y) {
    TsColor* row = md.Image.Row(y);
    const std::array<TBandColor, kBlurSize>& colors = kBandColors[static_cast<std::size_t>(y)];
    for (int x = 0; x < w; ++x) {
      const TBandColor c = colors[static_cast<std::size_t>(x)];
      row[x] = c == bcLeft ? left : c == bcRight ? right : y < h ? top : bottom;
    }
  }
  for (int y = 0; y < w; ++y) {
    TsColor* row = md.Image.Row(w + y);
    for (int x = 0; x < w; ++x) {
      const TsColor g = kBlurPicture[y][x];
      row[x] = 0xFF000000u | g << 16 | g << 8 | g;
    }
  }
  return md;
}
