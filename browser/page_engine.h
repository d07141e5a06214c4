// The page engine: retrieves pages with plain HTTP requests on worker
// threads, parses them, and shows their text in a read-only view filling
// the container. Results come back to the user-interface thread as window
// messages, so a slow service never blocks the message loop.
#pragma once

#include "base/win_handles.h"
#include "browser/container_fit.h"
#include "browser/deadline_timer.h"
#include "browser/http_fetch.h"
#include "browser/page_content.h"
#include "browser/web_browser.h"

#include <functional>
#include <memory>

// Dresses the text view of every page engine made from now on (the
// program's skin puts its edit adapter on it); what it gives back is kept
// for as long as the view lives.
using TextViewDecorator = std::function<std::shared_ptr<void>(HWND view)>;
void SetTextViewDecorator(TextViewDecorator decorator);

class PageBrowserEngine final : public WebBrowser {
public:
  explicit PageBrowserEngine(HWND container, HttpTimeouts timeouts = {});
  ~PageBrowserEngine() override;

  void Navigate(const std::wstring& address) override;
  std::unique_ptr<WebDocument> Document() override;
  bool Busy() const override { return busy_; }
  std::shared_ptr<WebActiveObject> Application() override { return nullptr; }
  BrowserObjectId BrowserObject() const override { return this; }

  void RefreshInputValues(std::function<void(bool taken)> done = {}) override;

  // The read-only text view (a child of the container).
  HWND View() const { return view_.Get(); }

  struct Inbox;
  struct Fetched;

private:
  void StartFetch(const std::wstring& address, unsigned serial, bool refresh);
  void TakeFetched(Fetched& fetched);
  void NavigationTimedOut();
  static LRESULT CALLBACK SinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HttpTimeouts timeouts_;
  TOwnedWindow view_;
  std::shared_ptr<void> viewDecoration_;  // let go before the view
  // The text font of message boxes: it has the glyphs of the system's language.
  TOwnedFont viewFont_;
  TOwnedWindow sink_;
  std::shared_ptr<Inbox> inbox_;
  std::unique_ptr<ContainerFit> fit_;
  std::shared_ptr<PageContent> content_;
  std::wstring address_;
  std::wstring pendingAddress_;    // of the navigation on its way
  unsigned navigationSerial_ = 0;  // of the newest navigation
  std::unique_ptr<DeadlineTimer> deadline_;  // of the navigation on its way
  unsigned refreshSerial_ = 0;
  std::function<void(bool)> refreshDone_;
  bool busy_ = false;
};
