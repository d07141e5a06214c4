// What the page engine keeps of a loaded page: the body text and every
// element in document order with its tag name, id and value.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "browser/web_browser.h"

struct PageElement {
  std::wstring tagName;  // upper case
  std::wstring id;
  std::wstring value;
};

struct PageContent {
  std::wstring bodyText;
  std::vector<PageElement> elements;
};

// Parses an HTML page given in UTF-8.
PageContent ParseHtmlPage(std::string_view utf8Html);

// A page made of plain text (error pages, non-HTML replies).
PageContent PlainTextPage(std::wstring text);

// Takes the INPUT values of `fresh` into `current`: the n-th INPUT with a
// given id receives the value of the n-th INPUT with that id in `fresh`.
void TakeInputValues(PageContent& current, const PageContent& fresh);

// A document handle sharing the engine's content.
std::unique_ptr<WebDocument> MakePageDocument(std::shared_ptr<PageContent> content);
