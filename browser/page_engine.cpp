#include "browser/page_engine.h"

#include "base/private_messages.h"
#include "framework/window_class.h"
#include "browser/page_charset.h"

#include <libxml/parser.h>

#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace {

// A short page (a banner, say) shows no scroll bar; a long one does.
void ShowScrollBarWhenNeeded(HWND view) {
  RECT area{};
  GetClientRect(view, &area);
  const LRESULT lines = SendMessageW(view, EM_GETLINECOUNT, 0, 0);
  TEXTMETRICW metrics{};
  {
    const TClientDC dc(view);
    const TSelectObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(view, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc.Get(), &metrics);
  }
  const LONG lineHeight = metrics.tmHeight > 0 ? metrics.tmHeight : 1;
  ShowScrollBar(view, SB_VERT, lines * lineHeight > area.bottom);
}

constexpr wchar_t kSinkClass[] = L"LanqueBrowserPageSink";

TextViewDecorator& ViewDecorator() {
  static TextViewDecorator decorator;
  return decorator;
}

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text)
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
  return text;
}

PageContent ErrorPage(const std::wstring& address, const std::wstring& failure) {
  return PlainTextPage(L"无法显示此页\r\n" + failure + L"\r\n" + address);
}

// What a retrieval shows: the parsed page, its plain text, or an error page.
PageContent ContentOf(const std::wstring& address, const HttpReply& reply) {
  if (!reply.received) return ErrorPage(address, reply.failure);
  if (reply.body.empty() && reply.status >= 400)
    return ErrorPage(address, L"服务器返回 HTTP " + std::to_wstring(reply.status));
  std::wstring type = Lower(reply.contentType);
  std::string utf8 = PageBytesToUtf8(reply.body, WideToUtf8(reply.contentType));
  if (type.empty() || type.find(L"html") != std::wstring::npos) return ParseHtmlPage(utf8);
  if (type.rfind(L"text/", 0) == 0) return PlainTextPage(Utf8ToWide(utf8));
  return PlainTextPage(L"");
}

HttpReply Retrieve(const std::wstring& address, const HttpTimeouts& timeouts) {
  if (Lower(address) == L"about:blank") {
    HttpReply blank;
    blank.received = true;
    blank.status = 200;
    blank.contentType = L"text/html";
    return blank;
  }
  return HttpGet(address, timeouts);
}

}  // namespace

struct PageBrowserEngine::Fetched {
  unsigned serial = 0;
  bool refresh = false;
  std::wstring address;
  PageContent content;
};

// Shared by the engine and its workers: a worker drops its result once the
// engine has gone (sink == nullptr).
struct PageBrowserEngine::Inbox {
  std::mutex mutex;
  HWND sink = nullptr;
  std::vector<Fetched> results;
};

void SetTextViewDecorator(TextViewDecorator decorator) { ViewDecorator() = std::move(decorator); }

PageBrowserEngine::PageBrowserEngine(HWND container, HttpTimeouts timeouts)
    : timeouts_(timeouts), inbox_(std::make_shared<Inbox>()) {
  xmlInitParser();
  sink_.Reset(CreateWindowExW(0, RegisterWindowClassOnce(kSinkClass, &PageBrowserEngine::SinkProc), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr));
  SetWindowLongPtrW(sink_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  inbox_->sink = sink_.Get();

  RECT client{};
  GetClientRect(container, &client);
  view_.Reset(CreateWindowExW(0, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                              0, 0, client.right, client.bottom, container, nullptr,
                              GetModuleHandleW(nullptr), nullptr));
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    metrics.lfMessageFont.lfCharSet = DEFAULT_CHARSET;  // any script the page is in
    viewFont_.Reset(CreateFontIndirectW(&metrics.lfMessageFont));
  }
  SendMessageW(view_.Get(), WM_SETFONT,
               reinterpret_cast<WPARAM>(viewFont_ ? viewFont_.Get() : GetStockObject(DEFAULT_GUI_FONT)), 0);
  SendMessageW(view_.Get(), EM_SETLIMITTEXT, 0, 0);
  if (ViewDecorator()) viewDecoration_ = ViewDecorator()(view_.Get());
  deadline_ = std::make_unique<DeadlineTimer>([this] { NavigationTimedOut(); });
  fit_ = std::make_unique<ContainerFit>(container, [this](const RECT& area) {
    MoveWindow(view_.Get(), 0, 0, area.right, area.bottom, TRUE);
    ShowScrollBarWhenNeeded(view_.Get());
  });
}

