// MD5 message digest (RFC 1321) and its lowercase hexadecimal form.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lanque {

// One digest at a time; MD5Final restarts the object, so it can be reused.
class MD5_CTX {
 public:
  MD5_CTX();

  void MD5Update(const unsigned char* input, std::uint32_t length);
  // Writes the 16 digest bytes, then clears every field and starts afresh.
  void MD5Final(unsigned char digest[16]);

 private:
  void Reset();
  void Transform(const unsigned char block[64]);

  std::array<std::uint32_t, 4> state_{};
  std::array<std::uint32_t, 2> count_{};  // number of input bits, low word first
  std::array<unsigned char, 64> buffer_{};
  std::array<unsigned char, 64> padding_{};
};

// MD5 of the bytes as 32 lowercase hexadecimal characters.
std::string Md5Hex(std::string_view bytes);

}  // namespace lanque
