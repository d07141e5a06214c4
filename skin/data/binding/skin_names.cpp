#include "skin/data/binding/skin_names.h"

#include "skin/data/folder_entries.h"
#include "skin/data/utf8_paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool EndsWithSuffix(std::string_view name) {
  if (name.size() <= kPackedSkinSuffix.size()) return false;
  const std::string_view tail = name.substr(name.size() - kPackedSkinSuffix.size());
  return std::equal(tail.begin(), tail.end(), kPackedSkinSuffix.begin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == b;
  });
}

std::string WithSeparator(std::string path) {
  if (path.empty() || !IsSeparator(path.back())) path += '\\';
  return path;
}

// The folder above one ending with a separator, with its own separator.
std::string ParentFolder(std::string_view folder) {
  while (!folder.empty() && IsSeparator(folder.back())) folder.remove_suffix(1);
  const std::size_t cut = folder.find_last_of("\\/");
  return cut == std::string_view::npos ? std::string() : std::string(folder.substr(0, cut + 1));
}

std::string_view WithoutLeadingSeparator(std::string_view s) {
  if (!s.empty() && IsSeparator(s.front())) s.remove_prefix(1);
  return s;
}

}  // namespace

std::string StripSkinSuffix(std::string name) {
  if (EndsWithSuffix(name)) name.resize(name.size() - kPackedSkinSuffix.size());
  return name;
}

std::string FullSkinDirectory(std::string_view directory, std::string_view appFolder) {
  const std::string app = WithSeparator(std::string(appFolder));
  if (directory.starts_with(".."))
    return WithSeparator(ParentFolder(app) + std::string(WithoutLeadingSeparator(directory.substr(2))));
  if (directory == "." || (directory.size() > 1 && directory[0] == '.' && IsSeparator(directory[1])))
    return WithSeparator(app + std::string(WithoutLeadingSeparator(directory.substr(1))));
  if (directory.find(':') == std::string_view::npos && directory.find("\\\\") == std::string_view::npos)
    return WithSeparator(app + std::string(WithoutLeadingSeparator(directory)));
  return WithSeparator(std::string(directory));
}

std::vector<std::string> ExternalSkinsIn(const std::string& fullDirectory, TacSkinTypes types) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  const fs::path directory = PathFromUtf8(fullDirectory);
  for (const TFolderEntry& entry : FolderEntries(directory)) {
    const std::string& name = entry.Name;
    if (name.empty() || name[0] == '.') continue;
    std::error_code error;
    if (entry.IsFolder) {
      if (types != stPacked && fs::exists(directory / PathFromUtf8(name) / "Options.dat", error))
        names.push_back(name);
    } else if (types != stUnpacked && EndsWithSuffix(name)) {
      names.push_back(StripSkinSuffix(name));
    }
  }
  return names;
}
