#include "jpeg_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// jump back to DecodeJpeg instead of letting the library call exit().
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

bool DecodeInto(TJpegSession& session, const std::uint8_t* data, std::size_t size,
                TDecodedImage& image) {
  if (setjmp(session.Trap.Jump)) return false;
  jpeg_decompress_struct& info = session.Info;
  jpeg_create_decompress(&info);
  session.Created = true;
  jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
  info.out_color_space = JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  image.Width = static_cast<int>(info.output_width);
  image.Height = static_cast<int>(info.output_height);
  image.Pixels.assign(static_cast<std::size_t>(image.Width) * image.Height, 0);
  while (info.output_scanline < info.output_height) {
    auto* row = reinterpret_cast<JSAMPLE*>(
        image.Pixels.data() + static_cast<std::size_t>(info.output_scanline) * image.Width);
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  return true;
}

}  // namespace

std::optional<TDecodedImage> DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  if (data == nullptr || size == 0) return std::nullopt;
  TJpegSession session;
  session.Info.err = jpeg_std_error(&session.Trap.Manager);
  session.Trap.Manager.error_exit = JumpOnError;
  session.Trap.Manager.emit_message = IgnoreMessage;
  TDecodedImage image;
  if (!DecodeInto(session, data, size, image)) return std::nullopt;
  // JCS_EXT_BGRA fills the alpha byte with 0xFF already.
  return image;
}
