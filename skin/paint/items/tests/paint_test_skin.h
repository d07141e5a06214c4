#pragma once
// Skins made by the painter tests: an options text and a master bitmap drawn
// pixel by pixel, packed and loaded as the skin manager loads a skin.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/packed_skin.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"
#include "skin/paint/cache_info.h"

// Pixels as the painters hold them: 0xAARRGGBB; opaque unless the key.
inline TBitmap32 Picture(int w, int h, const std::function<TsColor(int, int)>& pixel) {
  TBitmap32 bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bmp.Row(y)[x] = pixel(x, y);
  return bmp;
}

inline TsColor Opaque(std::uint32_t rgb) { return 0xFF000000u | rgb; }

// A 24-bit bottom-up BMP file of the picture.
inline std::vector<std::uint8_t> Bmp24(const TBitmap32& pic) {
  const int stride = (pic.Width() * 3 + 3) / 4 * 4;
  const std::uint32_t size = 54 + static_cast<std::uint32_t>(stride * pic.Height());
  std::vector<std::uint8_t> out(size, 0);
  const auto put = [&](std::size_t at, std::uint32_t v, int bytes) {
    for (int k = 0; k < bytes; ++k) out[at + k] = static_cast<std::uint8_t>(v >> (8 * k));
  };
  out[0] = 'B';
  out[1] = 'M';
  put(2, size, 4);
  put(10, 54, 4);
  put(14, 40, 4);
  put(18, static_cast<std::uint32_t>(pic.Width()), 4);
  put(22, static_cast<std::uint32_t>(pic.Height()), 4);
  put(26, 1, 2);
  put(28, 24, 2);
  for (int y = 0; y < pic.Height(); ++y) {
    const std::size_t row = 54 + static_cast<std::size_t>(stride) * (pic.Height() - 1 - y);
    for (int x = 0; x < pic.Width(); ++x) put(row + 3 * x, pic.Row(y)[x] & 0xFFFFFFu, 3);
  }
  return out;
}

class TTestSkin {
 public:
  // options: the sections after a "GLOBALINFO" naming the master bitmap.
  TTestSkin(const std::string& options, const TBitmap32& master) {
    const std::string text = "[GLOBALINFO]\nMASTERBITMAP=Master.bmp\n" + options;
    const std::vector<std::uint8_t> package =
        WritePackedEntries({{"Options.dat", 0, {text.begin(), text.end()}}, {"Master.bmp", 0, Bmp24(master)}});
    Model.Load(*TsSkinSource::FromPackedBytes(package));
  }
  int Section(const std::string& name) const {
    const int i = Model.GetSkinIndex(name);
    EXPECT_GE(i, 0) << name;
    return i;
  }
  TsMaskData& Image(const std::string& section, const std::string& key) {
    const int i = Model.GetMaskIndex(section, key);
    EXPECT_GE(i, 0) << section << " " << key;
    return Model.ma.at(static_cast<std::size_t>(i));
  }
  TsSkinModel Model;
};

inline TCacheInfo ReadyCache(const TBitmap32& bmp, int x, int y) {
  TCacheInfo ci;
  ci.Bitmap = &bmp;
  ci.X = x;
  ci.Y = y;
  ci.Ready = true;
  return ci;
}

inline TCacheInfo FillOnly(TColor color) {
  TCacheInfo ci;
  ci.FillColor = color;
  return ci;
}
