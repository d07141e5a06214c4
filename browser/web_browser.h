// The embedded browser as the login window sees it: navigation, the
// document-complete event, the loaded document with its body text and its
// elements, the busy flag and the accelerator hook of the in-place object.
// Two engines implement it: the system WebBrowser control and the page engine.
#pragma once

#include <windows.h>

#include "browser/http_fetch.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

// Identity of the object whose document completed. For the top-level
// document it equals the browser's own BrowserObject(); frames differ.
using BrowserObjectId = const void*;

// One element of a document's "all" collection.
class WebElement {
public:
  virtual ~WebElement() = default;
  virtual std::wstring TagName() const = 0;  // upper case, e.g. L"INPUT"
  virtual std::wstring Id() const = 0;       // empty when the element has none
  virtual std::wstring Value() const = 0;
  virtual void SetValue(const std::wstring& value) = 0;
};

// A loaded document. A handle stays valid while its browser lives; values
// written through it are seen by later readers of the same document.
class WebDocument {
public:
  virtual ~WebDocument() = default;
  // The body's outer text: what the page displays, without markup.
  virtual std::wstring BodyOuterText() const = 0;
  // The "all" collection: every element in document order.
  virtual long AllLength() const = 0;
  virtual std::unique_ptr<WebElement> AllItem(long index) const = 0;
};

// The browser's in-place active object: lets the page see keyboard
// shortcuts before the message is dispatched.
class WebActiveObject {
public:
  virtual ~WebActiveObject() = default;
  virtual void TranslateAccelerator(MSG& message) = 0;
};

class WebBrowser {
public:
  using DocumentCompleteHandler =
      std::function<void(BrowserObjectId browser, const std::wstring& address)>;

  virtual ~WebBrowser() = default;
  WebBrowser() = default;
  WebBrowser(const WebBrowser&) = delete;
  WebBrowser& operator=(const WebBrowser&) = delete;

  // Starts loading the address and returns at once.
  virtual void Navigate(const std::wstring& address) = 0;
  // None (nullptr) before the first document has loaded.
  virtual std::unique_ptr<WebDocument> Document() = 0;
  // True while a page is loading.
  virtual bool Busy() const = 0;
  // The in-place active object, or none when the engine has none.
  virtual std::shared_ptr<WebActiveObject> Application() = 0;
  // The browser's own object, compared with the event's object.
  virtual BrowserObjectId BrowserObject() const = 0;
  // An engine that runs no page scripts cannot see a page change its INPUT
  // values: it retrieves the current document's address again and takes the
  // INPUT values of the reply into the current document, raising no
  // document-complete. `done` (optional) learns whether values were taken,
  // once the refresh is over. Engines whose pages keep their own values
  // current take nothing and say so at once.
  virtual void RefreshInputValues(std::function<void(bool taken)> done = {}) {
    if (done) done(false);
  }

  // Raised on the user-interface thread when a document has loaded.
  void SetOnDocumentComplete(DocumentCompleteHandler handler) {
    onDocumentComplete_ = std::move(handler);
  }

protected:
  void RaiseDocumentComplete(BrowserObjectId browser, const std::wstring& address) {
    if (onDocumentComplete_) {
      auto handler = onDocumentComplete_;  // the handler may replace itself
      handler(browser, address);
    }
  }

private:
  DocumentCompleteHandler onDocumentComplete_;
};

enum class BrowserEngineKind {
  Automatic,  // the system control, the page engine when it has no HTML engine
  System,     // the system WebBrowser control only
  Page,       // the page engine only
};

// Reads "/engine=system" or "/engine=page" from a command line (case does
// not matter); Automatic when neither is present.
BrowserEngineKind ParseBrowserEngineSwitch(std::wstring_view commandLine);

// The time-outs of a command line: "/timeout=SECONDS" (1 to 3600) sets the
// page deadline; the defaults otherwise.
HttpTimeouts ParseTimeoutSwitch(std::wstring_view commandLine);

// Creates a browser living in the given container window: it fills the
// container's client area and follows its size (width 0 hides it).
// The component-object runtime must be initialised on this thread.
std::unique_ptr<WebBrowser> CreateWebBrowser(HWND container, BrowserEngineKind kind,
                                             const HttpTimeouts& timeouts = {});
