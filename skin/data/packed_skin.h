#pragma once
// The packed skin container: "ASzf", a count, then entries of a name, the
// inflated size and one zlib stream each, back to back. All integers are
// unsigned 32-bit little-endian; names are 8-bit text in the system code page.
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// Raised for every container that cannot be read as a whole; the text names
// files in UTF-8.
class EPackedSkinError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr char kNotPackedMessage[] = "Loaded data is not a packed DiderIded file";

// Bounds that keep a hostile file from asking for unlimited memory.
inline constexpr std::uint32_t kMaxEntrySize = 64u << 20;         // one inflated entry
inline constexpr std::uint64_t kMaxInflatedTotal = 256ull << 20;  // all entries together
inline constexpr std::uint32_t kMaxNameLength = 260;

struct TPackedEntry {
  std::string Name;
  std::size_t StoredSize = 0;  // bytes of the zlib stream in the container
  std::vector<std::uint8_t> Content;
};

bool HasPackedMagic(std::span<const std::uint8_t> data);

// Every entry of a container, in container order. Throws EPackedSkinError
// (kNotPackedMessage for a wrong magic) unless the container is read to its
// last byte with every stream inflating to exactly its declared size.
std::vector<TPackedEntry> ReadPackedEntries(std::span<const std::uint8_t> data);

// A container of the entries (their Content compressed with zlib's default
// level; StoredSize is not used).
std::vector<std::uint8_t> WritePackedEntries(const std::vector<TPackedEntry>& entries);

// ASCII letters upper-cased, other bytes unchanged.
std::string UpperName(std::string_view name);
