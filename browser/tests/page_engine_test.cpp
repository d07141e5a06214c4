// The page engine against the loopback page server.
#include "browser/tests/browser_test_support.h"
#include "browser/page_engine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Completion {
  BrowserObjectId browser;
  std::wstring address;
};

class PageEngineTest : public testing::Test {
protected:
  void SetUp() override {
    base_ = PageServerBase();
    ASSERT_FALSE(base_.empty()) << "page server not running";
  }
  std::unique_ptr<PageBrowserEngine> MakeEngine(HttpTimeouts timeouts = {}) {
    auto engine = std::make_unique<PageBrowserEngine>(host_.Container(), timeouts);
    engine->SetOnDocumentComplete([this](BrowserObjectId browser, const std::wstring& address) {
      completions_.push_back({browser, address});
    });
    return engine;
  }
  // Navigates and waits for the first completion; returns the body text.
  std::wstring Load(PageBrowserEngine& engine, const std::wstring& path) {
    size_t before = completions_.size();
    engine.Navigate(base_ + path);
    EXPECT_TRUE(PumpUntil([&] { return completions_.size() > before; }, 10000)) << path;
    auto document = engine.Document();
    return document ? document->BodyOuterText() : L"<no document>";
  }

  HostWindow host_;
  std::wstring base_;
  std::vector<Completion> completions_;
};

TEST_F(PageEngineTest, LoadsUtf8PageOnceWithTextInputsAndBusy) {
  auto engine = MakeEngine();
  EXPECT_EQ(engine->Document(), nullptr);
  EXPECT_FALSE(engine->Busy());
  engine->Navigate(base_ + L"/utf8");
  EXPECT_TRUE(engine->Busy());
  ASSERT_TRUE(PumpUntil([&] { return !completions_.empty(); }, 10000));
  EXPECT_FALSE(engine->Busy());
  PumpFor(300);
  ASSERT_EQ(completions_.size(), 1u);
  EXPECT_EQ(completions_[0].browser, engine->BrowserObject());
  EXPECT_EQ(completions_[0].address, base_ + L"/utf8");

  auto document = engine->Document();
  ASSERT_NE(document, nullptr);
  EXPECT_EQ(document->BodyOuterText(),
            L"蓝鹊 & friends\r\n\r\nA\u00A0B <tag> 中文 spaced words\r\n\r\nline one\r\nline two"
            L"\r\nnot an input");
  wchar_t shown[512] = {};
  GetWindowTextW(engine->View(), shown, 512);
  EXPECT_EQ(document->BodyOuterText(), shown);

  std::vector<std::wstring> inputs;
  std::unique_ptr<WebElement> lastExit;
  for (long i = 0; i < document->AllLength(); ++i) {
    auto element = document->AllItem(i);
    if (element->TagName() != L"INPUT") continue;
    inputs.push_back(element->Id() + L"=" + element->Value());
    if (element->Id() == L"client_exit") lastExit = std::move(element);
  }
  EXPECT_EQ(inputs, (std::vector<std::wstring>{L"first=one", L"client_exit=1",
                                               L"client_exit=0", L"="}));
  ASSERT_NE(lastExit, nullptr);
  lastExit->SetValue(L"9");
  auto again = engine->Document();
  std::wstring seen;
  for (long i = 0; i < again->AllLength(); ++i)
    if (again->AllItem(i)->Id() == L"client_exit") seen += again->AllItem(i)->Value() + L",";
  EXPECT_EQ(seen, L",1,9,");  // the DIV first, then both INPUTs
}

TEST_F(PageEngineTest, DecodesGbkFromHeaderAndFromMetaTag) {
  auto engine = MakeEngine();
  EXPECT_EQ(Load(*engine, L"/gbk"), L"中文页面");
  auto document = engine->Document();
  EXPECT_EQ(document->AllItem(document->AllLength() - 1)->Value(), L"张三");
  EXPECT_EQ(Load(*engine, L"/gbk-meta"), L"简体中文");
  EXPECT_EQ(Load(*engine, L"/plain"), L"1.00|http://example.invalid/update|60");
}

TEST_F(PageEngineTest, FramesRaiseNoCompletion) {
  auto engine = MakeEngine();
  EXPECT_EQ(Load(*engine, L"/frames"), L"outer page");
  PumpFor(500);
  ASSERT_EQ(completions_.size(), 1u);
  EXPECT_EQ(completions_[0].browser, engine->BrowserObject());
}

TEST_F(PageEngineTest, RedirectIsFollowed) {
  auto engine = MakeEngine();
  EXPECT_EQ(Load(*engine, L"/redirect"), L"1.00|http://example.invalid/update|60");
}

TEST_F(PageEngineTest, QuerySentInTheSystemCodePage) {
  if (GetACP() != 936) GTEST_SKIP() << "needs the Chinese system code page";
  auto engine = MakeEngine();
  EXPECT_EQ(Load(*engine, L"/echo?userid=中文 1"), L"/echo?userid=%D6%D0%CE%C4%201");
}

