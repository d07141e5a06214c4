#include "skin/data/skin_convertor.h"

#include <algorithm>

#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"

void TacSkinConvertor::LendPackedData(std::span<const std::uint8_t> data) {
  owned_.clear();
  packed_ = data;
}

void TacSkinConvertor::TakePackedData(std::vector<std::uint8_t> data) {
  owned_ = std::move(data);
  packed_ = owned_;
}

void TacSkinConvertor::FreePackedData() {
  owned_ = {};
  packed_ = {};
}

void TacSkinConvertor::Clear() {
  Files.clear();
  Options.reset();
  ImageCount = 0;
  FreePackedData();
}

void ExtractPackedData(std::unique_ptr<TacSkinConvertor>& convertor) {
  if (!convertor) return;
  std::vector<TPackedEntry> entries;
  try {
    entries = ReadPackedEntries(convertor->PackedData());
  } catch (const EPackedSkinError&) {
    convertor.reset();
    throw;
  }
  TacSkinConvertor& c = *convertor;
  c.Files.clear();
  c.Options.reset();
  c.ImageCount = static_cast<int>(entries.size()) - 1;
  static const std::string kOptionsName = UpperName("Options.dat");
  for (TPackedEntry& entry : entries) {
    if (UpperName(entry.Name) == kOptionsName) {
      c.Options = std::move(entry.Content);
      continue;
    }
    const std::size_t dot = entry.Name.rfind('.');
    const bool isBitmap = dot != std::string::npos && UpperName(entry.Name.substr(dot)) == ".BMP";
    c.Files.push_back({std::move(entry.Name), isBitmap, std::move(entry.Content)});
  }
}

void LoadSkinFromFile(const std::filesystem::path& file, std::unique_ptr<TacSkinConvertor>& convertor,
                      bool freePackedData) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return;
  std::vector<std::uint8_t> bytes = ReadFileBytes(file);
  if (convertor)
    convertor->Clear();
  else
    convertor = std::make_unique<TacSkinConvertor>();
  convertor->TakePackedData(std::move(bytes));
  ExtractPackedData(convertor);
  if (freePackedData && convertor) convertor->FreePackedData();
}

const TacImageItem* FindImageEntry(const TacSkinConvertor& convertor, std::string_view name) {
  const std::string wanted = UpperName(name);
  const std::size_t count = std::min<std::size_t>(std::max(convertor.ImageCount, 0), convertor.Files.size());
  for (std::size_t i = 0; i < count; ++i)
    if (UpperName(convertor.Files[i].FileName) == wanted) return &convertor.Files[i];
  return nullptr;
}
