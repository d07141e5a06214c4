// CreateWebBrowser: the system control first; the page engine when the
// control cannot be created or turns out to have no HTML engine.
#include "browser/fallback_browser.h"
#include "browser/page_engine.h"
#include "browser/system_engine.h"
#include "browser/web_browser.h"

std::unique_ptr<WebBrowser> CreateWebBrowser(HWND container, BrowserEngineKind kind,
                                             const HttpTimeouts& timeouts) {
  if (kind != BrowserEngineKind::Page) {
    SetBrowserEmulationForThisProgram();
    if (auto system = SystemBrowserEngine::Create(container)) {
      if (kind == BrowserEngineKind::System) return system;
      return std::make_unique<FallbackWebBrowser>(container, std::move(system), timeouts);
    }
  }
  return std::make_unique<PageBrowserEngine>(container, timeouts);
}
