#include "app/logic/md5.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace lanque {
namespace {

TEST(Md5Hex, Rfc1321TestSuite) {
  EXPECT_EQ(Md5Hex(""), "d41d8cd98f00b204e9800998ecf8427e");
  EXPECT_EQ(Md5Hex("a"), "0cc175b9c0f1b6a831c399e269772661");
  EXPECT_EQ(Md5Hex("abc"), "900150983cd24fb0d6963f7d28e17f72");
  EXPECT_EQ(Md5Hex("message digest"), "f96b697d7cb7938d525a2f31aaf161d0");
  EXPECT_EQ(Md5Hex("abcdefghijklmnopqrstuvwxyz"), "c3fcd3d76192e4007dfb496cca67e13b");
  EXPECT_EQ(Md5Hex("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
            "d174ab98d277d9f5a5611c2c9f419d9f");
  EXPECT_EQ(Md5Hex("1234567890123456789012345678901234567890"
                   "1234567890123456789012345678901234567890"),
            "57edf4a22be3c955ac49da2e2107b67a");
}

TEST(Md5Hex, PaddingBoundariesAroundOneBlock) {
  EXPECT_EQ(Md5Hex(std::string(55, 'a')), "ef1772b6dff9a122358552954ad0df65");
  EXPECT_EQ(Md5Hex(std::string(56, 'a')), "3b0c8ac703f828b04c6c197006d17218");
  EXPECT_EQ(Md5Hex(std::string(63, 'a')), "b06521f39153d618550606be297466d5");
  EXPECT_EQ(Md5Hex(std::string(64, 'a')), "014842d480b571495a4a0363793f7367");
  EXPECT_EQ(Md5Hex(std::string(65, 'a')), "c743a45e0d2e6a95cb859adae0248435");
  EXPECT_EQ(Md5Hex(std::string(1000000, 'a')), "7707d6ae4e027c70eea2a935c2296f21");
}

TEST(Md5Hex, DigestsTheBytesAsGiven) {
  // "张三" in GBK: the digest is over the code-page bytes, not over UTF-8.
  EXPECT_EQ(Md5Hex("\xD5\xC5\xC8\xFD"), "894152fff4f97e8fb2b8f304c5c56ebb");
  EXPECT_EQ(Md5Hex(std::string("a\0b", 3)), Md5Hex(std::string("a\0b", 3)));
  EXPECT_NE(Md5Hex(std::string("a\0b", 3)), Md5Hex("a"));
}

std::string HexOf(const unsigned char (&digest)[16]) {
  std::string hex;
  char pair[3];
  for (unsigned char byte : digest) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  return hex;
}

TEST(Md5Ctx, ChunkedUpdatesMatchOneUpdateForEverySplit) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += static_cast<char>('A' + i % 53);
  const std::string whole = Md5Hex(text);
  for (std::size_t chunk : {1u, 3u, 55u, 63u, 64u, 65u, 127u}) {
    MD5_CTX context;
    for (std::size_t at = 0; at < text.size(); at += chunk) {
      const std::size_t n = std::min(chunk, text.size() - at);
      context.MD5Update(reinterpret_cast<const unsigned char*>(text.data() + at),
                        static_cast<std::uint32_t>(n));
    }
    unsigned char digest[16];
    context.MD5Final(digest);
    EXPECT_EQ(HexOf(digest), whole) << "chunk " << chunk;
  }
}

TEST(Md5Ctx, FinalRestartsTheObjectForTheNextDigest) {
  MD5_CTX context;
  unsigned char digest[16];
  context.MD5Update(reinterpret_cast<const unsigned char*>("abc"), 3);
  context.MD5Final(digest);
  EXPECT_EQ(HexOf(digest), "900150983cd24fb0d6963f7d28e17f72");
  context.MD5Update(reinterpret_cast<const unsigned char*>("a"), 1);
  context.MD5Final(digest);
  EXPECT_EQ(HexOf(digest), "0cc175b9c0f1b6a831c399e269772661");
  context.MD5Final(digest);  // nothing added since: the empty digest
  EXPECT_EQ(HexOf(digest), "d41d8cd98f00b204e9800998ecf8427e");
}

}  // namespace
}  // namespace lanque
