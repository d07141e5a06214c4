#include "skin/data/image_decode.h"

#include <cstring>

#include "skin/data/bmp_decode.h"
#include "skin/data/jpeg_decode.h"
#include "skin/data/png_decode.h"
#include "skin/paint/fills.h"

namespace {

class TBitmapTarget final : public TPixelTarget {
 public:
  bool Allocate(int width, int height) override {
    Bitmap = TBitmap32(width, height);
    return !Bitmap.Empty();
  }
  std::uint32_t* Row(int y) override { return Bitmap.Row(y); }
  TBitmap32 Bitmap;
};

}  // namespace

std::optional<TImageFormat> SniffImageFormat(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return TImageFormat::Bmp;
  if (bytes.size() >= sizeof kPngSignature && std::memcmp(bytes.data(), kPngSignature, sizeof kPngSignature) == 0)
    return TImageFormat::Png;
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return TImageFormat::Jpeg;
  return std::nullopt;
}

std::optional<TLoadedImage> DecodeImage(std::span<const std::uint8_t> bytes) {
  const std::optional<TImageFormat> format = SniffImageFormat(bytes);
  if (!format) return std::nullopt;
  TBitmapTarget target;
  bool decoded = false;
  bool hasAlpha = false;
  switch (*format) {
    case TImageFormat::Bmp: {
      TBmpInfo info;
      decoded = DecodeBmpInto(bytes.data(), bytes.size(), target, &info);
      hasAlpha = info.BitsPerPixel == 32;
      break;
    }
    case TImageFormat::Png:
      decoded = DecodePngInto(bytes.data(), bytes.size(), target);
      hasAlpha = true;
      break;
    case TImageFormat::Jpeg:
      decoded = DecodeJpegInto(bytes.data(), bytes.size(), target);
      break;  // JPEG has no alpha (libjpeg writes 255)
  }
  if (!decoded || target.Bitmap.Empty()) return std::nullopt;
  return TLoadedImage{std::move(target.Bitmap), *format, hasAlpha};
}

std::optional<TLoadedImage> DecodeSkinImage(std::span<const std::uint8_t> bytes) {
  std::optional<TLoadedImage> image = DecodeImage(bytes);
  if (image && !image->HasAlpha)
    FillAlphaRect(image->Bitmap, {0, 0, image->Bitmap.Width(), image->Bitmap.Height()}, 255, sFuchsia);
  return image;
}
