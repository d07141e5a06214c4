#include "skin/data/packed_skin.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'A', 'S', 'z', 'f'};
// Name length, size and the shortest zlib stream (header, empty block, trailer).
constexpr std::size_t kMinEntryBytes = 4 + 4 + 8;

[[noreturn]] void Fail(const std::string& message) { throw EPackedSkinError(message); }

std::string Quoted(const std::string& name) { return "\"" + name + "\""; }

class TByteReader {
 public:
  explicit TByteReader(std::span<const std::uint8_t> data) : data_(data) {}

  std::size_t Left() const { return data_.size() - pos_; }
  std::span<const std::uint8_t> Rest() const { return data_.subspan(pos_); }
  void Skip(std::size_t n) { pos_ += n; }

  std::uint32_t U32(const char* what) {
    if (Left() < 4) Fail(std::string("Packed skin data is truncated in ") + what);
    const std::uint8_t* p = data_.data() + pos_;
    pos_ += 4;
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
  }

  std::string Text(std::size_t n, const char* what) {
    if (Left() < n) Fail(std::string("Packed skin data is truncated in ") + what);
    std::string s(reinterpret_cast<const char*>(data_.data() + pos_), n);
    pos_ += n;
    return s;
  }

 private:
  std::span<const std::uint8_t> data_;
  std::size_t pos_ = 0;
};

class TInflater {
 public:
  TInflater() {
    if (inflateInit(&z_) != Z_OK) Fail("The inflater could not be started");
  }
  ~TInflater() { inflateEnd(&z_); }
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;

  // Inflates the stream at the start of input into exactly size bytes;
  // returns the number of input bytes the stream took.
  std::size_t Inflate(std::span<const std::uint8_t> input, std::uint32_t size, std::vector<std::uint8_t>& out,
                      const std::string& name) {
    z_.next_in = const_cast<Bytef*>(input.data());
    z_.avail_in = static_cast<uInt>(std::min<std::size_t>(input.size(), UINT_MAX));
    out.clear();
    out.reserve(std::min<std::uint32_t>(size, 1u << 20));
    std::array<std::uint8_t, 65536> chunk;
    for (;;) {
      z_.next_out = chunk.data();
      z_.avail_out = static_cast<uInt>(chunk.size());
      const int ret = inflate(&z_, Z_NO_FLUSH);
      const std::size_t produced = chunk.size() - z_.avail_out;
      if (ret == Z_NEED_DICT || ret == Z_DATA_ERROR || ret == Z_STREAM_ERROR || ret == Z_MEM_ERROR)
        Fail("Packed skin entry " + Quoted(name) + " is corrupt" + (z_.msg ? std::string(": ") + z_.msg : ""));
      if (out.size() + produced > size)
        Fail("Packed skin entry " + Quoted(name) + " inflates to more than its declared " +
             std::to_string(size) + " bytes");
      out.insert(out.end(), chunk.begin(), chunk.begin() + produced);
      if (ret == Z_STREAM_END) break;
      if (produced == 0) Fail("Packed skin entry " + Quoted(name) + " is truncated");
    }
    if (out.size() != size)
      Fail("Packed skin entry " + Quoted(name) + " inflates to " + std::to_string(out.size()) +
           " bytes, not its declared " + std::to_string(size));
    return z_.total_in;
  }

 private:
  z_stream z_{};
};

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

}  // namespace

bool HasPackedMagic(std::span<const std::uint8_t> data) {
  return data.size() >= kMagic.size() && std::equal(kMagic.begin(), kMagic.end(), data.begin());
}

std::vector<TPackedEntry> ReadPackedEntries(std::span<const std::uint8_t> data) {
  if (!HasPackedMagic(data)) Fail(kNotPackedMessage);
  TByteReader reader(data);
  reader.Skip(kMagic.size());
  const std::uint32_t count = reader.U32("the entry count");
  if (count > reader.Left() / kMinEntryBytes)
    Fail("Packed skin data declares " + std::to_string(count) + " entries but holds " +
         std::to_string(reader.Left()) + " bytes for them");
  std::vector<TPackedEntry> entries(count);
  std::uint64_t total = 0;
  for (TPackedEntry& entry : entries) {
    const std::uint32_t nameLength = reader.U32("an entry name length");
    if (nameLength > kMaxNameLength) Fail("Packed skin entry name of " + std::to_string(nameLength) + " bytes is too long");
    entry.Name = reader.Text(nameLength, "an entry name");
    const std::uint32_t size = reader.U32("an entry size");
    total += size;
    if (size > kMaxEntrySize || total > kMaxInflatedTotal)
      Fail("Packed skin entry " + Quoted(entry.Name) + " of " + std::to_string(size) + " bytes is too large");
    entry.StoredSize = TInflater().Inflate(reader.Rest(), size, entry.Content, entry.Name);
    reader.Skip(entry.StoredSize);
  }
  if (reader.Left() != 0)
    Fail("Packed skin data has " + std::to_string(reader.Left()) + " bytes after its last entry");
  return entries;
}

std::vector<std::uint8_t> WritePackedEntries(const std::vector<TPackedEntry>& entries) {
  std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
  PutU32(out, static_cast<std::uint32_t>(entries.size()));
  for (const TPackedEntry& entry : entries) {
    if (entry.Content.size() > kMaxEntrySize)
      Fail("The file " + Quoted(entry.Name) + " is too large to pack");
    PutU32(out, static_cast<std::uint32_t>(entry.Name.size()));
    out.insert(out.end(), entry.Name.begin(), entry.Name.end());
    PutU32(out, static_cast<std::uint32_t>(entry.Content.size()));
    uLongf length = compressBound(static_cast<uLong>(entry.Content.size()));
    const std::size_t at = out.size();
    out.resize(at + length);
    if (compress2(out.data() + at, &length, entry.Content.data(), static_cast<uLong>(entry.Content.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
      Fail("The file " + Quoted(entry.Name) + " could not be compressed");
    out.resize(at + length);
  }
  return out;
}

std::string UpperName(std::string_view name) {
  std::string s(name);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}
