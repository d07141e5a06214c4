#include <gtest/gtest.h>

#include "app/logic/percent_encoding.h"
#include "app/logic/service_address.h"
#include "app/logic/text_rules.h"

namespace lanque {
namespace {

TEST(TrimControl, RemovesBlanksAndControlCharactersAtBothEndsOnly) {
  EXPECT_EQ(TrimControl(" \t\r\n 100 01\x01 "), "100 01");
  EXPECT_EQ(TrimControl("\x1F\x20"), "");
  // GBK and UTF-8 bytes of Chinese text are never trimmed.
  EXPECT_EQ(TrimControl(" \xD5\xC5\xC8\xFD "), "\xD5\xC5\xC8\xFD");
  EXPECT_EQ(TrimControl("\xE5\xBC\xA0 "), "\xE5\xBC\xA0");
}

TEST(SplitAtBar, SplitsAtTheFirstBarOnly) {
  const BarSplit three = SplitAtBar("1.00|http://h/u|60");
  EXPECT_TRUE(three.found);
  EXPECT_EQ(three.before, "1.00");
  EXPECT_EQ(three.after, "http://h/u|60");
  const BarSplit none = SplitAtBar("no bar");
  EXPECT_FALSE(none.found);
  EXPECT_EQ(none.before, "no bar");
  EXPECT_EQ(none.after, "");
  const BarSplit edges = SplitAtBar("|");
  EXPECT_TRUE(edges.found);
  EXPECT_EQ(edges.before, "");
  EXPECT_EQ(edges.after, "");
}

TEST(EqualsIgnoreAsciiCase, ComparesLettersWithoutCase) {
  EXPECT_TRUE(EqualsIgnoreAsciiCase("tRuE", "TRUE"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("TRUE ", "TRUE"));
  EXPECT_FALSE(EqualsIgnoreAsciiCase("TRUF", "TRUE"));
}

TEST(ParsePollSeconds, AcceptsDecimalSecondsOnly) {
  EXPECT_EQ(ParsePollSeconds("60"), 60000u);
  EXPECT_EQ(ParsePollSeconds("0"), 0u);
  EXPECT_EQ(ParsePollSeconds(" 60\r\n"), 60000u);
  EXPECT_EQ(ParsePollSeconds("+5"), 5000u);
  EXPECT_EQ(ParsePollSeconds("4294967"), 4294967000u);
  for (const char* bad : {"", " ", "abc", "6O", "60s", "-1", "1.5", "0x10", "4294968",
                          "99999999999999999999999", "+", "+-1"}) {
    EXPECT_FALSE(ParsePollSeconds(bad).has_value()) << bad;
  }
}

TEST(PercentEncode, EncodesEverythingOutsideTheUnreservedSet) {
  EXPECT_EQ(PercentEncode("Az09-._~"), "Az09-._~");
  EXPECT_EQ(PercentEncode("a&b c#%+=/?"), "a%26b%20c%23%25%2B%3D%2F%3F");
  EXPECT_EQ(PercentEncode("\xD5\xC5\x01"), "%D5%C5%01");
  EXPECT_EQ(PercentEncode(std::string("\0", 1)), "%00");
}

TEST(ChooseServiceBaseUrl, SwitchWinsOverConfigWhichWinsOverDefault) {
  EXPECT_EQ(ChooseServiceBaseUrl({}, std::nullopt), kDefaultServiceBaseUrl);
  EXPECT_EQ(ChooseServiceBaseUrl({"prog.exe"}, std::string("https://cfg.example/")),
            "https://cfg.example");
  EXPECT_EQ(ChooseServiceBaseUrl({"prog.exe", "/Service=http://sw:81//", "/actest"},
                                 std::string("https://cfg.example")),
            "http://sw:81");
  // The last valid switch counts; invalid values are passed over.
  EXPECT_EQ(ChooseServiceBaseUrl({"/service=http://a", "/service=http://b", "/service=file:///x"},
                                 std::nullopt),
            "http://b");
  EXPECT_EQ(ChooseServiceBaseUrl({"/service="}, std::string("\\\\unc\\share")), kDefaultServiceBaseUrl);
  EXPECT_EQ(ChooseServiceBaseUrl({"service=http://x"}, std::nullopt), kDefaultServiceBaseUrl);
}

TEST(ServiceEndpoints, BuildsTheFourAddressesBelowTheBase) {
  const ServiceEndpoints endpoints("http://h:1");
  EXPECT_EQ(endpoints.ParametersAddress(), "http://h:1/lanquemsg_v2/index.php/Login/client_get_param");
  EXPECT_EQ(endpoints.BannerAddress(), "http://h:1/lanquemsg_v2/index.php/Login/client_login_ad");
  EXPECT_EQ(endpoints.NonceAddress(" 1&2 "),
            "http://h:1/lanquemsg_v2/index.php/Login/client_get_nonce?userid=%201%262%20");
  EXPECT_EQ(endpoints.LoginAddress("q"), "http://h:1/lanquemsg_v2/index.php/Login/client_login?q");
}

}  // namespace
}  // namespace lanque
