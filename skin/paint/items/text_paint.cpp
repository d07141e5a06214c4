#include "skin/paint/items/text_paint.h"

#include <algorithm>
#include <cmath>

#include "skin/paint/hsv.h"

namespace {

constexpr TsColor kWhite = 0x00FFFFFFu;
constexpr TColor kBtnShadow = 0x80000010u;     // system colour 16
constexpr TColor kBtnHighlight = 0x80000014u;  // system colour 20

TBitmap32 WhiteScratch(int w, int h) {
  TBitmap32 scratch(w, h);
  for (int y = 0; y < scratch.Height(); ++y) std::fill_n(scratch.Row(y), w, kWhite);
  return scratch;
}

// The start of every character of a text in a code page with two-byte characters.
std::vector<std::size_t> CharStarts(std::string_view text, const TsTextRasteriser& raster) {
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < text.size(); ++i) {
    starts.push_back(i);
    if (raster.IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ++i;
  }
  return starts;
}

}  // namespace

TsTextColors SectionTextColors(const TsSkinModel& skin, int skinIndex, bool hot) {
  const TsGeneralData& s = skin.gd[static_cast<std::size_t>(skinIndex)];
  const TsGenState& st = s.Props[hot && s.States > 0 ? 1 : 0];
  TsTextColors colors;
  colors.Main = st.FontColor[0];
  for (std::size_t k = 0; k < 4; ++k) colors.Contour[k] = st.FontColor[k + 1];
  return colors;
}

void DrawTextCoverage(TBitmap32& bmp, std::string_view text, const TRect& rect, unsigned format, TColor color,
                      TPoint shift, TsTextRasteriser& raster) {
  if (bmp.Empty() || text.empty() || rect.IsEmpty()) return;
  TBitmap32 scratch = WhiteScratch(rect.Width(), rect.Height());
  if (scratch.Empty()) return;
  raster.DrawBlack(scratch, text, {0, 0, rect.Width(), rect.Height()}, format);
  const TsColor c = SwapRedBlue(ColorToRGB(color));
  const TPoint at{rect.Left + shift.X, rect.Top + shift.Y};
  const TTransfer t = ClipTransfer({0, 0, scratch.Width(), scratch.Height()}, at, scratch.Width(), scratch.Height(),
                                   bmp.Width(), bmp.Height());
  for (int y = t.Source.Top; y < t.Source.Bottom; ++y) {
    const TsColor* s = scratch.Row(y);
    TsColor* d = bmp.Row(t.Target.Y + y - t.Source.Top) + t.Target.X - t.Source.Left;
    for (int x = t.Source.Left; x < t.Source.Right; ++x) {
      if ((s[x] & kWhite) == kWhite) continue;
      TsColor out = 0xFF000000u;
      for (int k = 0; k < 24; k += 8) {
        const int tc = static_cast<int>((d[x] >> k) & 0xFF), cc = static_cast<int>((c >> k) & 0xFF);
        const int m = static_cast<int>((s[x] >> k) & 0xFF);
        out |= static_cast<TsColor>((((tc - cc) * m + cc * 256) >> 8) & 0xFF) << k;
      }
      d[x] = out;
    }
  }
}

