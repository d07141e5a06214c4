#include "skin/data/record_name_index.h"

#include <algorithm>
#include <bit>

namespace {

std::uint32_t NamesHash(const TRecordNameIndex::TName& section, const TRecordNameIndex::TName& key) {
  std::uint32_t h = section.Hash * 0x9E3779B1u + key.Hash;
  h ^= h >> 15;
  h *= 0x85EBCA6Bu;
  return h ^ (h >> 13);
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
    const std::uint32_t hash = NamesHash(TName(md.SectionName), TName(md.KeyName));
    std::size_t i = hash & mask;
    while (slots_[i].Position != 0 &&
           !(slots_[i].Hash == hash && Named(records[slots_[i].Position - 1], md.SectionName, md.KeyName)))
      i = (i + 1) & mask;
    if (slots_[i].Position == 0) slots_[i] = {hash, static_cast<std::uint32_t>(r + 1)};  // else an earlier one stays
  }
}

int TRecordNameIndex::Find(const std::vector<TsMaskData>& records, const TName& section, const TName& key) const {
  if (slots_.empty()) return -1;
  const std::uint32_t hash = NamesHash(section, key);
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = hash & mask; slots_[i].Position != 0; i = (i + 1) & mask)
    if (slots_[i].Hash == hash && Named(records[slots_[i].Position - 1], section.Text, key.Text))
      return static_cast<int>(slots_[i].Position - 1);
  return -1;
}
