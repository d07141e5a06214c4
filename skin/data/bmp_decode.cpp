#include "skin/data/bmp_decode.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;

std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

// One channel of a bit-fields pixel scaled to 8 bits.
struct TChannel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;
  explicit TChannel(std::uint32_t mask) : Mask(mask) {
    if (mask == 0) return;
    Shift = std::countr_zero(mask);
    Bits = std::min(std::popcount(mask >> Shift), 8);
  }
  std::uint32_t Of(std::uint32_t pixel) const {
    if (Mask == 0) return 0;
    const std::uint32_t v = ((pixel & Mask) >> Shift) & ((1u << Bits) - 1);
    return Bits == 8 ? v : v * 255 / ((1u << Bits) - 1);
  }
};

struct THeader {
  std::int64_t Width = 0;
  std::int64_t Height = 0;  // positive: rows stored bottom-up
  int Bits = 0;
  std::uint32_t Compression = kBiRgb;
  std::size_t PaletteAt = 0;
  std::size_t PaletteEntrySize = 4;
  std::uint32_t PaletteCount = 0;
  std::array<std::uint32_t, 4> Masks{0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};  // r, g, b, a
};

bool ReadHeader(const std::uint8_t* data, std::size_t size, THeader& h) {
  if (size < kFileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M') return false;
  const std::uint32_t infoSize = U32(data + kFileHeaderSize);
  const std::uint8_t* info = data + kFileHeaderSize;
  if (infoSize == 12) {  // the old core header: 16-bit sizes, 3-byte colour table entries
    h.Width = U16(info + 4);
    h.Height = static_cast<std::int16_t>(U16(info + 6));
    h.Bits = U16(info + 10);
    h.PaletteEntrySize = 3;
  } else {
    if (infoSize < 40 || infoSize > size - kFileHeaderSize) return false;
    h.Width = static_cast<std::int32_t>(U32(info + 4));
    h.Height = static_cast<std::int32_t>(U32(info + 8));
    h.Bits = U16(info + 14);
    h.Compression = U32(info + 16);
    h.PaletteCount = U32(info + 32);
    if (h.Compression == kBiBitFields) {
      // The masks follow the 40-byte header, inside larger headers or after it.
      const bool hasAlphaMask = infoSize >= 56;
      if (kFileHeaderSize + 40 + (hasAlphaMask ? 16 : 12) > size) return false;
      for (int k = 0; k < 3; ++k) h.Masks[k] = U32(info + 40 + 4 * k);
      h.Masks[3] = hasAlphaMask ? U32(info + 52) : 0;
    }
  }
  h.PaletteAt = kFileHeaderSize + infoSize + (infoSize == 40 && h.Compression == kBiBitFields ? 12 : 0);
  if (h.Height == 0 || h.Height == INT32_MIN) return false;
  return true;
}

}  // namespace

bool DecodeBmpInto(const std::uint8_t* data, std::size_t size, TPixelTarget& target, TBmpInfo* out) {
  if (data == nullptr) return false;
  THeader h;
  if (!ReadHeader(data, size, h)) return false;
  const bool topDown = h.Height < 0;
  const std::int64_t height = topDown ? -h.Height : h.Height;
  const std::int64_t width = h.Width;
  const bool indexed = h.Bits == 1 || h.Bits == 4 || h.Bits == 8;
  if (!indexed && h.Bits != 24 && h.Bits != 32) return false;
  if (h.Compression != kBiRgb && !(h.Compression == kBiBitFields && h.Bits == 32)) return false;
  if (!ImageSizeAllowed(width, height)) return false;

  // Every pixel row must lie inside the data before anything is allocated.
  const std::uint32_t offset = U32(data + 10);
  const std::int64_t stride = (width * h.Bits + 31) / 32 * 4;
  if (offset > size || static_cast<std::int64_t>(size - offset) < stride * height) return false;

  std::array<std::uint32_t, 256> palette{};
  if (indexed) {
    std::uint32_t count = h.PaletteCount == 0 || h.PaletteCount > (1u << h.Bits) ? 1u << h.Bits : h.PaletteCount;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::size_t at = h.PaletteAt + i * h.PaletteEntrySize;
      if (at + 3 > offset) break;  // a short table: the missing entries stay black
      palette[i] = data[at] | (data[at + 1] << 8) | (data[at + 2] << 16);
    }
  }
  const TChannel red(h.Masks[0]), green(h.Masks[1]), blue(h.Masks[2]), alpha(h.Masks[3]);
  const bool plain32 = h.Compression == kBiRgb;

  if (!target.Allocate(static_cast<int>(width), static_cast<int>(height))) return false;
  for (std::int64_t y = 0; y < height; ++y) {
    const std::uint8_t* src = data + offset + stride * (topDown ? y : height - 1 - y);
    std::uint32_t* dst = target.Row(static_cast<int>(y));
    switch (h.Bits) {
      case 32:
        for (std::int64_t x = 0; x < width; ++x) {
          const std::uint32_t p = U32(src + 4 * x);
          dst[x] = plain32 ? p : blue.Of(p) | green.Of(p) << 8 | red.Of(p) << 16 | alpha.Of(p) << 24;
        }
        break;
      case 24:
        for (std::int64_t x = 0; x < width; ++x, src += 3) dst[x] = src[0] | (src[1] << 8) | (src[2] << 16);
        break;
      default: {
        const int perByte = 8 / h.Bits;
        const unsigned mask = (1u << h.Bits) - 1;
        for (std::int64_t x = 0; x < width; ++x) {
          const int shift = 8 - h.Bits * (1 + static_cast<int>(x % perByte));
          dst[x] = palette[(src[x / perByte] >> shift) & mask];
        }
      }
    }
  }
  if (out) *out = {static_cast<int>(width), static_cast<int>(height), h.Bits};
  return true;
}
