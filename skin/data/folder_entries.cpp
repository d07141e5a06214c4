#include "skin/data/folder_entries.h"

#include <system_error>

#include "skin/data/utf8_paths.h"

std::vector<TFolderEntry> FolderEntries(const std::filesystem::path& folder) {
  std::vector<TFolderEntry> entries;
  std::error_code error;
  std::filesystem::directory_iterator it(folder, error);
  if (error) return entries;
  for (const std::filesystem::directory_entry& entry : it)
    entries.push_back({Utf8OfPath(entry.path().filename()), entry.is_directory(error)});
  return entries;
}
