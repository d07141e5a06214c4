#pragma once
// Hand-made containers and scratch folders for the packed skin tests.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

using TBytes = std::vector<std::uint8_t>;

inline TBytes BytesOf(const std::string& s) { return TBytes(s.begin(), s.end()); }

inline void PutU32(TBytes& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

inline TBytes ZlibStream(const TBytes& content) {
  uLongf length = compressBound(static_cast<uLong>(content.size()));
  TBytes out(length);
  compress2(out.data(), &length, content.data(), static_cast<uLong>(content.size()), Z_DEFAULT_COMPRESSION);
  out.resize(length);
  return out;
}

// One entry with a declared size that may differ from the content's.
inline void PutEntry(TBytes& out, const std::string& name, std::uint32_t declared, const TBytes& content) {
  PutU32(out, static_cast<std::uint32_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  PutU32(out, declared);
  const TBytes stream = ZlibStream(content);
  out.insert(out.end(), stream.begin(), stream.end());
}

inline TBytes ContainerHeader(std::uint32_t count) {
  TBytes out = BytesOf("ASzf");
  PutU32(out, count);
  return out;
}

// A folder under the system's temporary folder, removed with its contents.
class TScratchDir {
 public:
  TScratchDir() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("lanque-test-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};
