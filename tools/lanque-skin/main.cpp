// lanque-skin: packs a skin folder, unpacks a packed skin file, lists its entries.
//   lanque-skin pack DIR FILE
//   lanque-skin unpack FILE DIR
//   lanque-skin list FILE
// Every failure ends with one line on stderr and a non-zero exit code.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/data/file_bytes.h"
#include "skin/data/packed_skin.h"
#include "skin/data/skin_folder.h"

namespace {

constexpr char kUsage[] = "usage: lanque-skin pack DIR FILE | unpack FILE DIR | list FILE";

struct TUsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

int Pack(const std::filesystem::path& dir, const std::filesystem::path& file) {
  if (!std::filesystem::is_directory(dir))
    throw EPackedSkinError(SystemNameOfPath(dir) + " is not a folder");
  if (!PackDir(dir, file))
    throw EPackedSkinError(SystemNameOfPath(dir) + " holds no .dat, .bmp, .png or .jpg files; nothing written");
  return 0;
}

int Unpack(const std::filesystem::path& file, const std::filesystem::path& dir) {
  UnpackSkinFile(file, dir);
  return 0;
}

int List(const std::filesystem::path& file) {
  const std::vector<TPackedEntry> entries = ReadPackedEntries(ReadFileBytes(file));
  std::printf("%10s %10s  %s\n", "stored", "inflated", "name");
  for (const TPackedEntry& e : entries)
    std::printf("%10zu %10zu  %s\n", e.StoredSize, e.Content.size(), e.Name.c_str());
  std::printf("%zu entries\n", entries.size());
  return 0;
}

int Run(const std::vector<std::string>& args) {
  const auto path = [&](std::size_t i) { return PathFromSystemName(args[i]); };
  if (args.size() == 3 && args[0] == "pack") return Pack(path(1), path(2));
  if (args.size() == 3 && args[0] == "unpack") return Unpack(path(1), path(2));
  if (args.size() == 2 && args[0] == "list") return List(path(1));
  throw TUsageError(kUsage);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const TUsageError& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 2;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lanque-skin: %s\n", e.what());
    return 1;
  }
}
