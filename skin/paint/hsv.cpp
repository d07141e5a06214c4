#include "skin/paint/hsv.h"

#include <algorithm>
#include <cmath>

#include "skin/paint/hsv_steps.h"

namespace {

struct Channels {
  int R, G, B;
};

Channels ChannelsOfColor(TColor c) { return {ByteOf(c, 0), ByteOf(c, 1), ByteOf(c, 2)}; }
TColor ColorOfChannels(const Channels& c, TColor top) { return MakeBytes(c.R, c.G, c.B, top); }

// Hue in degrees (0 <= h < 360) by the six-sector formula; 0 for greys.
double HueOf(const Channels& c) {
  const int v = std::max({c.R, c.G, c.B});
  const int delta = v - std::min({c.R, c.G, c.B});
  if (delta == 0) return 0;
  if (c.R == v) return SectorHue(0, c.G - c.B, delta);
  if (c.G == v) return SectorHue(1, c.B - c.R, delta);
  return SectorHue(2, c.R - c.G, delta);
}

double SaturationOf(const Channels& c) {
  const int v = std::max({c.R, c.G, c.B});
  return v == 0 ? 0 : static_cast<double>(v - std::min({c.R, c.G, c.B})) / v;
}

// Back from hue (0..359), saturation and value in 0..255.
Channels FromHsv(int hue, double s, double v) {
  if (s == 0) {
    const int grey = HsvLevel(v);
    return {grey, grey, grey};
  }
  const int sector = hue / 60;
  const double f = SectorFraction(hue);
  const int p = LowLevel(s, v);
  const int q = FallingLevel(s, v, f);
  const int t = RisingLevel(s, v, f);
  const int w = HsvLevel(v);
  switch (sector) {
    case 0: return {w, t, p};
    case 1: return {q, w, p};
    case 2: return {p, w, t};
    case 3: return {p, q, w};
    case 4: return {t, p, w};
    default: return {w, p, q};
  }
}

int WrapDegrees(long long h) {
  const int m = static_cast<int>(h % 360);
  return m < 0 ? m + 360 : m;
}

}  // namespace

double SectorHue(int largest, int num, int delta) {
  // 0 + x is x itself: red's sector adds nothing.
  const double h = (2 * largest + static_cast<double>(num) / delta) * 60;
  return h < 0 ? h + 360 : h;
}

THsv RGBToHSV(TColor color) {
  const Channels c = ChannelsOfColor(color);
  return {static_cast<int>(HueOf(c)), SaturationOf(c), std::max({c.R, c.G, c.B}) / 255.0};
}

TColor HSVtoRGB(const THsv& hsv) {
  return ColorOfChannels(FromHsv(WrapDegrees(hsv.H), hsv.S, hsv.V * 255), 0);
}

THsv Rgb2Hsv(TsColor pixel) { return RGBToHSV(SwapRedBlue(pixel & 0x00FFFFFFu)); }
TsColor Hsv2Rgb(const THsv& hsv) { return SwapRedBlue(HSVtoRGB(hsv)); }

TColor ChangeHue(int offset, TColor color) {
  const Channels c = ChannelsOfColor(color);
  const double s = SaturationOf(c);
  if (s == 0) return color;
  const int hue = WrapDegrees(static_cast<long long>(std::trunc(HueOf(c) + offset)));
  return ColorOfChannels(FromHsv(hue, s, std::max({c.R, c.G, c.B})), color);
}
