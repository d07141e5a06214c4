#include "skin/data/ini_text.h"

#include <algorithm>
#include <charconv>


namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

constexpr std::size_t kKeysAtFirst = 8;  // room a section's keys get when it opens

}  // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i] != b[i] && Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

std::uint32_t NoCaseHash(std::string_view name) {
  std::uint32_t h = 2166136261u;  // FNV-1a
  for (char c : name) h = (h ^ static_cast<unsigned char>(Upper(c))) * 16777619u;
  return h;
}

void TNoCasePositions::Add(std::uint32_t hash, std::size_t position) {
  if ((count_ + 1) * 2 > slots_.size()) {
    std::vector<TSlot> old(std::max<std::size_t>(16, slots_.size() * 2));
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const TSlot& slot : old) {
      if (slot.Position == 0) continue;
      std::size_t i = slot.Hash & mask;
      while (slots_[i].Position != 0) i = (i + 1) & mask;
      slots_[i] = slot;
    }
  }
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].Position != 0) i = (i + 1) & mask;
  slots_[i] = {hash, static_cast<std::uint32_t>(position + 1)};
  ++count_;
}

std::optional<std::int32_t> ParseInt32(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  std::int32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

const std::string* TIniText::TSection::Find(std::string_view key) const {
  const std::size_t at = index_.Find(key, [this](std::size_t i) -> std::string_view { return Keys[i].Name; });
  return at == TNoCasePositions::npos ? nullptr : &Keys[at].Value;
}

TIniText::TIniText(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  TSection* current = nullptr;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      const std::size_t close = line.find(']');
      if (close == std::string_view::npos) continue;
      const std::string_view name = Trim(line.substr(1, close - 1));
      const std::uint32_t hash = NoCaseHash(name);
      std::size_t at =
          index_.Find(name, hash, [this](std::size_t i) -> std::string_view { return sections_[i].Name; });
      if (at == TNoCasePositions::npos) {
        at = sections_.size();
        sections_.push_back({std::string(name), {}, {}});
        sections_.back().Keys.reserve(kKeysAtFirst);
        index_.Add(hash, at);
      }
      current = &sections_[at];
      continue;
    }
    const std::size_t equals = line.find('=');
    if (current == nullptr || equals == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty()) continue;
    const std::vector<TKey>& keys = current->Keys;
    const std::uint32_t hash = NoCaseHash(key);
    if (current->index_.Find(key, hash, [&keys](std::size_t i) -> std::string_view { return keys[i].Name; }) !=
        TNoCasePositions::npos)
      continue;
    current->index_.Add(hash, keys.size());
    current->Keys.push_back({std::string(key), std::string(Trim(line.substr(equals + 1))), hash});
  }
}

const TIniText::TSection* TIniText::FindSection(std::string_view name) const {
  const std::size_t at = index_.Find(name, [this](std::size_t i) -> std::string_view { return sections_[i].Name; });
  return at == TNoCasePositions::npos ? nullptr : &sections_[at];
}

const std::string* TIniText::Find(std::string_view section, std::string_view key) const {
  const TSection* s = FindSection(section);
  return s == nullptr ? nullptr : s->Find(key);
}

const TIniText::TSection& TIniText::SectionOrEmpty(std::string_view name) const {
  static const TSection kEmpty;
  const TSection* section = FindSection(name);
  return section ? *section : kEmpty;
}

std::string TIniText::TSection::ReadString(std::string_view key, std::string_view fallback) const {
  const std::string* value = Find(key);
  return value ? *value : std::string(fallback);
}

std::int32_t TIniText::TSection::ReadInteger(std::string_view key, std::int32_t fallback) const {
  const std::string* value = Find(key);
  if (value == nullptr) return fallback;
  return ParseInt32(*value).value_or(fallback);
}

std::string TIniText::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const {
  return SectionOrEmpty(section).ReadString(key, fallback);
}

std::int32_t TIniText::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const {
  return SectionOrEmpty(section).ReadInteger(key, fallback);
}
