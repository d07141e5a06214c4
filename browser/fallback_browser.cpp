#include "browser/fallback_browser.h"

#include "base/com_ptr_win.h"

namespace {

// The system's HTML document object (its class id; not in MinGW's libraries).
constexpr CLSID kHtmlDocumentClass = {
    0x25336920, 0x03F9, 0x11CF, {0x8F, 0xD0, 0x00, 0xAA, 0x00, 0x68, 0x6F, 0x13}};

// Whether a navigation error comes from a control without an HTML engine:
// the document object could not be created (INET_E_CANNOT_INSTANTIATE_OBJECT)
// or its class is not registered, or another failure (an unreachable service,
// say) where no HTML document object can be made at all, so the control could
// never show even its own error page.
bool MeansNoHtmlEngine(HRESULT status) {
  return status == static_cast<HRESULT>(0x800C0010L) || status == REGDB_E_CLASSNOTREG ||
         !SystemHasHtmlEngine();
}

}  // namespace

bool SystemHasHtmlEngine() {
  ComPtr<IUnknown> document;
  return SUCCEEDED(CoCreateInstance(kHtmlDocumentClass, nullptr, CLSCTX_INPROC_SERVER,
                                    IID_PPV_ARGS(document.Put())));
}

FallbackWebBrowser::FallbackWebBrowser(HWND container, std::unique_ptr<SystemBrowserEngine> system,
                                       HttpTimeouts timeouts, std::function<bool()> hasHtmlEngine)
    : container_(container), system_(std::move(system)), timeouts_(timeouts),
      hasHtmlEngine_(std::move(hasHtmlEngine)), firstDeadline_([this] {
        if (OnFirstNavigation()) FallBack();
      }) {
  system_->SetOnDocumentComplete([this](BrowserObjectId browser, const std::wstring& address) {
    documentSeen_ = true;
    firstDeadline_.Stop();
    RaiseDocumentComplete(browser, address);
  });
  system_->SetOnNavigateError([this](const std::wstring&, HRESULT status) {
    if (OnFirstNavigation() && MeansNoHtmlEngine(status)) FallBack();
  });
}

void FallbackWebBrowser::Navigate(const std::wstring& address) {
  lastAddress_ = address;
  if (OnFirstNavigation() && !firstDeadline_.Running()) {
    if (!hasHtmlEngine_()) {
      FallBack();
      return;
    }
    firstDeadline_.Start(static_cast<unsigned>(timeouts_.pageMs));
  }
  Active().Navigate(address);
}

void FallbackWebBrowser::FallBack() {
  firstDeadline_.Stop();
  system_->SetOnDocumentComplete(nullptr);
  system_->Stop();
  system_->Hide();
  page_ = std::make_unique<PageBrowserEngine>(container_, timeouts_);
  page_->SetOnDocumentComplete([this](BrowserObjectId browser, const std::wstring& address) {
    system_.reset();
    RaiseDocumentComplete(browser, address);
  });
  page_->Navigate(lastAddress_);
}
