#pragma once
// The skins carried inside the application: named packed containers stored
// with the window layout.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TsStoredSkin {
  std::string Name;
  std::vector<std::uint8_t> Data;  // the raw container ("Data" in the layout)
};

class TsStoredSkins {
 public:
  // Raised whenever an item is added, replaced or updated.
  std::function<void()> OnSkinListChanged;

  int Count() const { return static_cast<int>(items_.size()); }
  // The first item whose name equals the name exactly (letter case counts), or -1.
  int IndexOf(std::string_view name) const;
  const TsStoredSkin& GetItem(int index) const { return items_.at(static_cast<std::size_t>(index)); }
  void SetItem(int index, TsStoredSkin item);
  void Add(TsStoredSkin item);
  void Update(const TsStoredSkin& item);

 private:
  std::vector<TsStoredSkin> items_;
};

// The file an internal skin is saved to: directory + name + " extracted.asz".
std::filesystem::path ExtractedSkinPath(const std::filesystem::path& directory, const std::string& name);
// Saves the item's container as that file when the directory exists or can
// be created and the item has data; false otherwise.
bool SaveStoredSkin(const TsStoredSkin& item, const std::filesystem::path& directory);