void WriteTextColors(TBitmap32& bmp, std::string_view text, bool enabled, unsigned format, const TsTextColors& colors,
                     const TRect& rect, TsTextRasteriser& raster) {
  if (text.empty() || rect.IsEmpty()) return;
  static constexpr TPoint kShifts[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
  if (enabled)
    for (std::size_t k = 0; k < 4; ++k)
      if (colors.Contour[k] != kNoContour)
        DrawTextCoverage(bmp, text, rect, format, colors.Contour[k], kShifts[k], raster);
  DrawTextCoverage(bmp, text, rect, format, colors.Main, {}, raster);
}

void WriteText32(TBitmap32& bmp, std::string_view text, bool enabled, unsigned format, const TsSkinModel* skin,
                 bool hot, int skinIndex, const TRect& rect, TColor plainColor, TsTextRasteriser& raster) {
  if (skin != nullptr && skin->IsValidSkinIndex(skinIndex)) {
    WriteTextColors(bmp, text, enabled, format, SectionTextColors(*skin, skinIndex, hot), rect, raster);
  } else {
    TsTextColors plain;
    plain.Main = plainColor;
    WriteTextColors(bmp, text, enabled, format, plain, rect, raster);
  }
}

void Blur8(TGrey8& grey, double radius) {
  if (radius <= 0 || grey.Width <= 0 || grey.Height <= 0) return;
  constexpr int kHalf = 16;
  constexpr float kSlack = 1.0f / 512;
  float w[2 * kHalf + 1];
  float sum = 0;
  for (int i = -kHalf; i <= kHalf; ++i) {
    const float q = static_cast<float>(i / radius);
    sum += w[i + kHalf] = std::exp(-q * q / 2);
  }
  for (float& v : w) v /= sum;
  // Outer weights too small to change a byte are dropped.
  int k = kHalf;
  for (float outer = 0; k > 1; --k) {
    outer += 2 * w[k + kHalf];
    if (outer >= 1.0f / (2 * 255)) break;
  }
  float kept = 0;
  for (int i = -k; i <= k; ++i) kept += w[i + kHalf];
  for (int i = -k; i <= k; ++i) w[i + kHalf] /= kept;

  const auto pass = [&](int count, int length, auto at) {
    std::vector<std::uint8_t> line(static_cast<std::size_t>(length));
    for (int n = 0; n < count; ++n) {
      for (int i = 0; i < length; ++i) line[static_cast<std::size_t>(i)] = at(n, i);
      for (int i = 0; i < length; ++i) {
        float v = 0;
        for (int j = -k; j <= k; ++j) v += w[j + kHalf] * line[static_cast<std::size_t>(std::clamp(i - j, 0, length - 1))];
        // The weights sum to 1 only up to float rounding: a little slack keeps white white.
        at(n, i) = static_cast<std::uint8_t>(std::clamp(v + kSlack, 0.0f, 255.0f));
      }
    }
  };
  pass(grey.Height, grey.Width, [&](int y, int x) -> std::uint8_t& { return grey.Row(y)[x]; });
  pass(grey.Width, grey.Height, [&](int x, int y) -> std::uint8_t& { return grey.Row(y)[x]; });
}

void acDrawGlowForText(TBitmap32& bmp, std::string_view text, const TRect& rect, TacGlowMask& glow, TColor color,
                       int size, unsigned contour, unsigned format, TsTextRasteriser& raster) {
  if (bmp.Empty() || text.empty() || rect.IsEmpty() || size <= 0) return;
  const int margin = size + 4;
  const int w = rect.Width() + 2 * margin, h = rect.Height() + 2 * margin;
  if (glow.Mask.Width != w || glow.Mask.Height != h || glow.Text != text || glow.Size != size ||
      glow.Contour != contour || glow.Format != format) {
    TBitmap32 scratch = WhiteScratch(w, h);
    if (scratch.Empty()) return;
    static constexpr TPoint kShifts[4] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    const TRect at{margin, margin, margin + rect.Width(), margin + rect.Height()};
    for (unsigned k = 0; k < 4; ++k)
      if (contour & (1u << k))
        raster.DrawBlack(scratch, text,
                         {at.Left + kShifts[k].X, at.Top + kShifts[k].Y, at.Right + kShifts[k].X, at.Bottom + kShifts[k].Y},
                         format);
    raster.DrawBlack(scratch, text, at, format);
    glow.Mask = {w, h, std::vector<std::uint8_t>(static_cast<std::size_t>(w) * static_cast<std::size_t>(h))};
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {  // the darkest channel: full ink wherever any channel is inked
        const TsColor p = scratch.Row(y)[x];
        glow.Mask.Row(y)[x] = static_cast<std::uint8_t>(std::min({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}));
      }
    Blur8(glow.Mask, size);
    glow.Text = text;
    glow.Size = size;
    glow.Contour = contour;
    glow.Format = format;
  }
  const TsColor c = SwapRedBlue(ColorToRGB(color));
  for (int y = 0; y < h; ++y) {
    const int ty = rect.Top + y - margin;
    if (ty < 0 || ty >= bmp.Height()) continue;
    TsColor* d = bmp.Row(ty);
    const std::uint8_t* m = glow.Mask.Row(y);
    for (int x = 0; x < w; ++x) {
      const int tx = rect.Left + x - margin;
      if (m[x] == 255 || tx < 0 || tx >= bmp.Width()) continue;
      const TsColor inv = 255u - m[x], a = d[tx] >> 24;
      TsColor out = ((255u - a) * inv / 256 + a) << 24;
      for (int k = 0; k < 24; k += 8)
        out |= (((inv * ((c >> k) & 0xFF) + ((d[tx] >> k) & 0xFF) * m[x]) >> 8) & 0xFF) << k;
      d[tx] = out;
    }
  }
}

std::string CutText(std::string_view text, int width, TsTextRasteriser& raster) {
  if (width <= 0) return {};
  if (raster.TextWidth(text) <= width) return std::string(text);
  std::vector<std::size_t> starts = CharStarts(text, raster);
  std::string kept(text);
  while (!kept.empty() && raster.TextWidth(kept + "...") > width) {
    kept.resize(starts.back());
    starts.pop_back();
  }
  return kept + "...";
}

bool UsesParentFontSection(const TsSkinModel& skin, int skinIndex, int state) {
  if (!skin.IsValidSkinIndex(skinIndex)) return false;
  const auto& shared = skin.SkinConstants.Sections;
  if (std::find(shared.begin(), shared.end(), skinIndex) == shared.end()) return false;
  const TsGeneralData& s = skin.gd[static_cast<std::size_t>(skinIndex)];
  return s.Props[std::clamp(state, 0, 1)].Transparency >= 1;
}

TColor ChangedTextColor(TColor color, const TsItemColors& changes) {
  TColor c = ColorToRGB(color);
  if (changes.ColorTone != clNone) c = SwapRedBlue(ChangeTone(SwapRedBlue(c), ColorToRGB(changes.ColorTone)));
  if (changes.HUEOffset != 0) c = ChangeHue(changes.HUEOffset, c);
  if (changes.Saturation != 0) c = ChangeSaturation(c, Trunc(changes.Saturation * 2.55));
  return ColorToRGB(c) & 0x00FFFFFFu;
}

void WriteTextEx(TBitmap32& canvas, std::string_view text, bool enabled, bool hot, const TsCaptionSkin& skin,
                 unsigned format, const TRect& rect, TColor fontColor, TsTextRasteriser& raster) {
  if (text.empty() || rect.IsEmpty()) return;
  const bool skinned = skin.Skin != nullptr && skin.Skin->IsValidSkinIndex(skin.SkinIndex);
  // Underlined only for this caption.
  struct TUnderline {
    TsTextRasteriser& Raster;
    explicit TUnderline(TsTextRasteriser& r, bool on) : Raster(r) { Raster.SetUnderline(on); }
    ~TUnderline() { Raster.SetUnderline(false); }
  } underline(raster, hot && skinned && skin.SkinIndex == skin.Skin->SkinConstants.Sections[ssWebButton]);

  if (!skinned || skin.CustomFont) {
    if (enabled) {
      DrawTextCoverage(canvas, text, rect, format, fontColor, {}, raster);
    } else {
      DrawTextCoverage(canvas, text, rect, format, kBtnHighlight, {1, 1}, raster);
      DrawTextCoverage(canvas, text, rect, format, kBtnShadow, {}, raster);
    }
    return;
  }
  const int font = skin.Skin->IsValidSkinIndex(skin.FontIndex) ? skin.FontIndex : skin.SkinIndex;
  const TsGenState& st = skin.Skin->gd[static_cast<std::size_t>(font)].Props[hot ? 1 : 0];
  if (skin.Glow != nullptr && st.GlowSize != 0)
    acDrawGlowForText(canvas, text, rect, *skin.Glow, ChangedTextColor(st.GlowColor, skin.Colors), st.GlowSize, 15,
                      format, raster);
  TsTextColors colors;
  colors.Main = ChangedTextColor(st.FontColor[0], skin.Colors);
  for (std::size_t k = 0; k < 4; ++k)
    if (st.FontColor[k + 1] != kNoContour) colors.Contour[k] = ChangedTextColor(st.FontColor[k + 1], skin.Colors);
  WriteTextColors(canvas, text, enabled, format, colors, rect, raster);
}
