// The system WebBrowser control under Wine (run without its HTML engine),
// the engine factory with its fallback, and late-bound calls.
#include "browser/browser_site.h"
#include "browser/tests/browser_test_support.h"
#include "browser/fallback_browser.h"
#include "browser/late_binding.h"
#include "browser/page_engine.h"
#include "browser/system_engine.h"

#include <gtest/gtest.h>

#include <ios>
#include <vector>

namespace {

class SystemEngineTest : public testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
  void TearDown() override { OleUninitialize(); }

  std::unique_ptr<HostWindow> host_ = std::make_unique<HostWindow>();
  std::vector<std::wstring> completed_;
};

TEST_F(SystemEngineTest, HostedControlFollowsItsContainerAndReleasesEverything) {
  {
    auto engine = SystemBrowserEngine::Create(host_->Container());
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(BrowserSite::LiveCount(), 1);
    EXPECT_NE(engine->BrowserObject(), nullptr);
    EXPECT_NE(engine->Application(), nullptr);
    EXPECT_EQ(engine->Document(), nullptr);
    EXPECT_FALSE(engine->Busy());

    HWND control = GetWindow(host_->Container(), GW_CHILD);
    ASSERT_NE(control, nullptr);
    MoveWindow(host_->Container(), 0, 0, 289, 100, TRUE);
    RECT placed{};
    GetWindowRect(control, &placed);
    EXPECT_EQ(placed.right - placed.left, 289);
    MoveWindow(host_->Container(), 0, 0, 0, 100, TRUE);
    GetWindowRect(control, &placed);
    EXPECT_EQ(placed.right - placed.left, 0);
  }
  // Every reference the control took on the site has come back.
  EXPECT_EQ(BrowserSite::LiveCount(), 0);
  EXPECT_EQ(GetWindow(host_->Container(), GW_CHILD), nullptr);
}

TEST_F(SystemEngineTest, NavigationWithoutHtmlEngineEndsInNavigateError) {
  std::wstring base = PageServerBase();
  ASSERT_FALSE(base.empty()) << "page server not running";
  auto engine = SystemBrowserEngine::Create(host_->Container());
  ASSERT_NE(engine, nullptr);
  HRESULT status = S_OK;
  std::wstring failed;
  engine->SetOnNavigateError([&](const std::wstring& address, HRESULT code) {
    failed = address;
    status = code;
  });
  engine->SetOnDocumentComplete(
      [&](BrowserObjectId, const std::wstring& address) { completed_.push_back(address); });
  engine->Navigate(base + L"/plain");
  ASSERT_TRUE(PumpUntil([&] { return status != S_OK; }, 10000));
  // No document object: it cannot be made, or its class is not there at all.
  EXPECT_TRUE(status == static_cast<HRESULT>(0x800C0010L) || status == REGDB_E_CLASSNOTREG)
      << std::hex << status;
  EXPECT_EQ(failed, base + L"/plain");
  PumpFor(200);
  EXPECT_TRUE(completed_.empty());
  EXPECT_EQ(engine->Document(), nullptr);
}

TEST_F(SystemEngineTest, EmulationModeIsSetForThisProgram) {
  SetBrowserEmulationForThisProgram();
  DWORD mode = 0, size = sizeof(mode);
  ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER,
                         L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\"
                         L"FEATURE_BROWSER_EMULATION",
                         L"browser_system_engine_test.exe", RRF_RT_REG_DWORD, nullptr, &mode,
                         &size),
            ERROR_SUCCESS);
  EXPECT_EQ(mode, 11001u);
}

TEST_F(SystemEngineTest, FactoryFallsBackToThePageEngineAndReissuesTheNavigation) {
  std::wstring base = PageServerBase();
  ASSERT_FALSE(base.empty()) << "page server not running";
  auto browser = CreateWebBrowser(host_->Container(), BrowserEngineKind::Automatic);
  EXPECT_EQ(BrowserSite::LiveCount(), 1);
  BrowserObjectId completedBy = nullptr;
  browser->SetOnDocumentComplete([&](BrowserObjectId object, const std::wstring& address) {
    completedBy = object;
    completed_.push_back(address);
  });
  browser->Navigate(base + L"/plain");
  ASSERT_TRUE(PumpUntil([&] { return !completed_.empty(); }, 10000));
  PumpFor(200);
  ASSERT_EQ(completed_.size(), 1u);
  EXPECT_EQ(completed_[0], base + L"/plain");
  EXPECT_EQ(completedBy, browser->BrowserObject());
  EXPECT_EQ(browser->Document()->BodyOuterText(), L"1.00|http://example.invalid/update|60");
  EXPECT_EQ(browser->Application(), nullptr);
  EXPECT_EQ(BrowserSite::LiveCount(), 0);  // the failed control is gone

  browser->Navigate(base + L"/gbk");  // later navigations stay on the page engine
  ASSERT_TRUE(PumpUntil([&] { return completed_.size() == 2; }, 10000));
  EXPECT_EQ(browser->Document()->BodyOuterText(), L"中文页面");
}

TEST_F(SystemEngineTest, UnreachableFirstServiceAlsoFallsBackAndShowsTheErrorPage) {
  auto browser = CreateWebBrowser(host_->Container(), BrowserEngineKind::Automatic);
  browser->SetOnDocumentComplete(
      [&](BrowserObjectId, const std::wstring& address) { completed_.push_back(address); });
  browser->Navigate(L"http://127.0.0.1:1/lanquemsg_v2/index.php/Login/client_get_param");
  ASSERT_TRUE(PumpUntil([&] { return !completed_.empty(); }, 10000));
  EXPECT_NE(browser->Document()->BodyOuterText().find(L"无法连接到服务器"), std::wstring::npos);
  EXPECT_EQ(BrowserSite::LiveCount(), 0);
}

