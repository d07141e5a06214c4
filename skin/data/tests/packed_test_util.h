#pragma once
// Hand-made containers and scratch folders for the packed skin tests.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/scratch_dir.h"

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

