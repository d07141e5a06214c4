#include "browser/page_content.h"

#include <map>
#include <utility>

namespace {

class PageElementHandle final : public WebElement {
public:
  PageElementHandle(std::shared_ptr<PageContent> content, size_t index)
      : content_(std::move(content)), index_(index) {}
  std::wstring TagName() const override { return Element().tagName; }
  std::wstring Id() const override { return Element().id; }
  std::wstring Value() const override { return Element().value; }
  void SetValue(const std::wstring& value) override { Element().value = value; }

private:
  PageElement& Element() const { return content_->elements[index_]; }
  std::shared_ptr<PageContent> content_;
  size_t index_;
};

class PageDocumentHandle final : public WebDocument {
public:
  explicit PageDocumentHandle(std::shared_ptr<PageContent> content)
      : content_(std::move(content)) {}
  std::wstring BodyOuterText() const override { return content_->bodyText; }
  long AllLength() const override { return static_cast<long>(content_->elements.size()); }
  std::unique_ptr<WebElement> AllItem(long index) const override {
    if (index < 0 || index >= AllLength()) return nullptr;
    return std::make_unique<PageElementHandle>(content_, static_cast<size_t>(index));
  }

private:
  std::shared_ptr<PageContent> content_;
};

}  // namespace

PageContent PlainTextPage(std::wstring text) {
  PageContent page;
  page.bodyText = std::move(text);
  page.elements = {{L"HTML", L"", L""}, {L"HEAD", L"", L""}, {L"BODY", L"", L""}};
  return page;
}

void TakeInputValues(PageContent& current, const PageContent& fresh) {
  std::map<std::wstring, std::vector<const std::wstring*>> freshValues;
  for (const PageElement& element : fresh.elements)
    if (element.tagName == L"INPUT") freshValues[element.id].push_back(&element.value);
  std::map<std::wstring, size_t> seen;
  for (PageElement& element : current.elements) {
    if (element.tagName != L"INPUT") continue;
    size_t occurrence = seen[element.id]++;
    auto found = freshValues.find(element.id);
    if (found != freshValues.end() && occurrence < found->second.size())
      element.value = *found->second[occurrence];
  }
}

std::unique_ptr<WebDocument> MakePageDocument(std::shared_ptr<PageContent> content) {
  return std::make_unique<PageDocumentHandle>(std::move(content));
}