// The control's first navigation has the page engine's deadline: a service
// that does not answer it, or redirects it without end, sends the browser to
// the page engine, which answers or shows an error page. (The control is
// taken to have its HTML engine, so that it navigates at all.)
TEST_F(SystemEngineTest, FirstNavigationWithoutADocumentFallsBackAtThePageDeadline) {
  std::wstring base = PageServerBase();
  ASSERT_FALSE(base.empty()) << "page server not running";
  const HttpTimeouts timeouts{15000, 30000, 1500};
  for (const std::wstring path : {L"/hang-first?key=system", L"/loop?key=system"}) {
    SCOPED_TRACE(testing::Message() << std::string(path.begin(), path.end()));
    completed_.clear();
    auto system = SystemBrowserEngine::Create(host_->Container());
    ASSERT_NE(system, nullptr);
    FallbackWebBrowser browser(host_->Container(), std::move(system), timeouts, [] { return true; });
    browser.SetOnDocumentComplete(
        [&](BrowserObjectId, const std::wstring& address) { completed_.push_back(address); });
    browser.Navigate(base + path);
    ASSERT_TRUE(PumpUntil([&] { return !completed_.empty(); }, 6000));
    const std::wstring text = browser.Document()->BodyOuterText();
    EXPECT_TRUE(text == L"answered" || text.find(L"重定向次数过多") != std::wstring::npos) << text.size();
    EXPECT_EQ(BrowserSite::LiveCount(), 0);  // the control is gone
  }
}

// Without an HTML engine (as under Wine) the control is never sent anywhere:
// only the page engine asks the service, and a redirect loop ends after a few hops.
TEST_F(SystemEngineTest, WithoutAnHtmlEngineOnlyThePageEngineFetches) {
  std::wstring base = PageServerBase();
  ASSERT_FALSE(base.empty()) << "page server not running";
  ASSERT_FALSE(SystemHasHtmlEngine());
  const int before = PageServerHits(L"/loop?key=factory");
  auto browser = CreateWebBrowser(host_->Container(), BrowserEngineKind::Automatic);
  browser->SetOnDocumentComplete(
      [&](BrowserObjectId, const std::wstring& address) { completed_.push_back(address); });
  browser->Navigate(base + L"/loop?key=factory");
  ASSERT_TRUE(PumpUntil([&] { return !completed_.empty(); }, 6000));
  EXPECT_NE(browser->Document()->BodyOuterText().find(L"重定向次数过多"), std::wstring::npos);
  PumpFor(500);
  EXPECT_LE(PageServerHits(L"/loop?key=factory") - before, static_cast<int>(kMaxRedirects) + 1);
}

TEST_F(SystemEngineTest, EitherEngineCanBeForced) {
  auto page = CreateWebBrowser(host_->Container(), BrowserEngineKind::Page);
  EXPECT_NE(dynamic_cast<PageBrowserEngine*>(page.get()), nullptr);
  EXPECT_EQ(BrowserSite::LiveCount(), 0);
  page.reset();

  auto system = CreateWebBrowser(host_->Container(), BrowserEngineKind::System);
  EXPECT_NE(dynamic_cast<SystemBrowserEngine*>(system.get()), nullptr);
  system->SetOnDocumentComplete(
      [&](BrowserObjectId, const std::wstring& address) { completed_.push_back(address); });
  system->Navigate(L"http://127.0.0.1:1/");
  PumpFor(500);
  EXPECT_TRUE(completed_.empty());  // no HTML engine, and no fallback either
  EXPECT_EQ(BrowserSite::LiveCount(), 1);
}

TEST(LateBinding, PropertiesAndMethodsByName) {
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  CLSID dictionaryClass{};
  ASSERT_TRUE(SUCCEEDED(CLSIDFromProgID(L"Scripting.Dictionary", &dictionaryClass)));
  IDispatch* dictionary = nullptr;
  ASSERT_TRUE(SUCCEEDED(CoCreateInstance(dictionaryClass, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IDispatch, reinterpret_cast<void**>(&dictionary))));
  EXPECT_TRUE(SUCCEEDED(PutDispatchInteger(dictionary, L"CompareMode", 1)));
  OwnedVariant mode;
  ASSERT_TRUE(SUCCEEDED(GetDispatchProperty(dictionary, L"comparemode", mode)));
  EXPECT_EQ(mode.Integer(), 1);

  VARIANT pair[2];
  VariantInit(&pair[0]);
  VariantInit(&pair[1]);
  pair[0].vt = pair[1].vt = VT_BSTR;
  pair[0].bstrVal = SysAllocString(L"key");
  pair[1].bstrVal = SysAllocString(L"值");
  OwnedVariant ignored;
  EXPECT_TRUE(SUCCEEDED(CallDispatchMethod(dictionary, L"Add", pair, 2, ignored)));
  OwnedVariant count;
  ASSERT_TRUE(SUCCEEDED(GetDispatchProperty(dictionary, L"Count", count)));
  EXPECT_EQ(count.Integer(), 1);
  EXPECT_EQ(count.Text(), L"1");
  OwnedVariant item;
  ASSERT_TRUE(SUCCEEDED(CallDispatchMethod(dictionary, L"Item", pair, 1, item)));
  EXPECT_EQ(item.Text(), L"值");
  EXPECT_EQ(item.DetachDispatch(), nullptr);
  EXPECT_TRUE(FAILED(GetDispatchProperty(dictionary, L"NoSuchMember", ignored)));
  VariantClear(&pair[0]);
  VariantClear(&pair[1]);
  dictionary->Release();
  CoUninitialize();
}

}  // namespace
