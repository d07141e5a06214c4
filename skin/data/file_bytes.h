#pragma once
// Whole files as bytes, for the packed skin routines. Failures raise
// EPackedSkinError naming the file.
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

inline constexpr std::uintmax_t kMaxPackedFileSize = 256u << 20;

// Reads at most limit bytes; a larger file is an error.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file,
                                        std::uintmax_t limit = kMaxPackedFileSize);
void WriteFileBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

// An 8-bit name in the system code page as a path, and back.
std::filesystem::path PathFromSystemName(const std::string& name);
std::string SystemNameOfPath(const std::filesystem::path& path);
