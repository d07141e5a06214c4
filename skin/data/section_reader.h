#pragma once
// Reading section keys of the options text with inheritance: a key a section
// does not give comes from its "PARENTCLASS", then from that section's
// parent, and so on. A section naming itself has no parent; a longer cycle
// (or a chain deeper than kMaxParentDepth) ends the search with the default.
#include <climits>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/data/ini_text.h"

inline constexpr int kMaxParentDepth = 32;

class TSectionReader {
 public:
  explicit TSectionReader(const TIniText& ini) : ini_(ini) {}

  // -1 counts as missing. An inherited value has system-colour references
  // converted to RGB; the section's own value stays as written. The result
  // is limited to limit with a signed comparison.
  std::int32_t ReadInt(std::string_view section, std::string_view key, std::int32_t fallback,
                       std::int32_t limit = INT32_MAX) const;
  // "?" counts as missing.
  std::string ReadText(std::string_view section, std::string_view key, std::string_view fallback) const;
  // A found value is true when it is exactly "TRUE" or "1".
  bool ReadBool(std::string_view section, std::string_view key, bool fallback) const;

  // The parent named by the section, or empty for none (missing, "?", itself).
  std::string ParentOf(std::string_view section) const;

 private:
  std::int32_t InheritedInt(std::string_view section, std::string_view key, int depth) const;
  const std::string* InheritedText(std::string_view section, std::string_view key, int depth) const;

  const TIniText& ini_;
};
