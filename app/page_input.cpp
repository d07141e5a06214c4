#include "app/page_input.h"

#include "browser/web_browser.h"

std::wstring ExchangePageInput(WebDocument* Document, const std::wstring& Id, const std::wstring& NewValue) {
  if (!Document) return L"0";
  std::wstring result;
  const long count = Document->AllLength();
  for (long i = 0; i < count; ++i) {
    const auto element = Document->AllItem(i);
    if (!element || element->TagName() != L"INPUT" || element->Id() != Id) continue;
    result = element->Value();
    if (result != NewValue) element->SetValue(NewValue);
  }
  return result;
}
