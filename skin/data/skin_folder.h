#pragma once
// Packing a skin folder into one file and unpacking a packed file into a folder.
#include <filesystem>
#include <string>

// Writes the packed file of a skin folder: its "*.dat" files, then "*.bmp",
// "*.png" and "*.jpg" (extensions in any letter case), each group in name
// order; names beginning with "." and subdirectories are skipped. Returns
// false, creating no file, when the folder holds none of them.
bool PackDir(const std::filesystem::path& directory, const std::filesystem::path& file);

// Writes every entry of a packed file as a file into the directory (created
// when missing). The whole package is read and checked before the first file
// is written. A file without the magic raises EPackedSkinError with the text
// "<file> is not packed DiderIded file"; an entry name that could leave the
// directory raises it too.
void UnpackSkinFile(const std::filesystem::path& file, const std::filesystem::path& directory);

// An entry name that is one plain file name: no path separators, no drive or
// stream colon, no control characters, not "." or "..", no trailing dot or space.
bool IsSafeEntryName(const std::string& name);
