#include "skin/data/section_reader.h"

#include <algorithm>

#include "skin/paint/colors.h"

TSectionReader::TSectionReader(const TIniText& ini, std::string_view section) {
  const TIniText::TSection* current = ini.FindSection(section);
  while (current != nullptr && chain_.size() <= static_cast<std::size_t>(kMaxParentDepth)) {
    if (std::find(chain_.begin(), chain_.end(), current) != chain_.end()) break;  // a cycle
    chain_.push_back(current);
    const std::string* parent = current->Find("PARENTCLASS");
    if (parent == nullptr || parent->empty() || *parent == "?") break;
    current = ini.FindSection(*parent);
  }
}

std::int32_t TSectionReader::ReadInt(std::string_view key, std::int32_t fallback, std::int32_t limit) const {
  std::int32_t value = -1;
  for (std::size_t level = 0; level < chain_.size() && value == -1; ++level) {
    const std::string* text = chain_[level]->Find(key);
    if (text == nullptr) continue;
    value = ParseInt32(*text).value_or(-1);
    if (value != -1 && level > 0) value = static_cast<std::int32_t>(ColorToRGB(static_cast<TColor>(value)));
  }
  if (value == -1) value = fallback;
  return value > limit ? limit : value;
}

const std::string* TSectionReader::FindText(std::string_view key) const {
  for (const TIniText::TSection* section : chain_) {
    const std::string* text = section->Find(key);
    if (text != nullptr && *text != "?") return text;
  }
  return nullptr;
}

std::string TSectionReader::ReadText(std::string_view key, std::string_view fallback) const {
  const std::string* value = FindText(key);
  return value ? *value : std::string(fallback);
}

bool TSectionReader::ReadBool(std::string_view key, bool fallback) const {
  const std::string* value = FindText(key);
  return value ? (*value == "TRUE" || *value == "1") : fallback;
}
