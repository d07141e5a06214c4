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
  // Indexes every record, or only the textures.
  void Build(const std::vector<TsMaskData>& records, bool texturesOnly);
  // The first indexed record with these names, or -1.
  int Find(const std::vector<TsMaskData>& records, std::string_view section, std::string_view key) const;

 private:
  struct TSlot {
    std::uint32_t Hash = 0;
    std::uint32_t Position = 0;  // record position + 1; 0 marks a free slot
  };
  std::vector<TSlot> slots_;
};
