// Fuzz target: packed skin containers as a skin load and the folder tools
// read them. Any container must either be rejected with EPackedSkinError or
// read whole; a container read whole must write back to one that reads the same.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "skin/data/packed_skin.h"
#include "skin/data/skin_convertor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  auto convertor = std::make_unique<TacSkinConvertor>();
  convertor->LendPackedData(bytes);
  try {
    ExtractPackedData(convertor);
  } catch (const EPackedSkinError&) {
    if (convertor) std::abort();  // a failed package must not survive as a skin
    return 0;
  }
  const std::vector<TPackedEntry> entries = ReadPackedEntries(bytes);
  const std::size_t options = entries.size() - convertor->Files.size();
  if (convertor->ImageCount != static_cast<int>(entries.size()) - 1 || options > entries.size() ||
      (options > 0) != convertor->Options.has_value())
    std::abort();
  const std::size_t visible = std::min<std::size_t>(std::max(convertor->ImageCount, 0), convertor->Files.size());
  for (std::size_t i = 0; i < visible; ++i)
    if (FindImageEntry(*convertor, convertor->Files[i].FileName) == nullptr) std::abort();

  const std::vector<TPackedEntry> again = ReadPackedEntries(WritePackedEntries(entries));
  if (again.size() != entries.size()) std::abort();
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (again[i].Name != entries[i].Name || again[i].Content != entries[i].Content) std::abort();
  return 0;
}
