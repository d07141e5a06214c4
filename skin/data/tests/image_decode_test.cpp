#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "skin/data/image_decode.h"
#include "skin/data/jpeg_decode.h"
#include "skin/data/tests/skin_test_util.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

void Put32(TBytes& out, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) out.push_back(static_cast<std::uint8_t>(v >> (8 * k)));
}
void Put16(TBytes& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A bitmap file with a 40-byte header; rows are given top row first.
TBytes Bmp(int w, int h, int bpp, const std::vector<TBytes>& rows, const std::vector<std::uint32_t>& palette,
           bool topDown, std::uint32_t compression = 0, const TBytes& extra = {}) {
  const std::size_t stride = (static_cast<std::size_t>(w) * bpp + 31) / 32 * 4;
  TBytes pixels;
  for (int i = 0; i < h; ++i) {
    TBytes row = rows[static_cast<std::size_t>(topDown ? i : h - 1 - i)];
    row.resize(stride);
    pixels.insert(pixels.end(), row.begin(), row.end());
  }
  const std::uint32_t offset = 54 + static_cast<std::uint32_t>(extra.size() + 4 * palette.size());
  TBytes out = {'B', 'M'};
  Put32(out, offset + static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(w));
  Put32(out, static_cast<std::uint32_t>(topDown ? -h : h));
  Put16(out, 1);
  Put16(out, static_cast<std::uint16_t>(bpp));
  Put32(out, compression);
  Put32(out, static_cast<std::uint32_t>(pixels.size()));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(palette.size()));
  Put32(out, 0);
  out.insert(out.end(), extra.begin(), extra.end());
  for (std::uint32_t c : palette) Put32(out, c);
  out.insert(out.end(), pixels.begin(), pixels.end());
  return out;
}

std::vector<std::uint32_t> Pixels(const TBitmap32& bmp) {
  std::vector<std::uint32_t> out;
  for (int y = 0; y < bmp.Height(); ++y) out.insert(out.end(), bmp.Row(y), bmp.Row(y) + bmp.Width());
  return out;
}

}  // namespace

TEST(BmpDecode, ReadsEveryDepthInBothRowOrders) {
  const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  struct TCase {
    int Bits;
    std::vector<TBytes> Rows;
  };
  // Two rows of three pixels: palette indexes 1 2 3 / 3 0 1 (1 bit: 1 0 1 / 0 1 1).
  const std::vector<TCase> cases = {
      {8, {{1, 2, 3}, {3, 0, 1}}},
      {4, {{0x12, 0x30}, {0x30, 0x10}}},
      {24, {{0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0, 0}, {0xFF, 0, 0, 0, 0, 0, 0, 0, 0xFF}}},
  };
  const std::vector<std::uint32_t> expected = {0xFF0000, 0x00FF00, 0x0000FF, 0x0000FF, 0x000000, 0xFF0000};
  for (const TCase& c : cases)
    for (bool topDown : {false, true}) {
      const auto image = DecodeImage(Bmp(3, 2, c.Bits, c.Rows, c.Bits == 24 ? std::vector<std::uint32_t>{} : palette, topDown));
      ASSERT_TRUE(image) << c.Bits;
      EXPECT_FALSE(image->HasAlpha);
      EXPECT_EQ(Pixels(image->Bitmap), expected) << c.Bits << " bits, top-down " << topDown;
    }
  const auto mono = DecodeImage(Bmp(3, 1, 1, {{0b10100000}}, {0x000000, 0xFFFFFF}, false));
  ASSERT_TRUE(mono);
  EXPECT_EQ(Pixels(mono->Bitmap), (std::vector<std::uint32_t>{0xFFFFFF, 0, 0xFFFFFF}));
}

