#include "skin/data/stored_skins.h"

#include <algorithm>

#include "skin/data/file_bytes.h"
#include "skin/data/skin_folder.h"

int TsStoredSkins::IndexOf(std::string_view name) const {
  const auto it = std::find_if(items_.begin(), items_.end(), [&](const TsStoredSkin& s) { return s.Name == name; });
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TsStoredSkins::SetItem(int index, TsStoredSkin item) {
  TsStoredSkin& slot = items_.at(static_cast<std::size_t>(index));
  slot = std::move(item);
  Update(slot);
}

void TsStoredSkins::Add(TsStoredSkin item) {
  items_.push_back(std::move(item));
  Update(items_.back());
}

void TsStoredSkins::Update(const TsStoredSkin&) {
  if (OnSkinListChanged) OnSkinListChanged();
}

std::filesystem::path ExtractedSkinPath(const std::filesystem::path& directory, const std::string& name) {
  return directory / PathFromSystemName(name + " extracted.asz");
}

bool SaveStoredSkin(const TsStoredSkin& item, const std::filesystem::path& directory) {
  std::error_code ec;
  std::filesystem::create_directories(directory, ec);
  if (!std::filesystem::is_directory(directory, ec) || item.Data.empty() ||
      !IsSafeEntryName(item.Name + " extracted.asz"))
    return false;
  WriteFileBytes(ExtractedSkinPath(directory, item.Name), item.Data);
  return true;
}
