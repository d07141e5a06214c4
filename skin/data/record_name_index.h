#pragma once
// The first image record of each section and key name, names compared
// exactly: an open-addressing table of name hashes and record positions, so
// a lookup neither allocates nor joins the two names.
#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/data/skin_records.h"

class TRecordNameIndex {
 public:
  // A name with its hash, for lookups that repeat one of the two names.
  struct TName {
    constexpr explicit TName(std::string_view text) : Text(text) {
      for (char c : text) Hash = (Hash ^ static_cast<unsigned char>(c)) * 16777619u;  // FNV-1a
    }
    std::string_view Text;
    std::uint32_t Hash = 2166136261u;
  };

  // Indexes every record, or only the textures.
  void Build(const std::vector<TsMaskData>& records, bool texturesOnly);
  // The first indexed record with these names, or -1.
  int Find(const std::vector<TsMaskData>& records, const TName& section, const TName& key) const;
  int Find(const std::vector<TsMaskData>& records, std::string_view section, std::string_view key) const {
    return Find(records, TName(section), TName(key));
  }

 private:
  struct TSlot {
    std::uint32_t Hash = 0;
    std::uint32_t Position = 0;  // record position + 1; 0 marks a free slot
  };
  std::vector<TSlot> slots_;
};