TEST_F(PageEngineTest, UnreachableServiceGivesAnErrorPage) {
  auto engine = MakeEngine();
  engine->Navigate(L"http://127.0.0.1:1/lanquemsg_v2/index.php/Login/client_get_param");
  ASSERT_TRUE(PumpUntil([&] { return !completions_.empty(); }, 10000));
  std::wstring text = engine->Document()->BodyOuterText();
  EXPECT_NE(text.find(L"http://127.0.0.1:1/lanquemsg_v2"), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"无法连接到服务器"), std::wstring::npos) << text;
  EXPECT_FALSE(engine->Busy());
}

TEST_F(PageEngineTest, SlowServiceDoesNotBlockTheMessageLoop) {
  auto engine = MakeEngine();
  UINT_PTR timer = SetTimer(nullptr, 0, 20, nullptr);
  engine->Navigate(base_ + L"/slow?ms=1500");
  int ticksWhileBusy = 0;
  ASSERT_TRUE(PumpUntil(
      [&] {
        MSG tick;
        while (PeekMessageW(&tick, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
          if (engine->Busy()) ++ticksWhileBusy;
        }
        return !completions_.empty();
      },
      10000));
  KillTimer(nullptr, timer);
  EXPECT_GE(ticksWhileBusy, 20);
  EXPECT_EQ(engine->Document()->BodyOuterText(), L"slow reply");
}

TEST_F(PageEngineTest, ReceiveTimeOutGivesAnErrorPage) {
  auto engine = MakeEngine(HttpTimeouts{2000, 300});
  std::wstring text = Load(*engine, L"/slow?ms=3000");
  EXPECT_NE(text.find(L"超时"), std::wstring::npos) << text;
}

TEST_F(PageEngineTest, NoNavigationOutlastsThePageDeadline) {
  auto engine = MakeEngine(HttpTimeouts{15000, 30000, 1000});
  const auto start = GetTickCount64();
  std::wstring text = Load(*engine, L"/hang-first?key=engine");
  EXPECT_LT(GetTickCount64() - start, 3000u);
  EXPECT_NE(text.find(L"超时"), std::wstring::npos) << text;
  EXPECT_FALSE(engine->Busy());
  EXPECT_EQ(Load(*engine, L"/hang-first?key=engine"), L"answered");
  PumpFor(300);
  EXPECT_EQ(completions_.size(), 2u);
}

TEST_F(PageEngineTest, RedirectLoopIsCutAfterAFewHopsAndGivesAnErrorPage) {
  auto engine = MakeEngine();
  const int before = PageServerHits(L"/loop?key=engine");
  std::wstring text = Load(*engine, L"/loop?key=engine");
  EXPECT_NE(text.find(L"重定向次数过多"), std::wstring::npos) << text;
  EXPECT_LE(PageServerHits(L"/loop?key=engine") - before, static_cast<int>(kMaxRedirects) + 1);
}

TEST_F(PageEngineTest, ReplyOverTheSizeLimitGivesAnErrorPage) {
  auto engine = MakeEngine();
  std::wstring text = Load(*engine, L"/big?bytes=" + std::to_wstring(kMaxPageBytes + 1));
  EXPECT_NE(text.find(L"页面过大"), std::wstring::npos) << text.substr(0, 200);
}

TEST_F(PageEngineTest, NewerNavigationSupersedesAnOlderOne) {
  auto engine = MakeEngine();
  engine->Navigate(base_ + L"/slow?ms=700");
  engine->Navigate(base_ + L"/plain");
  ASSERT_TRUE(PumpUntil([&] { return !completions_.empty(); }, 10000));
  PumpFor(1200);
  ASSERT_EQ(completions_.size(), 1u);
  EXPECT_EQ(completions_[0].address, base_ + L"/plain");
  EXPECT_EQ(engine->Document()->BodyOuterText(), L"1.00|http://example.invalid/update|60");
}

TEST_F(PageEngineTest, RefreshTakesLiveInputValuesWithoutCompletion) {
  auto engine = MakeEngine();
  Load(*engine, L"/counter");
  auto input = engine->Document()->AllItem(2);
  ASSERT_NE(input, nullptr);
  int first = std::stoi(input->Value());
  int outcome = -1;
  engine->RefreshInputValues([&](bool taken) { outcome = taken; });
  ASSERT_TRUE(PumpUntil([&] { return outcome != -1; }, 10000));
  EXPECT_EQ(outcome, 1);
  EXPECT_EQ(input->Value(), std::to_wstring(first + 1));
  EXPECT_EQ(completions_.size(), 1u);
}

TEST_F(PageEngineTest, ViewFillsTheContainerAndFollowsItsSize) {
  auto engine = MakeEngine();
  RECT view{};
  GetWindowRect(engine->View(), &view);
  EXPECT_EQ(view.right - view.left, 400);
  MoveWindow(host_.Container(), 0, 0, 0, 300, TRUE);
  GetWindowRect(engine->View(), &view);
  EXPECT_EQ(view.right - view.left, 0);
  MoveWindow(host_.Container(), 0, 0, 289, 120, TRUE);
  GetWindowRect(engine->View(), &view);
  EXPECT_EQ(view.right - view.left, 289);
  EXPECT_EQ(view.bottom - view.top, 120);
}

TEST_F(PageEngineTest, DestroyingWhileLoadingIsSafe) {
  {
    auto engine = MakeEngine();
    engine->Navigate(base_ + L"/slow?ms=300");
  }
  PumpFor(600);
  EXPECT_TRUE(completions_.empty());
}

}  // namespace
