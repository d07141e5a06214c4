#pragma once
// Reading the keys of one section of the options text with inheritance: a key
// the section does not give comes from its "PARENTCLASS", then from that
// section's parent, and so on. A section naming itself has no parent; a cycle
// ends the chain, so a key no section of the cycle gives reads as the default.
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/ini_text.h"

inline constexpr int kMaxParentDepth = 32;

class TSectionReader {
 public:
  // The chain of the section and its ancestors is resolved once, here.
  TSectionReader(const TIniText& ini, std::string_view section);

  // -1 counts as missing. An inherited value has system-colour references
  // converted to RGB; the section's own value stays as written. The result
  // is limited to limit with a signed comparison.
  std::int32_t ReadInt(std::string_view key, std::int32_t fallback, std::int32_t limit = INT32_MAX) const;
  // "?" counts as missing.
  std::string ReadText(std::string_view key, std::string_view fallback) const;
  // A found value is true when it is exactly "TRUE" or "1".
  bool ReadBool(std::string_view key, bool fallback) const;

 private:
  const std::string* FindText(std::string_view key) const;

  std::vector<const TIniText::TSection*> chain_;  // the section first, then its ancestors
};
