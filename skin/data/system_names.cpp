#include "skin/data/file_bytes.h"

// Natively file names are byte strings: the system's 8-bit names pass as they are.
std::filesystem::path PathFromSystemName(const std::string& name) { return std::filesystem::path(name); }
std::string SystemNameOfPath(const std::filesystem::path& path) { return path.string(); }
