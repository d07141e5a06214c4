#pragma once
// A packed skin unpacked in memory: its options text and its image entries,
// through which the skin loaders read a packed file or an internal skin.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TacImageItem {
  std::string FileName;  // as stored
  bool IsBitmap = false; // the upper-cased extension is ".BMP"
  std::vector<std::uint8_t> Content;
};

class TacSkinConvertor {
 public:
  TacSkinConvertor() = default;
  TacSkinConvertor(const TacSkinConvertor&) = delete;
  TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;
  ~TacSkinConvertor() { Clear(); }

  int ImageCount = 0;  // entries - 1: one entry is taken to be the options text
  std::vector<TacImageItem> Files;
  std::optional<std::vector<std::uint8_t>> Options;

  // The container bytes being read: lent by the caller (not copied) or owned.
  std::span<const std::uint8_t> PackedData() const { return packed_; }
  void LendPackedData(std::span<const std::uint8_t> data);
  void TakePackedData(std::vector<std::uint8_t> data);
  void FreePackedData();

  // Frees every entry, the options text and the packed data.
  void Clear();

 private:
  std::span<const std::uint8_t> packed_;
  std::vector<std::uint8_t> owned_;
};

// Unpacks the convertor's packed data into Files, ImageCount and Options.
// A container that cannot be read whole raises EPackedSkinError; the
// convertor is then freed (the reference becomes none), so no partial skin
// is ever taken for a whole one.
void ExtractPackedData(std::unique_ptr<TacSkinConvertor>& convertor);

// Does nothing when the file does not exist; otherwise (re)fills the
// convertor from the file and, when asked, frees the packed bytes afterwards.
void LoadSkinFromFile(const std::filesystem::path& file, std::unique_ptr<TacSkinConvertor>& convertor,
                      bool freePackedData);

// The first image entry among the first ImageCount whose name equals the
// given one without regard to letter case; none when absent.
const TacImageItem* FindImageEntry(const TacSkinConvertor& convertor, std::string_view name);
