#include "app/tests/scripted_browser.h"

namespace {

class TElement : public WebElement {
 public:
  TElement(std::shared_ptr<TScriptedPage> Page, size_t Index) : FPage(std::move(Page)), FIndex(Index) {}
  std::wstring TagName() const override { return Item().TagName; }
  std::wstring Id() const override { return Item().Id; }
  std::wstring Value() const override { return Item().Value; }
  void SetValue(const std::wstring& Value) override { FPage->Elements[FIndex].Value = Value; }

 private:
  const TScriptedElement& Item() const { return FPage->Elements[FIndex]; }
  std::shared_ptr<TScriptedPage> FPage;
  size_t FIndex;
};

class TDocument : public WebDocument {
 public:
  explicit TDocument(std::shared_ptr<TScriptedPage> Page) : FPage(std::move(Page)) {}
  std::wstring BodyOuterText() const override { return FPage->Text; }
  long AllLength() const override { return static_cast<long>(FPage->Elements.size()); }
  std::unique_ptr<WebElement> AllItem(long Index) const override {
    return std::make_unique<TElement>(FPage, static_cast<size_t>(Index));
  }

 private:
  std::shared_ptr<TScriptedPage> FPage;
};

class TActiveObject : public WebActiveObject {
 public:
  explicit TActiveObject(TScriptedBrowser& Browser) : FBrowser(Browser) {}
  void TranslateAccelerator(MSG& Message) override {
    ++FBrowser.Translated;
    if (Message.message == WM_KEYDOWN) FBrowser.TranslatedKeys.push_back(static_cast<UINT>(Message.wParam));
  }

 private:
  TScriptedBrowser& FBrowser;
};

}  // namespace

std::unique_ptr<WebDocument> TScriptedBrowser::Document() {
  if (!Page) return nullptr;
  return std::make_unique<TDocument>(Page);
}

std::shared_ptr<WebActiveObject> TScriptedBrowser::Application() {
  return std::make_shared<TActiveObject>(*this);
}

void TScriptedBrowser::Complete(TScriptedPage NewPage) {
  Page = std::make_shared<TScriptedPage>(std::move(NewPage));
  RaiseDocumentComplete(this, Navigations.empty() ? L"" : Navigations.back());
}

TScriptedEngines::TScriptedEngines() {
  TCppWebBrowser::SetEngineFactory([this](HWND) {
    auto engine = std::make_unique<TScriptedBrowser>();
    All.push_back(engine.get());
    return engine;
  });
}

TScriptedEngines::~TScriptedEngines() { TCppWebBrowser::SetEngineFactory({}); }