PageBrowserEngine::~PageBrowserEngine() {
  {
    std::lock_guard<std::mutex> lock(inbox_->mutex);
    inbox_->sink = nullptr;
    inbox_->results.clear();
  }
  fit_.reset();
  viewDecoration_.reset();
  view_.Reset();
  sink_.Reset();
}

void PageBrowserEngine::Navigate(const std::wstring& address) {
  busy_ = true;
  pendingAddress_ = address;
  deadline_->Start(static_cast<unsigned>(timeouts_.pageMs));
  StartFetch(address, ++navigationSerial_, false);
}

// A navigation never waits longer than the page deadline: it completes with
// an error page, and whatever its worker brings later is dropped.
void PageBrowserEngine::NavigationTimedOut() {
  if (!busy_) return;
  Fetched timedOut{++navigationSerial_, false, pendingAddress_,
                   ErrorPage(pendingAddress_, L"等待服务器超时 (" +
                                                  std::to_wstring(timeouts_.pageMs / 1000) + L" 秒)")};
  TakeFetched(timedOut);
}

std::unique_ptr<WebDocument> PageBrowserEngine::Document() {
  if (!content_) return nullptr;
  return MakePageDocument(content_);
}

void PageBrowserEngine::RefreshInputValues(std::function<void(bool)> done) {
  if (!content_) {
    if (done) done(false);
    return;
  }
  refreshDone_ = std::move(done);
  StartFetch(address_, ++refreshSerial_, true);
}

void PageBrowserEngine::StartFetch(const std::wstring& address, unsigned serial, bool refresh) {
  std::thread([inbox = inbox_, timeouts = timeouts_, address, serial, refresh] {
    HttpReply reply = Retrieve(address, timeouts);
    Fetched fetched{serial, refresh, address, ContentOf(address, reply)};
    if (refresh && !reply.received) fetched.content.elements.clear();
    std::lock_guard<std::mutex> lock(inbox->mutex);
    if (!inbox->sink) return;
    inbox->results.push_back(std::move(fetched));
    PostMessageW(inbox->sink, WM_PAGEFETCHED, 0, 0);
  }).detach();
}

void PageBrowserEngine::TakeFetched(Fetched& fetched) {
  if (fetched.refresh) {
    if (fetched.serial != refreshSerial_) return;
    bool taken = content_ && !fetched.content.elements.empty();
    if (taken) TakeInputValues(*content_, fetched.content);
    if (auto done = std::exchange(refreshDone_, nullptr)) done(taken);
    return;
  }
  if (fetched.serial != navigationSerial_) return;  // a newer navigation is on its way
  deadline_->Stop();
  content_ = std::make_shared<PageContent>(std::move(fetched.content));
  address_ = fetched.address;
  ++refreshSerial_;  // a pending refresh belonged to the previous document
  if (auto done = std::exchange(refreshDone_, nullptr)) done(false);
  SetWindowTextW(view_.Get(), content_->bodyText.c_str());
  ShowScrollBarWhenNeeded(view_.Get());
  busy_ = false;
  RaiseDocumentComplete(BrowserObject(), address_);
}

LRESULT CALLBACK PageBrowserEngine::SinkProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message != WM_PAGEFETCHED) return DefWindowProcW(window, message, wParam, lParam);
  auto* engine = reinterpret_cast<PageBrowserEngine*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  std::vector<Fetched> results;
  {
    std::lock_guard<std::mutex> lock(engine->inbox_->mutex);
    results.swap(engine->inbox_->results);
  }
  for (Fetched& fetched : results) engine->TakeFetched(fetched);
  return 0;
}
