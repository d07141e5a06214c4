#pragma once
// A browser engine whose documents the test writes: the addresses it was
// sent to are recorded, documents complete when the test says so, and its
// INPUT values can be read and set like a page's.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/browser_control.h"
#include "browser/web_browser.h"

struct TScriptedElement {
  std::wstring TagName;
  std::wstring Id;
  std::wstring Value;
};

struct TScriptedPage {
  std::wstring Text;
  std::vector<TScriptedElement> Elements;
};

class TScriptedBrowser : public WebBrowser {
 public:
  std::vector<std::wstring> Navigations;
  std::shared_ptr<TScriptedPage> Page;  // none: no document yet
  bool IsBusy = false;
  int Translated = 0;  // messages handed to the in-place active object
  std::vector<UINT> TranslatedKeys;
  int PageChecks = 0;  // refreshes of the INPUT values asked for
  // Their answers, while the test holds them back: each takes whether values were taken.
  std::vector<std::function<void(bool)>> PendingPageChecks;

  void Navigate(const std::wstring& Address) override { Navigations.push_back(Address); }
  std::unique_ptr<WebDocument> Document() override;
  bool Busy() const override { return IsBusy; }
  std::shared_ptr<WebActiveObject> Application() override;
  BrowserObjectId BrowserObject() const override { return this; }
  void RefreshInputValues(std::function<void(bool)> done) override {
    ++PageChecks;
    PendingPageChecks.push_back(std::move(done));
  }

  // Loads Page and raises document-complete for the top-level document.
  void Complete(TScriptedPage NewPage);
  // Document-complete of a frame: another object than the browser's own.
  void CompleteFrame() { RaiseDocumentComplete(&FFrame, L"about:frame"); }

 private:
  int FFrame = 0;
};

// While it lives, every browser control made gets a scripted engine, listed
// here in the order the engines were made.
class TScriptedEngines {
 public:
  TScriptedEngines();
  TScriptedEngines(const TScriptedEngines&) = delete;
  TScriptedEngines& operator=(const TScriptedEngines&) = delete;
  ~TScriptedEngines();
  std::vector<TScriptedBrowser*> All;
};
