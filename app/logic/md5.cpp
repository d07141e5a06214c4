#include "app/logic/md5.h"

#include <algorithm>
#include <cstring>

namespace lanque {
namespace {

constexpr std::uint32_t kSine[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};

constexpr int kShift[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};

std::uint32_t RotateLeft(std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); }

void EncodeLittleEndian(unsigned char* out, const std::uint32_t* in, std::size_t words) {
  for (std::size_t i = 0; i < words; ++i) {
    out[4 * i] = static_cast<unsigned char>(in[i]);
    out[4 * i + 1] = static_cast<unsigned char>(in[i] >> 8);
    out[4 * i + 2] = static_cast<unsigned char>(in[i] >> 16);
    out[4 * i + 3] = static_cast<unsigned char>(in[i] >> 24);
  }
}

}  // namespace

MD5_CTX::MD5_CTX() { Reset(); }

void MD5_CTX::Reset() {
  state_ = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
  count_ = {0, 0};
  buffer_.fill(0);
  padding_.fill(0);
  padding_[0] = 0x80;
}

void MD5_CTX::Transform(const unsigned char block[64]) {
  std::uint32_t x[16];
  for (int i = 0; i < 16; ++i) {
    x[i] = std::uint32_t(block[4 * i]) | std::uint32_t(block[4 * i + 1]) << 8 |
           std::uint32_t(block[4 * i + 2]) << 16 | std::uint32_t(block[4 * i + 3]) << 24;
  }
  std::uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
  for (int i = 0; i < 64; ++i) {
    const int round = i / 16;
    std::uint32_t f;
    int g;
    switch (round) {
      case 0: f = (b & c) | (~b & d); g = i; break;
      case 1: f = (b & d) | (c & ~d); g = (5 * i + 1) % 16; break;
      case 2: f = b ^ c ^ d; g = (3 * i + 5) % 16; break;
      default: f = c ^ (b | ~d); g = (7 * i) % 16; break;
    }
    const std::uint32_t next = b + RotateLeft(a + f + kSine[i] + x[g], kShift[round][i % 4]);
    a = d;
    d = c;
    c = b;
    b = next;
  }
  state_[0] += a;
  state_[1] += b;
  state_[2] += c;
  state_[3] += d;
}

void MD5_CTX::MD5Update(const unsigned char* input, std::uint32_t length) {
  std::uint32_t index = (count_[0] >> 3) & 0x3F;
  const std::uint32_t bitsLow = length << 3;
  count_[0] += bitsLow;
  if (count_[0] < bitsLow) ++count_[1];
  count_[1] += length >> 29;

  const std::uint32_t room = 64 - index;
  std::uint32_t i = 0;
  if (length >= room) {
    std::memcpy(&buffer_[index], input, room);
    Transform(buffer_.data());
    for (i = room; i + 63 < length; i += 64) Transform(input + i);
    index = 0;
  }
  if (length > i) std::memcpy(&buffer_[index], input + i, length - i);
}

void MD5_CTX::MD5Final(unsigned char digest[16]) {
  unsigned char bits[8];
  EncodeLittleEndian(bits, count_.data(), 2);
  const std::uint32_t index = (count_[0] >> 3) & 0x3F;
  const std::uint32_t padLength = index < 56 ? 56 - index : 120 - index;
  MD5Update(padding_.data(), padLength);
  MD5Update(bits, 8);
  EncodeLittleEndian(digest, state_.data(), 4);
  Reset();
}

std::string Md5Hex(std::string_view bytes) {
  MD5_CTX context;
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t left = bytes.size();
  while (left > 0) {  // MD5Update takes a 32-bit count
    const auto chunk = static_cast<std::uint32_t>(std::min<std::size_t>(left, 0x40000000));
    context.MD5Update(data, chunk);
    data += chunk;
    left -= chunk;
  }
  unsigned char digest[16];
  context.MD5Final(digest);
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex(32, '0');
  for (int i = 0; i < 16; ++i) {
    hex[2 * i] = kHex[digest[i] >> 4];
    hex[2 * i + 1] = kHex[digest[i] & 0x0F];
  }
  return hex;
}

}  // namespace lanque
