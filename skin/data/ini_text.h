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
#include <vector>

// Names compared and hashed without regard to ASCII letter case.
bool SameNameIgnoringCase(std::string_view a, std::string_view b);
std::uint32_t NoCaseHash(std::string_view name);

// Where each name of a list stands, found without regard to letter case: an
// open-addressing table of hashes and positions, with no allocation per name.
class TNoCasePositions {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // The position whose name (nameAt(position)) equals name ignoring case,
  // or npos; hash is NoCaseHash(name).
  template <class NameAt>
  std::size_t Find(std::string_view name, std::uint32_t hash, const NameAt& nameAt) const {
    if (slots_.empty()) return npos;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask; slots_[i].Position != 0; i = (i + 1) & mask)
      if (slots_[i].Hash == hash && SameNameIgnoringCase(nameAt(slots_[i].Position - 1), name))
        return slots_[i].Position - 1;
    return npos;
  }
  template <class NameAt>
  std::size_t Find(std::string_view name, const NameAt& nameAt) const {
    return Find(name, NoCaseHash(name), nameAt);
  }
  // Records a name not yet in the table, by its hash, at position.
  void Add(std::uint32_t hash, std::size_t position);

 private:
  struct TSlot {
    std::uint32_t Hash = 0;
    std::uint32_t Position = 0;  // position + 1; 0 marks a free slot
  };
  std::vector<TSlot> slots_;
  std::size_t count_ = 0;
};

class TIniText {
 public:
  struct TKey {
    std::string Name;
    std::string Value;
    std::uint32_t NameHash = 0;  // NoCaseHash(Name)
  };
  struct TSection {
    std::string Name;  // as first written
    std::vector<TKey> Keys;
    const std::string* Find(std::string_view key) const;
    std::string ReadString(std::string_view key, std::string_view fallback) const;
    // A signed 32-bit decimal value; anything else reads as the fallback.
    std::int32_t ReadInteger(std::string_view key, std::int32_t fallback) const;

    TNoCasePositions index_;  // of Keys
  };

  TIniText() = default;
  explicit TIniText(std::string_view text);

  const std::vector<TSection>& Sections() const { return sections_; }
  const TSection* FindSection(std::string_view name) const;
  // The section, or an empty one when the text has none of that name: for
  // reading many keys of one section.
  const TSection& SectionOrEmpty(std::string_view name) const;
  bool SectionExists(std::string_view name) const { return FindSection(name) != nullptr; }

  // The value, or none when the section or key is missing.
  const std::string* Find(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A signed 32-bit decimal value; anything else reads as the fallback.
  std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback) const;

 private:
  std::vector<TSection> sections_;
  TNoCasePositions index_;  // of sections_
};

// A whole signed 32-bit decimal number (optional sign), or none.
std::optional<std::int32_t> ParseInt32(std::string_view text);
