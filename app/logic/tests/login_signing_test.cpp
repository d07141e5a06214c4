#include <gtest/gtest.h>

#include "app/logic/login_signing.h"
#include "app/logic/md5.h"

namespace lanque {
namespace {

// Expected digests were computed independently (Python hashlib).
TEST(BuildLoginQuery, ExactQueryForAFixedTimeAndNonce) {
  const LoginRequest request{"10001", Md5Hex("lanque123"), 1700000000, "0123456789abcdef"};
  EXPECT_EQ(request.passwordDigest, "a9ceb0adeaad3ed81c036d64db946933");
  EXPECT_EQ(BuildLoginQuery(request),
            "userid=10001&pwd=a9ceb0adeaad3ed81c036d64db946933&timestamp=1700000000"
            "&nonce=0123456789abcdef&signature=307fd6f7e5dc6ed9ee65ac12660f1b17");
}

TEST(BuildLoginQuery, EncodesValuesButSignsTheRawOnes) {
  const LoginRequest request{"a&b c#%+", "", 1700000000, "n1"};
  EXPECT_EQ(LoginSignature(request), "bcf80d6ea57bc2ecd158774d75fa1312");
  EXPECT_EQ(BuildLoginQuery(request),
            "userid=a%26b%20c%23%25%2B&pwd=&timestamp=1700000000&nonce=n1"
            "&signature=bcf80d6ea57bc2ecd158774d75fa1312");
}

TEST(BuildLoginQuery, SignsTheCodePageBytesOfTheUserNumber) {
  const LoginRequest request{"\xD5\xC5\xC8\xFD", "d", 1700000000, "n1"};  // 张三 in GBK
  EXPECT_EQ(BuildLoginQuery(request),
            "userid=%D5%C5%C8%FD&pwd=d&timestamp=1700000000&nonce=n1"
            "&signature=ec90f35f085750d65c80a1772e9e7000");
}

}  // namespace
}  // namespace lanque
