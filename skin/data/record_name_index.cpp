#include "skin/data/record_name_index.h"

#include <bit>

namespace {

std::uint32_t NamesHash(std::string_view section, std::string_view key) {
  std::uint32_t h = 2166136261u;  // FNV-1a over section, a separator, key
  const auto add = [&h](std::string_view text) {
    for (char c : text) h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
  };
  add(section);
  h = (h ^ 0x1Fu) * 16777619u;
  add(key);
  return h;
}

bool Named(const TsMaskData& md, std::string_view section, std::string_view key) {
  return md.SectionName == section && md.KeyName == key;
}

}  // namespace

void TRecordNameIndex::Build(const std::vector<TsMaskData>& records, bool texturesOnly) {
  slots_.assign(std::bit_ceil(std::max<std::size_t>(16, records.size() * 2)), TSlot{});
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t r = 0; r < records.size(); ++r) {
    const TsMaskData& md = records[r];
    if (texturesOnly && md.Kind != itisaTexture) continue;
    const std::uint32_t hash = NamesHash(md.SectionName, md.KeyName);
    std::size_t i = hash & mask;
    while (slots_[i].Position != 0 &&
           !(slots_[i].Hash == hash && Named(records[slots_[i].Position - 1], md.SectionName, md.KeyName)))
      i = (i + 1) & mask;
    if (slots_[i].Position == 0) slots_[i] = {hash, static_cast<std::uint32_t>(r + 1)};  // else an earlier one stays
  }
}

int TRecordNameIndex::Find(const std::vector<TsMaskData>& records, std::string_view section,
                           std::string_view key) const {
  if (slots_.empty()) return -1;
  const std::uint32_t hash = NamesHash(section, key);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].Position != 0; i = (i + 1) & mask)
    if (slots_[i].Hash == hash && Named(records[slots_[i].Position - 1], section, key))
      return static_cast<int>(slots_[i].Position - 1);
  return -1;
}
