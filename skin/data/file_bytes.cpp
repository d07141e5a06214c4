#include "skin/data/file_bytes.h"

#include <fstream>

#include "skin/data/packed_skin.h"
#include "skin/data/utf8_paths.h"

namespace {
std::string Shown(const std::filesystem::path& file) { return Utf8OfPath(file); }
}  // namespace

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& file, std::uintmax_t limit) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(file, ec);
  if (ec) throw EPackedSkinError("Cannot read " + Shown(file) + ": " + ec.message());
  if (size > limit) throw EPackedSkinError(Shown(file) + " is too large");
  std::ifstream in(file, std::ios::binary);
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())))
    throw EPackedSkinError("Cannot read " + Shown(file));
  return bytes;
}

void WriteFileBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out || !out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size())) ||
      !out.flush())
    throw EPackedSkinError("Cannot write " + Shown(file));
}
