// Fuzz target: loading a whole skin from package bytes. An input starting
// with "ASzf" is a container as it stands; any other input is split at
// "@@@@" into the options text and image files ("NAME\n" then the file's
// bytes), packed, and loaded, so the fuzzer reaches the options reader, the
// image decoders and the model instead of stopping at damaged zlib streams.
// A load must either be refused with EPackedSkinError or give a model whose
// indexes all point at records that exist, with every record inside its picture.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "skin/data/packed_skin.h"
#include "skin/data/skin_model.h"
#include "skin/data/skin_source.h"

namespace {

std::vector<std::uint8_t> PackageOf(std::string_view input) {
  std::vector<TPackedEntry> entries;
  std::size_t at = 0;
  for (bool first = true;; first = false) {
    const std::size_t end = input.find("@@@@", at);
    const std::string_view part = input.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    if (first) {
      entries.push_back({"Options.dat", 0, {part.begin(), part.end()}});
    } else {
      const std::size_t newline = part.find('\n');
      const std::string_view name = part.substr(0, std::min(newline, part.size()));
      const std::string_view bytes = newline == std::string_view::npos ? std::string_view() : part.substr(newline + 1);
      entries.push_back({std::string(name), 0, {bytes.begin(), bytes.end()}});
    }
    if (end == std::string_view::npos) break;
    at = end + 4;
  }
  return WritePackedEntries(entries);
}

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckModel(TsSkinModel& model) {
  const auto index = [&](int i) { Check(i == -1 || model.IsValidImgIndex(i)); };
  for (const TsGeneralData& s : model.gd) {
    index(s.BorderMaskIndex);
    index(s.OuterMaskIndex);
    index(s.TextureIndex);
    for (int i : s.CornerImageIndex) index(i);
    for (const TsGenState& st : s.Props) index(st.TextureIndex);
  }
  for (int i : model.SkinConstants.TitleGlyphs) index(i);
  for (int i : model.SkinConstants.CheckGlyphs) index(i);
  for (const OuterEffectRecord& e : model.OuterEffects) index(e.ImageIndex);
  for (std::size_t i = 0; i < model.ma.size(); ++i) {
    const TsMaskData& md = model.ma[i];
    const TBitmap32& src = model.SourceOf(md);
    const TRect& r = md.SourceRect;
    Check(r.IsEmpty() || (r.Left >= 0 && r.Top >= 0 && r.Right <= src.Width() && r.Bottom <= src.Height()));
    Check(WidthOfImage(md) >= 0 && HeightOfImage(md) >= 0);
    model.MaskWidthLeft(static_cast<int>(i));
    model.MaskWidthBottom(static_cast<int>(i));
  }
  for (const TsGeneralData& s : model.gd) {
    const int self = model.GetSkinIndex(s.SectionName);
    model.GetMaskIndex(self, s.SectionName, "GLYPHMASK");
    model.GetPatternIndex(self, s.SectionName, "PATTERN");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::uint8_t> package;
  std::span<const std::uint8_t> bytes(data, size);
  if (!input.starts_with("ASzf")) {
    package = PackageOf(input);
    bytes = package;
  }
  std::unique_ptr<TsSkinSource> source;
  try {
    source = TsSkinSource::FromPackedBytes(bytes);
  } catch (const EPackedSkinError&) {
    return 0;
  }
  TsSkinModel model;
  TsLoadSettings settings;
  settings.CommonSections = "[BUTTON]\nCOLOR=255\n[EXTRA]\nPARENTCLASS=button\nGLYPHMASK=Master.bmp#(0,0,4,4)(1,0)\n";
  try {
    model.Load(*source, settings);
  } catch (const EPackedSkinError&) {
    Check(model.gd.empty() && model.ma.empty());  // a refused skin leaves nothing half loaded
    return 0;
  }
  CheckModel(model);
  return 0;
}
