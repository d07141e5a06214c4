#pragma once
// Where external skins are found and how skin names are written: the skin
// directory relative to the program's folder, the packed suffix ".asz", and
// the skins a directory holds. Folders and names are UTF-8 text.
#include <string>
#include <string_view>
#include <vector>

enum TacSkinTypes { stUnpacked, stPacked, stAllSkins };

inline constexpr std::string_view kPackedSkinSuffix = ".asz";

// The name without a trailing ".asz" in any letter case (only when something is left before it).
std::string StripSkinSuffix(std::string name);

// The skin directory as a full folder ending with a separator: ".." is the
// parent of the program's folder, "." or ".\" the program's folder, a name
// holding neither a colon nor "\\" lies in the program's folder. appFolder
// ends with a separator.
std::string FullSkinDirectory(std::string_view directory, std::string_view appFolder);

// The skins of a full skin directory: folders holding "Options.dat" and
// ".asz" files without their suffix, as the types ask; names starting with
// "." are skipped. Unsorted.
std::vector<std::string> ExternalSkinsIn(const std::string& fullDirectory, TacSkinTypes types);
