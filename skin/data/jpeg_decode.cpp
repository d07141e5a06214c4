#include "skin/data/jpeg_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to DecodeJpegInto instead of letting the library call exit().
struct TJpegErrorTrap {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegErrorTrap*>(info->err)->Jump, 1);
}

void IgnoreMessage(j_common_ptr, int) {}

// The decoder state that libjpeg writes into lives here, outside the function
// that calls setjmp, so nothing it holds is indeterminate after a longjmp.
struct TJpegSession {
  jpeg_decompress_struct Info{};
  TJpegErrorTrap Trap{};
  bool Created = false;
  ~TJpegSession() {
    if (Created) jpeg_destroy_decompress(&Info);
  }
};

bool DecodeInto(TJpegSession& session, const std::uint8_t* data, std::size_t size, TPixelTarget& target) {
  if (setjmp(session.Trap.Jump)) return false;
  jpeg_decompress_struct& info = session.Info;
  jpeg_create_decompress(&info);
  session.Created = true;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  // The header's size is checked before libjpeg allocates anything for it.
  if (!ImageSizeAllowed(info.image_width, info.image_height)) return false;
  info.out_color_space = JCS_EXT_BGRA;  // fills the alpha byte with 0xFF
  jpeg_start_decompress(&info);
  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  if (!ImageSizeAllowed(width, height) || !target.Allocate(width, height)) return false;
  while (info.output_scanline < info.output_height) {
    auto* row = reinterpret_cast<JSAMPLE*>(target.Row(static_cast<int>(info.output_scanline)));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

class TVectorTarget final : public TPixelTarget {
 public:
  explicit TVectorTarget(TDecodedImage& image) : image_(image) {}
  bool Allocate(int width, int height) override {
    image_.Width = width;
    image_.Height = height;
    image_.Pixels.assign(static_cast<std::size_t>(width) * height, 0);
    return true;
  }
  std::uint32_t* Row(int y) override { return image_.Pixels.data() + static_cast<std::size_t>(y) * image_.Width; }

 private:
  TDecodedImage& image_;
};

}  // namespace

bool DecodeJpegInto(const std::uint8_t* data, std::size_t size, TPixelTarget& target) {
  if (data == nullptr || size == 0) return false;
  TJpegSession session;
  session.Info.err = jpeg_std_error(&session.Trap.Manager);
  session.Trap.Manager.error_exit = JumpOnError;
  session.Trap.Manager.emit_message = IgnoreMessage;
  return DecodeInto(session, data, size, target);
}

std::optional<TDecodedImage> DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  TDecodedImage image;
  TVectorTarget target(image);
  if (!DecodeJpegInto(data, size, target)) return std::nullopt;
  return image;
}
