#pragma once
// The INI text of a skin's options: "[NAME]" lines open sections, "KEY=VALUE"
// lines give values. Lookups ignore letter case; sections and keys keep the
// order of the text. A section named twice gathers its keys in the first
// place it appears; a key given twice in a section keeps its first value.
// Lines beginning with ';' are comments; blanks around names and values go.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Names compared and hashed without regard to ASCII letter case.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
struct TNoCaseHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept;
};
struct TNoCaseEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const noexcept { return SameNameIgnoringCase(a, b); }
};
using TNoCaseIndex = std::unordered_map<std::string, std::size_t, TNoCaseHash, TNoCaseEqual>;

class TIniText {
 public:
  struct TKey {
    std::string Name;
    std::string Value;
  };
  struct TSection {
    std::string Name;  // as first written
    std::vector<TKey> Keys;
    const std::string* Find(std::string_view key) const;

    TNoCaseIndex index_;  // key -> position
  };

  TIniText() = default;
  explicit TIniText(std::string_view text);

  const std::vector<TSection>& Sections() const { return sections_; }
  const TSection* FindSection(std::string_view name) const;
  bool SectionExists(std::string_view name) const { return FindSection(name) != nullptr; }

  // The value, or none when the section or key is missing.
  const std::string* Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A signed 32-bit decimal value; anything else reads as the fallback.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

 private:
  std::vector<TSection> sections_;
  TNoCaseIndex index_;  // section name -> position
};

// A whole signed 32-bit decimal number (optional sign), or none.
std::optional<std::int32_t> ParseInt32(std::string_view text);
