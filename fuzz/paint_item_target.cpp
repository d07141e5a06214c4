// Fuzz target: painting sections of a fuzzed skin. The first 32 bytes choose
// what is painted (sections, states, sizes, margins, offsets, the parent's
// background, colour changes, textures); the rest is the options text of a
// skin whose images are those of the internal skin, so the records cut real
// pictures. Every paint must stay inside the bitmaps it reads and writes.
#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/data/packed_skin.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"
#include "skin/paint/fills.h"
#include "skin/paint/items/paint_item.h"
#include "skin/paint/items/skin_rect.h"
#include "skins/internal_skin.h"

namespace {

constexpr std::size_t kHeader = 32;

// Bytes of the header, read one after another (0 past the end).
class TChoices {
 public:
  TChoices(const std::uint8_t* data, std::size_t size) : data_(data), size_(std::min(size, kHeader)) {}
  int Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int Signed() { return static_cast<std::int8_t>(Byte()); }
  int Word() { return Byte() | Byte() << 8; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

const std::vector<TPackedEntry>& InternalImages() {
  static const std::vector<TPackedEntry> images = [] {
    std::vector<TPackedEntry> entries = ReadPackedEntries(InternalSkinPackage());
    std::erase_if(entries, [](const TPackedEntry& e) { return UpperName(e.Name) == "OPTIONS.DAT"; });
    return entries;
  }();
  return images;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TChoices choose(data, size);
  const std::string_view options(reinterpret_cast<const char*>(data) + std::min(size, kHeader),
                                 size - std::min(size, kHeader));
  std::vector<TPackedEntry> entries = InternalImages();
  entries.insert(entries.begin(), TPackedEntry{"Options.dat", 0, {options.begin(), options.end()}});
  const std::vector<std::uint8_t> package = WritePackedEntries(entries);
  TsSkinModel model;
  model.Load(*TsSkinSource::FromPackedBytes(package));
  if (model.gd.empty()) return 0;

  const int width = 1 + choose.Byte() % 160, height = 1 + choose.Byte() % 96;
  TBitmap32 bmp(width, height);
  FillRect32(bmp, {0, 0, width, height}, 0x808080, 0);
  // The parent: nothing, a plain colour, a ready cache anywhere (even off its
  // bitmap), or a frame around a rectangle.
  TBitmap32 parent(1 + choose.Byte() % 200, 1 + choose.Byte() % 120);
  TCacheInfo ci;
  switch (choose.Byte() % 4) {
    case 1: ci.FillColor = static_cast<TColor>(choose.Word()) * 0x101u; break;
    case 2:
      ci.Bitmap = &parent;
      ci.Ready = true;
      break;
    case 3:
      ci.Bitmap = &parent;
      ci.FillColor = 0x123456;
      ci.Rect = {choose.Signed(), choose.Signed(), choose.Signed() + 100, choose.Signed() + 60};
      break;
    default: break;
  }
  ci.X = choose.Signed() * 2;
  ci.Y = choose.Signed() * 2;

  const int sections = static_cast<int>(model.gd.size());
  const int images = static_cast<int>(model.ma.size());
  TsItemColors colors;
  if (choose.Byte() & 1) colors.ColorTone = static_cast<TColor>(choose.Word()) << 8;
  colors.HUEOffset = choose.Signed() * 3;
  colors.Saturation = choose.Signed();
  TsItemTextures textures{choose.Byte() % (images + 2) - 1, choose.Byte() % (images + 2) - 1};

  for (int round = 0; round < 3; ++round) {
    const int section = choose.Byte() % (sections + 1);  // one past the end: invalid
    const int state = choose.Signed() % 9;
    const TRect rect{choose.Byte() % 8, choose.Byte() % 8, width - choose.Byte() % 8, height - choose.Byte() % 8};
    const TPoint offset{choose.Signed(), choose.Signed()};
    PaintItem(&model, section, ci, state, rect, offset, bmp, colors, textures);
    // The painters below PaintItem also take rectangles reaching past the bitmap.
    const TRect loose{rect.Left - 20, rect.Top - 10, rect.Right + 20, rect.Bottom + 10};
    if (section < sections) PaintItemBG(model, section, ci, state, loose, offset, bmp, textures);
    if (images > 0) {
      const TsMaskData& md = model.ma[static_cast<std::size_t>(choose.Byte() % images)];
      DrawSkinRect(bmp, loose, ci, true, state, md);
      DrawSkinGlyph(bmp, {rect.Left - 8, rect.Bottom - 8}, state, ci, md);
    }
  }
  return 0;
}