TEST(BmpDecode, KeepsThe32BitAlphaAndReadsBitFields) {
  const auto plain = DecodeImage(Bmp(1, 1, 32, {{1, 2, 3, 4}}, {}, false));
  ASSERT_TRUE(plain);
  EXPECT_TRUE(plain->HasAlpha);
  EXPECT_EQ(Pixels(plain->Bitmap)[0], 0x04030201u);
  // Masks red 0xFF, green 0xFF00, blue 0xFF0000 (the reverse of the usual order).
  TBytes masks;
  Put32(masks, 0x000000FF);
  Put32(masks, 0x0000FF00);
  Put32(masks, 0x00FF0000);
  const auto fields = DecodeImage(Bmp(1, 1, 32, {{0x11, 0x22, 0x33, 0x44}}, {}, false, 3, masks));
  ASSERT_TRUE(fields);
  EXPECT_EQ(Pixels(fields->Bitmap)[0], 0x00112233u);
}

TEST(BmpDecode, SkinImagesGetAlphaOutsideTheKeyColour) {
  const auto image = DecodeSkinImage(Bmp(2, 1, 24, {{0xFF, 0, 0xFF, 1, 2, 3}}, {}, true));
  ASSERT_TRUE(image);
  EXPECT_EQ(Pixels(image->Bitmap), (std::vector<std::uint32_t>{0x00FF00FF, 0xFF030201}));
}

TEST(ImageDecode, HostileSizesAllocateNothing) {
  // A 30000 x 30000 bitmap (within the side limit, beyond the pixel limit) and
  // a 4000 x 4000 one whose rows are not in the file.
  TBytes huge = Bmp(1, 1, 24, {{1, 2, 3}}, {}, false);
  const auto setSize = [&](TBytes& b, std::int32_t w, std::int32_t h) {
    std::memcpy(b.data() + 18, &w, 4);
    std::memcpy(b.data() + 22, &h, 4);
  };
  setSize(huge, 30000, 30000);
  EXPECT_FALSE(DecodeImage(huge));
  setSize(huge, 4000, 4000);
  EXPECT_FALSE(DecodeImage(huge));
  setSize(huge, -5, 1);
  EXPECT_FALSE(DecodeImage(huge));
  setSize(huge, 1, INT32_MIN);
  EXPECT_FALSE(DecodeImage(huge));

  TBytes png = PngRgba(1, 1, {1, 2, 3, 4});
  png[17] = 0x01;  // IHDR width and height (big-endian) become 65537 each
  png[21] = 0x01;
  EXPECT_FALSE(DecodeImage(png));
  TBytes jpeg = EncodeJpeg(8, 8);
  // The SOF0 segment holds the height and width after its length and precision.
  for (std::size_t i = 0; i + 8 < jpeg.size(); ++i)
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = jpeg[i + 6] = jpeg[i + 7] = jpeg[i + 8] = 0xFF;
      break;
    }
  EXPECT_FALSE(DecodeImage(jpeg));
  EXPECT_FALSE(DecodeJpeg(jpeg.data(), jpeg.size()));
}

TEST(ImageDecode, PngKeepsItsAlphaInBlueGreenRedAlphaOrder) {
  const auto image = DecodeImage(PngRgba(2, 1, {0x10, 0x20, 0x30, 0x40, 0xFF, 0xFF, 0xFF, 0}));
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Format, TImageFormat::Png);
  EXPECT_EQ(Pixels(image->Bitmap), (std::vector<std::uint32_t>{0x40102030, 0x00FFFFFF}));
  EXPECT_FALSE(DecodeImage(TBytes{'B', 'M', 0}));
  EXPECT_FALSE(DecodeImage(TBytes{1, 2, 3, 4}));
}

TEST(ImageDecode, JpegIsOpaqueAndTheBannerDecoderStillWorks) {
  const TBytes jpeg = EncodeJpeg(20, 10);
  const auto image = DecodeImage(jpeg);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->Bitmap.Width(), 20);
  EXPECT_EQ(image->Bitmap.Row(5)[3] >> 24, 0xFFu);
  const auto banner = DecodeJpeg(jpeg.data(), jpeg.size());
  ASSERT_TRUE(banner);
  EXPECT_EQ(banner->Pixels.size(), 200u);
  EXPECT_EQ(banner->Pixels[5 * 20 + 3], image->Bitmap.Row(5)[3]);
}
