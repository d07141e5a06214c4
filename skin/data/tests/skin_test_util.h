#pragma once
// Pictures made by the tests: PNG with alpha, JPEG of any size, and the test
// skin copied into a scratch folder together with its two JPEG textures.
#include <jpeglib.h>
#include <zlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "skin/data/file_bytes.h"

inline void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int k = 3; k >= 0; --k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}

inline std::vector<std::uint8_t> PngRgba(std::uint32_t w, std::uint32_t h, const std::vector<std::uint8_t>& rgba) {
  std::vector<std::uint8_t> raw;
  for (std::uint32_t y = 0; y < h; ++y) {
    raw.push_back(0);
    raw.insert(raw.end(), rgba.begin() + y * w * 4, rgba.begin() + (y + 1) * w * 4);
  }
  uLongf length = compressBound(static_cast<uLong>(raw.size()));
  std::vector<std::uint8_t> packed(length);
  compress(packed.data(), &length, raw.data(), static_cast<uLong>(raw.size()));
  packed.resize(length);
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  const auto chunk = [&](const char* type, const std::vector<std::uint8_t>& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(type, type + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBigEndian(out, static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
  };
  std::vector<std::uint8_t> header;
  PutBigEndian(header, w);
  PutBigEndian(header, h);
  header.insert(header.end(), {8, 6, 0, 0, 0});
  chunk("IHDR", header);
  chunk("IDAT", packed);
  chunk("IEND", {});
  return out;
}

// A grey-blue gradient JPEG of the given size.
inline std::vector<std::uint8_t> EncodeJpeg(int w, int h) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(w);
  info.image_height = static_cast<JDIMENSION>(h);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 70, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(w) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < w; ++x) {
      row[3 * x] = static_cast<JSAMPLE>(60 + x % 100);
      row[3 * x + 1] = static_cast<JSAMPLE>(100 + info.next_scanline % 100);
      row[3 * x + 2] = 200;
    }
    JSAMPROW pointer = row.data();
    jpeg_write_scanlines(&info, &pointer, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// The test skin folder with "small.jpg" and "large.jpg" of the given sizes.
inline void MakeTestSkinFolder(const std::filesystem::path& folder, int largeWidth = 1000, int largeHeight = 900) {
  std::filesystem::create_directories(folder);
  for (const auto& item : std::filesystem::directory_iterator(LANQUE_TEST_SKIN_DIR))
    std::filesystem::copy_file(item.path(), folder / item.path().filename(),
                               std::filesystem::copy_options::overwrite_existing);
  WriteFileBytes(folder / "small.jpg", EncodeJpeg(40, 30));
  WriteFileBytes(folder / "large.jpg", EncodeJpeg(largeWidth, largeHeight));
}
