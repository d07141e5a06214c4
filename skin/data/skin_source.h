#pragma once
// Where a skin being loaded comes from: a packed skin (a packed file or the
// bytes of an internal skin, through a convertor) or a skin folder. The
// loaders read the options text and the image files named in it from here.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/ini_text.h"
#include "skin/data/skin_convertor.h"

// An options text larger than this is no skin's (ours are a few kilobytes).
inline constexpr std::size_t kMaxOptionsSize = 4u << 20;

// The bytes of one image file: borrowed from a package or read from a folder.
struct TImageBytes {
  std::span<const std::uint8_t> Bytes;
  std::vector<std::uint8_t> Owned;
  bool Found = false;
};

class TsSkinSource {
 public:
  // The container bytes are lent, not copied: they must outlive the source.
  // A container that cannot be read whole, or an options text larger than
  // kMaxOptionsSize, raises EPackedSkinError.
  static std::unique_ptr<TsSkinSource> FromPackedBytes(std::span<const std::uint8_t> container);
  static std::unique_ptr<TsSkinSource> FromPackedFile(const std::filesystem::path& file);
  // A folder holding "Options.dat"; an empty options text when it has none.
  static std::unique_ptr<TsSkinSource> FromFolder(const std::filesystem::path& folder);

  // False for a package without an options entry.
  bool HasOptions() const { return hasOptions_; }
  const TIniText& Options() const { return options_; }
  // A packed entry whose name equals the given one ignoring case, or a file
  // of the folder (the folder's path is put in front unless the name holds
  // ':'). A name that climbs out of the folder ("..") raises EPackedSkinError.
  TImageBytes ImageBytes(std::string_view name) const;
  bool ImageExists(std::string_view name) const;

  // Every image entry of a package or image file of a folder, by name.
  std::vector<std::string> ImageNames() const;

 private:
  TsSkinSource() = default;
  std::filesystem::path FolderFile(std::string_view name) const;
  void TakeOptions(const std::vector<std::uint8_t>& bytes, const std::string& where);

  std::unique_ptr<TacSkinConvertor> convertor_;
  std::filesystem::path folder_;
  TIniText options_;
  bool hasOptions_ = false;
};
