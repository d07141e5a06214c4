// Parsing pages into body text and elements, character sets, the engine
// switch and request addresses.
#include "browser/http_fetch.h"
#include "browser/page_charset.h"
#include "browser/page_content.h"
#include "browser/web_browser.h"

#include <gtest/gtest.h>

namespace {

// "TAG" for elements without id and value, else "TAG#id=value".
std::wstring Describe(const PageContent& page) {
  std::wstring all;
  for (const PageElement& element : page.elements) {
    all += element.tagName;
    if (!element.id.empty() || !element.value.empty()) all += L"#" + element.id + L"=" + element.value;
    all += L" ";
  }
  return all;
}

TEST(PageContent, BodyTextLeavesOutMarkupScriptsAndStyles) {
  PageContent page = ParseHtmlPage(
      "<html><head><title>T</title><style>p{}</style><script>var a=1;</script></head>"
      "<body>\n  <h1>Head &amp; line</h1><script>document.write('x')</script>"
      "<p>A&nbsp;B &lt;i&gt; &#x4E2D;&#25991;   many\n   blanks</p>"
      "<div>one<br>two</div><noscript>no script</noscript>tail  </body></html>");
  EXPECT_EQ(page.bodyText,
            L"Head & line\r\n\r\nA\u00A0B <i> 中文 many blanks\r\n\r\none\r\ntwo\r\ntail");
}

TEST(PageContent, TablesGiveTabsAndRowsAndPreKeepsBlanks) {
  PageContent page = ParseHtmlPage(
      "<body><table><tr><td>a</td><td>b</td></tr><tr><th>c</th><td> d </td></tr></table>"
      "<pre>x  y\nz</pre></body>");
  EXPECT_EQ(page.bodyText, L"a\tb\r\nc\td\r\nx  y\r\nz");
}

TEST(PageContent, ReplyWithoutMarkupIsItsText) {
  EXPECT_EQ(ParseHtmlPage("1.00|http://host/update|60\n").bodyText,
            L"1.00|http://host/update|60");
  EXPECT_EQ(ParseHtmlPage("").bodyText, L"");
}

TEST(PageContent, NulAndControlCharactersNeitherEmptyNorCutTheText) {
  using namespace std::string_literals;
  // Each reply the sign-in reads, with a NUL or another control character in
  // the head, the title, an attribute, a comment or the body text. Following
  // HTML's rules a NUL in text is ignored, one inside markup reads as U+FFFD;
  // the other control characters, invisible, are left out of the text.
  const std::pair<std::string, std::wstring> cases[] = {
      {"<html><head>\0<title>p</title></head><body>1.00|http://svc/u|60</body></html>"s,
       L"1.00|http://svc/u|60"},
      {"<html><head><title>a\0b</title><meta charset=\"utf-8\"></head><body>0123abcd</body></html>"s,
       L"0123abcd"},
      {"<html><head><meta name=\"x\0\" content='\0>'><!-- \0 --></head><body>TRUE|http://svc/land</body></html>"s,
       L"TRUE|http://svc/land"},
      {"<html><head><style>\0</style><script>\0</script></head><body>land\0ing page</body></html>"s,
       L"landing page"},
      {"\0<html><head>\x01</head><body>a\x01" "b\x08" "c\x0B\x1F|d</body></html>"s, L"abc|d"},
      {"nonce\0tail"s, L"noncetail"},
  };
  for (const auto& [html, text] : cases) {
    SCOPED_TRACE(testing::Message() << html.size() << " bytes: " << html.substr(0, 40));
    PageContent page = ParseHtmlPage(html);
    EXPECT_EQ(page.bodyText, text);
    EXPECT_NE(Describe(page).find(L"BODY"), std::wstring::npos);
  }
  PageContent input = ParseHtmlPage("<html><head>\0</head><body><input id=\"client_exit\" value=\"0\0\"></body></html>"s);
  EXPECT_NE(Describe(input).find(L"INPUT#client_exit=0\uFFFD"), std::wstring::npos) << Describe(input);
}

TEST(PageContent, APageAsLargeAsAFetchMayBeIsParsedWhole) {
  // Text nodes beyond the HTML parser's usual 10,000,000 bytes included.
  const std::string filler(kMaxPageBytes - 64, 'x');
  PageContent page = ParseHtmlPage("<html><body><p>" + filler + "</p><p>end</p></body></html>");
  ASSERT_EQ(page.bodyText.size(), filler.size() + 7);
  EXPECT_EQ(page.bodyText.substr(page.bodyText.size() - 5), L"\r\nend");
}

TEST(PageContent, ElementsInDocumentOrderWithIdsAndValues) {
  PageContent page = ParseHtmlPage(
      "<html><body><form><input id='a' value='1'><div id='b'>x</div>"
      "<INPUT ID='b' Value='2'><textarea id='t'>text</textarea><input></form></body></html>");
  EXPECT_EQ(Describe(page),
            L"HTML BODY FORM INPUT#a=1 DIV#b= INPUT#b=2 TEXTAREA#t=text INPUT ");
}

TEST(PageContent, DocumentHandlesShareWrittenValues) {
  auto content = std::make_shared<PageContent>(
      ParseHtmlPage("<body><input id='x' value='old'></body>"));
  auto document = MakePageDocument(content);
  ASSERT_EQ(document->AllLength(), 3);
  EXPECT_EQ(document->AllItem(3), nullptr);
  EXPECT_EQ(document->AllItem(-1), nullptr);
  auto input = document->AllItem(2);
  EXPECT_EQ(input->TagName(), L"INPUT");
  EXPECT_EQ(input->Value(), L"old");
  input->SetValue(L"新值");
  EXPECT_EQ(MakePageDocument(content)->AllItem(2)->Value(), L"新值");
}

TEST(PageContent, TakeInputValuesMatchesByIdAndOccurrence) {
  PageContent current = ParseHtmlPage(
      "<body><input id='n' value='a'><input id='n' value='b'><div id='n'></div>"
      "<input id='other' value='keep'></body>");
  PageContent fresh = ParseHtmlPage(
      "<body><p>changed</p><input id='n' value='A'><input id='n' value='B'></body>");
  TakeInputValues(current, fresh);
  EXPECT_EQ(Describe(current), L"HTML BODY INPUT#n=A INPUT#n=B DIV#n= INPUT#other=keep ");
}

TEST(PageCharset, HeaderThenByteOrderMarkThenMetaThenGuess) {
  const std::string gbk = "\xD6\xD0\xCE\xC4";  // 中文 in GBK
  EXPECT_EQ(CharsetOfContentType("text/html; Charset=\"GBK\""), "gbk");
  EXPECT_EQ(PageBytesToUtf8(gbk, "text/html; charset=gbk"), "中文");
  EXPECT_EQ(PageBytesToUtf8("\xEF\xBB\xBF" "abc", "text/html"), "abc");
  EXPECT_EQ(PageBytesToUtf8(std::string("\xFF\xFE" "a\0b\0", 6), ""), "ab");
  EXPECT_EQ(PageBytesToUtf8("<meta charset=gb2312>" + gbk, "text/html"),
            "<meta charset=gb2312>中文");
  EXPECT_EQ(PageBytesToUtf8(
                "<META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=GBK'>" + gbk, ""),
            "<META HTTP-EQUIV='Content-Type' CONTENT='text/html; charset=GBK'>中文");
  EXPECT_EQ(PageBytesToUtf8("中文", ""), "中文");  // valid UTF-8 stays
  // A header naming UTF-8 over broken bytes gives replacement characters.
  EXPECT_EQ(PageBytesToUtf8("a\xFF" "b", "text/html; charset=utf-8"), "a\xEF\xBF\xBD" "b");
}

TEST(PageCharset, UndeclaredNonUtf8BytesUseTheSystemCodePage) {
  if (GetACP() != 936) GTEST_SKIP() << "needs the Chinese system code page";
  EXPECT_EQ(PageBytesToUtf8("\xD6\xD0\xCE\xC4", "text/html"), "中文");
}

TEST(RequestAddress, QueryIsEncodedInTheSystemCodePage) {
  EXPECT_EQ(RequestAddress(L"http://h/p?a=1&b=x y#frag"), L"http://h/p?a=1&b=x%20y");
  EXPECT_EQ(RequestAddress(L"http://h/路径"), L"http://h/路径");
  if (GetACP() != 936) GTEST_SKIP() << "needs the Chinese system code page";
  EXPECT_EQ(RequestAddress(L"http://h/p?userid=中文"), L"http://h/p?userid=%D6%D0%CE%C4");
}

TEST(EngineSwitch, ReadsEitherEngineInAnyCase) {
  EXPECT_EQ(ParseBrowserEngineSwitch(L"app.exe"), BrowserEngineKind::Automatic);
  EXPECT_EQ(ParseBrowserEngineSwitch(L"\"C:\\a b\\app.exe\" /ENGINE=Page"),
            BrowserEngineKind::Page);
  EXPECT_EQ(ParseBrowserEngineSwitch(L"app.exe /actest /engine=system"),
            BrowserEngineKind::System);
  EXPECT_EQ(ParseBrowserEngineSwitch(L"app.exe /engine=pages \"/engine=page x\""),
            BrowserEngineKind::Automatic);
}

TEST(PageDeadlineSwitch, SetsTheDeadlineInSeconds) {
  EXPECT_EQ(ParseTimeoutSwitch(L"app.exe").pageMs, HttpTimeouts{}.pageMs);
  EXPECT_EQ(ParseTimeoutSwitch(L"app.exe /engine=page /TIMEOUT=3").pageMs, 3000);
  for (const wchar_t* bad : {L"app.exe /timeout=0", L"app.exe /timeout=3601", L"app.exe /timeout=2s",
                             L"app.exe /timeout=", L"app.exe /timeout=99999999999"})
    EXPECT_EQ(ParseTimeoutSwitch(bad).pageMs, HttpTimeouts{}.pageMs) << bad;
}

}  // namespace
