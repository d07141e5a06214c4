#pragma once
// Reading the keys of the sections of the options text with inheritance: a key
// a section does not give comes from its "PARENTCLASS", then from that
// section's parent, and so on. A section naming itself has no parent; a cycle
// ends the chain, so a key no section of the cycle gives reads as the default.
//
// The keys read form a fixed set. Every section's own keys are matched against
// the set once (TSectionValues), so a read walks a few pointers up the chain
// instead of looking names up.
#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/ini_text.h"

inline constexpr int kMaxParentDepth = 32;

// A fixed set of key names; a key is addressed by its position in the set.
class TSectionKeySet {
 public:
  // The names must outlive the set.
  explicit TSectionKeySet(std::span<const std::string_view> names);
  std::size_t size() const { return names_.size(); }
  // The position of a key name (ignoring case), or TNoCasePositions::npos.
  std::size_t Find(std::string_view key) const { return Find(key, NoCaseHash(key)); }
  std::size_t Find(std::string_view key, std::uint32_t hash) const;

 private:
  std::span<const std::string_view> names_;
  TNoCasePositions index_;
};

// For every section of the text, in text order: the values of the set's keys
// it gives itself, and the section its "PARENTCLASS" names.
class TSectionValues {
 public:
  static constexpr std::size_t kNoParent = static_cast<std::size_t>(-1);

  TSectionValues(const TIniText& ini, const TSectionKeySet& keys);
  std::size_t SectionCount() const { return parents_.size(); }
  // The section's own value of key, or none.
  const std::string* Own(std::size_t section, std::size_t key) const { return own_[section * keyCount_ + key]; }
  std::size_t Parent(std::size_t section) const { return parents_[section]; }

 private:
  std::size_t keyCount_;
  std::vector<const std::string*> own_;  // section x key
  std::vector<std::size_t> parents_;
};

class TSectionReader {
 public:
  // The chain of the section and its ancestors is resolved once, here.
  TSectionReader(const TSectionValues& values, std::size_t section);

  // Keys are positions in the key set. -1 counts as missing. An inherited
  // value has system-colour references converted to RGB; the section's own
  // value stays as written. The result is limited to limit with a signed
  // comparison.
  std::int32_t ReadInt(std::size_t key, std::int32_t fallback, std::int32_t limit = INT32_MAX) const;
  // "?" counts as missing.
  std::string ReadText(std::size_t key, std::string_view fallback) const;
  // A found value is true when it is exactly "TRUE" or "1".
  bool ReadBool(std::size_t key, bool fallback) const;

 private:
  const std::string* FindText(std::size_t key) const;

  const TSectionValues& values_;
  std::array<std::size_t, kMaxParentDepth + 1> chain_;  // the section first, then its ancestors
  std::size_t depth_ = 0;
};
