#include <gtest/gtest.h>

#include <string>

#include "app/logic/web_address.h"

namespace lanque {
namespace {

TEST(IsWebAddress, AcceptsCompleteHttpAndHttpsAddresses) {
  for (const char* good :
       {"http://h", "HTTPS://host:8080/p?q#f", "http://127.0.0.1:1/", "http://h:/",
        "http://user:pw@h.example/a;b=c/d@e?x=1&y=%E4%B8%AD/?#frag/?",
        "http://[::1]:8765/x", "http://[2001:db8::7]/", "http://[1:2:3:4:5:6:7:8]",
        "http://[::ffff:192.0.2.1]/", "http://[v7.fe80::a+b]/", "http://a%20b/",
        "http://h/!$&()*+,;=:@-._~"}) {
    EXPECT_TRUE(IsWebAddress(good)) << good;
  }
}

TEST(IsWebAddress, RefusesWhatIsNotACompleteSafeWebAddress) {
  const std::string quotedUpdate = "http://svc/setup.exe\" file:///c:/windows/system32/calc.exe";
  for (const std::string& bad : std::initializer_list<std::string>{
           "", "http://", "https:///path", "http:/h", "http:h", "file:///c:/windows/notepad.exe",
           "\\\\server\\share\\setup.exe", "c:\\setup.exe", "ftp://h/x", "javascript:alert(1)",
           " http://h", "http://h ", "http:\\\\h", "http://a b/", "http://h/a b", "http://h/\tx",
           quotedUpdate, "http://h/it's", "http://h/\"", "http://h/%", "http://h/%4", "http://h/%zz",
           "http://h/a\r\nb", std::string("http://h/a\0b", 12), "http://h/\x7F", "http://h/中文",
           "http://h/<script>", "http://h/a\\b", "http://h/{x}", "http://h/a|b", "http://h/a^b",
           "http://h/`x`", "http://h:80x/", "http://h:-1/", "http://@/", "http://u@:80/",
           "http://[::1/", "http://[]/", "http://[1:2:3:4:5:6:7:8:9]/", "http://[1::2::3]/",
           "http://[12345::]/", "http://[:1]/", "http://[1:]/", "http://[v.x]/", "http://h#a#b",
           "http://h/[x]"}) {
    EXPECT_FALSE(IsWebAddress(bad)) << bad;
  }
}

TEST(IsWebAddress, LengthLimitIsInclusive) {
  std::string address = "http://h/";
  address.resize(kMaxWebAddressLength, 'a');
  EXPECT_TRUE(IsWebAddress(address));
  EXPECT_FALSE(IsWebAddress(address + "a"));
  EXPECT_FALSE(IsWebAddress(address + std::string(5000, 'a')));
}

}  // namespace
}  // namespace lanque
