#include "skin/controls/buttons/button_glyph.h"

#include <algorithm>

#include "skin/controls/layout/bitbtn_layout.h"
#include "skin/paint/pixel_changes.h"

namespace {

constexpr int Channel(TsColor p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

// One pixel of a glyph laid over the destination with an opacity out of 255.
TsColor Over(TsColor dst, TsColor src, int alpha) {
  TsColor out = dst | 0xFF000000u;
  for (int shift : {0, 8, 16}) {
    const int d = Channel(dst, shift), s = Channel(src, shift);
    const int mixed = d + (s - d) * alpha / 255;
    out = (out & ~(0xFFu << shift)) | (static_cast<TsColor>(mixed) << shift);
  }
  return out;
}

TsColor Gray(TsColor p) {
  const TsColor g = static_cast<TsColor>((Channel(p, 0) + Channel(p, 8) + Channel(p, 16)) / 3);
  return (p & 0xFF000000u) | g | (g << 8) | (g << 16);
}

struct TGlyphLook {
  bool Gray = false;
  int Opacity = 255;  // out of 255
};

TGlyphLook LookOf(const TacDrawGlyphData& data) {
  TGlyphLook look;
  look.Gray = GlyphGrayKey(data) != clNone;
  if (!data.Enabled) {
    if (data.DisabledGlyphKind & dgBlended) look.Opacity = 128;
  } else if (data.State == 0 && data.Blend > 0) {
    look.Opacity = 255 * (100 - std::clamp(data.Blend, 0, 100)) / 100;
  }
  return look;
}

// Copies src's rect to the destination rectangle's top-left: alpha pixels by
// their alpha, keyed ones skipping the key.
void Lay(TBitmap32& dst, TPoint at, const TBitmap32& src, const TRect& from, bool useAlpha, TsColor key,
         const TGlyphLook& look) {
  for (int y = from.Top; y < from.Bottom; ++y) {
    const int ty = at.Y + y - from.Top;
    if (y < 0 || y >= src.Height() || ty < 0 || ty >= dst.Height()) continue;
    const TsColor* srow = src.Row(y);
    TsColor* drow = dst.Row(ty);
    for (int x = from.Left; x < from.Right; ++x) {
      const int tx = at.X + x - from.Left;
      if (x < 0 || x >= src.Width() || tx < 0 || tx >= dst.Width()) continue;
      TsColor p = srow[x];
      int alpha = look.Opacity;
      if (useAlpha) {
        alpha = alpha * static_cast<int>(p >> 24) / 255;
      } else if ((p & 0x00FFFFFFu) == key) {
        continue;
      }
      if (look.Gray) p = Gray(p);
      drow[tx] = Over(drow[tx], p, alpha);
    }
  }
}

}  // namespace

TColor GlyphGrayKey(const TacDrawGlyphData& data) {
  const bool gray = (data.State == 0 && data.Grayed) || (!data.Enabled && (data.DisabledGlyphKind & dgGrayed));
  if (!gray) return clNone;
  if (data.Skin && data.Skin->IsValidSkinIndex(data.SkinIndex))
    return data.Skin->gd[static_cast<std::size_t>(data.SkinIndex)].Props[0].Color;
  return 0x00FFFFFF;
}

void acDrawGlyphEx(const TacDrawGlyphData& data) {
  if (!data.Dest || data.Dest->Empty() || data.Rect.IsEmpty()) return;
  const TGlyphLook look = LookOf(data);
  const TPoint at{data.Rect.Left, data.Rect.Top};
  if (data.Image && !data.Image->Empty()) {
    const TsColor key = data.Image->Row(0)[0] & 0x00FFFFFFu;
    Lay(*data.Dest, at, *data.Image, {0, 0, data.Image->Width(), data.Image->Height()}, false, key, look);
    return;
  }
  if (!data.Glyph || data.Glyph->Empty()) return;
  const int frames = std::max(1, data.FrameCount);
  const int width = data.Glyph->Width() / frames;
  const int frame = GlyphFrameIndex(data.Down ? 2 : data.State, frames);
  const TRect from{frame * width, 0, frame * width + width, data.Glyph->Height()};
  const TsColor key = data.Glyph->Row(data.Glyph->Height() - 1)[from.Left] & 0x00FFFFFFu;
  Lay(*data.Dest, at, *data.Glyph, from, data.GlyphHasAlpha, key, look);
}
