#include "skin/data/record_name_index.h"

#include <algorithm>
#include <bit>
#include <utility>

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

void TSectionRecordIndex::Build(const std::vector<TsMaskData>& records) {
  slots_.assign(std::bit_ceil(std::max<std::size_t>(16, records.size() * 2)), TSlot{});
  next_.assign(records.size(), -1);
  keyHashes_.resize(records.size());
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t r = 0; r < records.size(); ++r) {
    const TsMaskData& md = records[r];
    keyHashes_[r] = TRecordNameIndex::TName(md.KeyName).Hash;
    const std::uint32_t hash = TRecordNameIndex::TName(md.SectionName).Hash;
    std::size_t i = hash & mask;
    while (slots_[i].First >= 0 &&
           !(slots_[i].Hash == hash && records[static_cast<std::size_t>(slots_[i].First)].SectionName == md.SectionName))
      i = (i + 1) & mask;
    const int position = static_cast<int>(r);
    if (slots_[i].First < 0)
      slots_[i] = {hash, position, position};
    else
      next_[static_cast<std::size_t>(std::exchange(slots_[i].Last, position))] = position;
  }
}

int TSectionRecordIndex::First(const std::vector<TsMaskData>& records, const TRecordNameIndex::TName& section) const {
  if (slots_.empty()) return -1;
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t i = section.Hash & mask; slots_[i].First >= 0; i = (i + 1) & mask)
    if (slots_[i].Hash == section.Hash && records[static_cast<std::size_t>(slots_[i].First)].SectionName == section.Text)
      return slots_[i].First;
  return -1;
}
