#pragma once
// Image records found by name, names compared exactly: the first record of
// each section and key name, and the records of each section in order. Both
// are open-addressing tables of name hashes and record positions, so a
// lookup neither allocates nor joins the two names.
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

// The records of each section name, in record order, with the hashes of
// their key names: all the images of one section for one lookup.
class TSectionRecordIndex {
 public:
  void Build(const std::vector<TsMaskData>& records);
  // The first record of the section, or -1.
  int First(const std::vector<TsMaskData>& records, const TRecordNameIndex::TName& section) const;
  // The section's next record after record, or -1.
  int Next(int record) const { return next_[static_cast<std::size_t>(record)]; }
  std::uint32_t KeyHash(int record) const { return keyHashes_[static_cast<std::size_t>(record)]; }

 private:
  struct TSlot {
    std::uint32_t Hash = 0;
    int First = -1;  // -1 marks a free slot
    int Last = -1;
  };
  std::vector<TSlot> slots_;
  std::vector<int> next_;
  std::vector<std::uint32_t> keyHashes_;
};
