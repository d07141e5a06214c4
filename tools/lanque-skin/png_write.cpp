#include "tools/lanque-skin/png_write.h"

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

#include <png.h>

#include "skin/data/file_bytes.h"
#include "skin/data/utf8_paths.h"

namespace {

void AppendToVector(png_structp png, png_bytep data, png_size_t length) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + length);
}

void NoFlush(png_structp) {}

struct TPngWriter {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  ~TPngWriter() { png_destroy_write_struct(&Png, &Info); }
};

bool Encode(TPngWriter& w, const TBitmap32& bmp, std::vector<std::uint8_t>& out) {
  if (setjmp(png_jmpbuf(w.Png))) return false;
  png_set_write_fn(w.Png, &out, AppendToVector, NoFlush);
  png_set_IHDR(w.Png, w.Info, static_cast<png_uint_32>(bmp.Width()), static_cast<png_uint_32>(bmp.Height()), 8,
               PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(w.Png, w.Info);
  png_set_bgr(w.Png);  // our pixels are blue, green, red, alpha
  for (int y = 0; y < bmp.Height(); ++y) png_write_row(w.Png, reinterpret_cast<png_bytep>(bmp.Row(y)));
  png_write_end(w.Png, nullptr);
  return true;
}

}  // namespace

void WritePng32(const TBitmap32& bmp, const std::filesystem::path& file) {
  if (bmp.Empty()) throw std::runtime_error("nothing to write to " + Utf8OfPath(file));
  TPngWriter w;
  w.Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  if (w.Png) w.Info = png_create_info_struct(w.Png);
  std::vector<std::uint8_t> out;
  if (!w.Info || !Encode(w, bmp, out)) throw std::runtime_error("cannot encode " + Utf8OfPath(file));
  WriteFileBytes(file, out);
}
