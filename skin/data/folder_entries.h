#pragma once
// What a folder holds, for listing skins. On Windows through the system's own
// search, so that folders deeper than 260 characters list too.
#include <filesystem>
#include <string>
#include <vector>

struct TFolderEntry {
  std::string Name;  // UTF-8
  bool IsFolder = false;
};

// Every entry but "." and ".."; none when the folder cannot be read. Unsorted.
std::vector<TFolderEntry> FolderEntries(const std::filesystem::path& folder);
