#include "skin/data/section_reader.h"

#include "skin/data/packed_skin.h"
#include "skin/paint/colors.h"

std::string TSectionReader::ParentOf(std::string_view section) const {
  const std::string* parent = ini_.Find(section, "PARENTCLASS");
  if (parent == nullptr || parent->empty() || *parent == "?" || UpperName(*parent) == UpperName(section)) return {};
  return *parent;
}

std::int32_t TSectionReader::InheritedInt(std::string_view section, std::string_view key, int depth) const {
  const std::int32_t own = ini_.ReadInteger(section, key, -1);
  if (own != -1 || depth >= kMaxParentDepth) return own;
  const std::string parent = ParentOf(section);
  if (parent.empty()) return -1;
  const std::int32_t inherited = InheritedInt(parent, key, depth + 1);
  return inherited == -1 ? -1 : static_cast<std::int32_t>(ColorToRGB(static_cast<TColor>(inherited)));
}

std::int32_t TSectionReader::ReadInt(std::string_view section, std::string_view key, std::int32_t fallback,
                                     std::int32_t limit) const {
  std::int32_t value = InheritedInt(section, key, 0);
  if (value == -1) value = fallback;
  return value > limit ? limit : value;
}

const std::string* TSectionReader::InheritedText(std::string_view section, std::string_view key, int depth) const {
  const std::string* own = ini_.Find(section, key);
  if ((own != nullptr && *own != "?") || depth >= kMaxParentDepth) return own != nullptr && *own != "?" ? own : nullptr;
  const std::string parent = ParentOf(section);
  return parent.empty() ? nullptr : InheritedText(parent, key, depth + 1);
}

std::string TSectionReader::ReadText(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::string* value = InheritedText(section, key, 0);
  return value ? *value : std::string(fallback);
}

bool TSectionReader::ReadBool(std::string_view section, std::string_view key, bool fallback) const {
  const std::string* value = InheritedText(section, key, 0);
  return value ? (*value == "TRUE" || *value == "1") : fallback;
}
