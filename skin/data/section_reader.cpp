#include "skin/data/section_reader.h"

#include <algorithm>

#include "skin/paint/colors.h"

TSectionKeySet::TSectionKeySet(std::span<const std::string_view> names) : names_(names) {
  for (std::size_t i = 0; i < names_.size(); ++i)
    if (Find(names_[i]) == TNoCasePositions::npos) index_.Add(NoCaseHash(names_[i]), i);
}

std::size_t TSectionKeySet::Find(std::string_view key, std::uint32_t hash) const {
  return index_.Find(key, hash, [this](std::size_t i) { return names_[i]; });
}

TSectionValues::TSectionValues(const TIniText& ini, const TSectionKeySet& keys)
    : keyCount_(keys.size()), own_(ini.Sections().size() * keys.size()), parents_(ini.Sections().size(), kNoParent) {
  const std::vector<TIniText::TSection>& sections = ini.Sections();
  for (std::size_t s = 0; s < sections.size(); ++s) {
    for (const TIniText::TKey& key : sections[s].Keys) {
      const std::size_t k = keys.Find(key.Name, key.NameHash);
      if (k != TNoCasePositions::npos) own_[s * keyCount_ + k] = &key.Value;
    }
    const std::string* parent = sections[s].Find("PARENTCLASS");
    if (parent == nullptr || parent->empty() || *parent == "?") continue;
    if (const TIniText::TSection* found = ini.FindSection(*parent))
      parents_[s] = static_cast<std::size_t>(found - sections.data());
  }
}

TSectionReader::TSectionReader(const TSectionValues& values, std::size_t section) : values_(values) {
  for (std::size_t current = section; current != TSectionValues::kNoParent && depth_ < chain_.size();
       current = values_.Parent(current)) {
    if (std::find(chain_.begin(), chain_.begin() + static_cast<std::ptrdiff_t>(depth_), current) !=
        chain_.begin() + static_cast<std::ptrdiff_t>(depth_))
      break;  // a cycle
    chain_[depth_++] = current;
  }
}

std::int32_t TSectionReader::ReadInt(std::size_t key, std::int32_t fallback, std::int32_t limit) const {
  std::int32_t value = -1;
  for (std::size_t level = 0; level < depth_ && value == -1; ++level) {
    const std::string* text = values_.Own(chain_[level], key);
    if (text == nullptr) continue;
    value = ParseInt32(*text).value_or(-1);
    if (value != -1 && level > 0) value = static_cast<std::int32_t>(ColorToRGB(static_cast<TColor>(value)));
  }
  if (value == -1) value = fallback;
  return value > limit ? limit : value;
}

const std::string* TSectionReader::FindText(std::size_t key) const {
  for (std::size_t level = 0; level < depth_; ++level) {
    const std::string* text = values_.Own(chain_[level], key);
    if (text != nullptr && *text != "?") return text;
  }
  return nullptr;
}

std::string TSectionReader::ReadText(std::size_t key, std::string_view fallback) const {
  const std::string* value = FindText(key);
  return value ? *value : std::string(fallback);
}

bool TSectionReader::ReadBool(std::size_t key, bool fallback) const {
  const std::string* value = FindText(key);
  return value ? (*value == "TRUE" || *value == "1") : fallback;
}
