#include "skin/data/skin_folder.h"

#include <algorithm>
#include <array>
#include <vector>

#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"
#include "skin/data/utf8_paths.h"

namespace {

std::vector<std::filesystem::path> CollectSkinFiles(const std::filesystem::path& directory) {
  static const std::array<std::string, 4> kGroups = {".DAT", ".BMP", ".PNG", ".JPG"};
  std::array<std::vector<std::filesystem::path>, 4> groups;
  std::error_code ec;
  for (const auto& item : std::filesystem::directory_iterator(directory, ec)) {
    const std::string name = SystemNameOfPath(item.path().filename());
    if (name.empty() || name[0] == '.' || !item.is_regular_file(ec)) continue;
    const auto group = std::find(kGroups.begin(), kGroups.end(), UpperName(SystemNameOfPath(item.path().extension())));
    if (group != kGroups.end()) groups[group - kGroups.begin()].push_back(item.path());
  }
  if (ec) throw EPackedSkinError("Cannot list " + Utf8OfPath(directory) + ": " + ec.message());
  std::vector<std::filesystem::path> files;
  for (auto& group : groups) {
    std::sort(group.begin(), group.end());
    files.insert(files.end(), group.begin(), group.end());
  }
  return files;
}

}  // namespace

bool PackDir(const std::filesystem::path& directory, const std::filesystem::path& file) {
  const std::vector<std::filesystem::path> files = CollectSkinFiles(directory);
  if (files.empty()) return false;
  std::vector<TPackedEntry> entries;
  for (const auto& path : files)
    entries.push_back({SystemNameOfPath(path.filename()), 0, ReadFileBytes(path, kMaxEntrySize)});
  WriteFileBytes(file, WritePackedEntries(entries));
  return true;
}

bool IsSafeEntryName(const std::string& name) {
  if (name.empty() || name == "." || name == ".." || name.back() == '.' || name.back() == ' ') return false;
  const std::filesystem::path path = PathFromSystemName(name);
  const auto& native = path.native();
  if (native.empty()) return false;
  return std::none_of(native.begin(), native.end(), [](auto c) {
    return static_cast<unsigned>(c) < 0x20 || c == '/' || c == '\\' || c == ':';
  });
}

void UnpackSkinFile(const std::filesystem::path& file, const std::filesystem::path& directory) {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  if (!std::filesystem::is_directory(directory))
    throw EPackedSkinError("Cannot create the directory " + Utf8OfPath(directory));
  const std::vector<std::uint8_t> bytes = ReadFileBytes(file);
  if (!HasPackedMagic(bytes)) throw EPackedSkinError(Utf8OfPath(file) + " is not packed DiderIded file");
  const std::vector<TPackedEntry> entries = ReadPackedEntries(bytes);
  for (const TPackedEntry& entry : entries)
    if (!IsSafeEntryName(entry.Name))
      throw EPackedSkinError("Packed skin entry \"" + entry.Name + "\" is not a plain file name");
  for (const TPackedEntry& entry : entries) WriteFileBytes(directory / PathFromSystemName(entry.Name), entry.Content);
}
