#include "skin/data/png_decode.h"

#include <csetjmp>
#include <cstring>
#include <vector>

#include <png.h>

namespace {

constexpr png_alloc_size_t kMaxChunkBytes = 8u << 20;  // text and profile chunks

struct TPngSource {
  const std::uint8_t* Data;
  std::size_t Size;
  std::size_t Position = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* source = static_cast<TPngSource*>(png_get_io_ptr(png));
  if (count > source->Size - source->Position) png_error(png, "truncated");
  std::memcpy(out, source->Data + source->Position, count);
  source->Position += count;
}

void IgnoreWarning(png_structp, png_const_charp) {}
[[noreturn]] void JumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// libpng's state lives outside the function that calls setjmp.
struct TPngSession {
  png_structp Png = nullptr;
  png_infop Info = nullptr;
  std::vector<png_bytep> Rows;
  ~TPngSession() { png_destroy_read_struct(&Png, Info ? &Info : nullptr, nullptr); }
};

bool DecodeInto(TPngSession& session, TPngSource& source, TPixelTarget& target) {
  png_structp png = session.Png;
  png_infop info = session.Info;
  if (setjmp(png_jmpbuf(png))) return false;
  png_set_read_fn(png, &source, ReadFromMemory);
  png_set_user_limits(png, static_cast<png_uint_32>(kMaxImageSide), static_cast<png_uint_32>(kMaxImageSide));
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (!ImageSizeAllowed(width, height)) return false;

  const int colorType = png_get_color_type(png, info);
  if (png_get_bit_depth(png, info) == 16) png_set_strip_16(png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (png_get_bit_depth(png, info) < 8) png_set_expand(png);
  if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  png_set_bgr(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4) return false;

  if (!target.Allocate(static_cast<int>(width), static_cast<int>(height))) return false;
  session.Rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y)
    session.Rows[y] = reinterpret_cast<png_bytep>(target.Row(static_cast<int>(y)));
  png_read_image(png, session.Rows.data());
  return true;
}

}  // namespace

bool DecodePngInto(const std::uint8_t* data, std::size_t size, TPixelTarget& target) {
  if (data == nullptr || size < sizeof kPngSignature || std::memcmp(data, kPngSignature, sizeof kPngSignature) != 0)
    return false;
  TPngSession session;
  session.Png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
  if (session.Png == nullptr) return false;
  session.Info = png_create_info_struct(session.Png);
  if (session.Info == nullptr) return false;
  TPngSource source{data, size};
  return DecodeInto(session, source, target);
}
