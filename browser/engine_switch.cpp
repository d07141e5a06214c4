#include "browser/web_browser.h"

#include <cwctype>

namespace {

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

}  // namespace

BrowserEngineKind ParseBrowserEngineSwitch(std::wstring_view commandLine) {
  BrowserEngineKind kind = BrowserEngineKind::Automatic;
  size_t at = 0;
  while (at < commandLine.size()) {
    while (at < commandLine.size() && std::iswspace(commandLine[at])) ++at;
    size_t end = at;
    bool quoted = false;
    while (end < commandLine.size() && (quoted || !std::iswspace(commandLine[end]))) {
      if (commandLine[end] == L'"') quoted = !quoted;
      ++end;
    }
    std::wstring_view word = commandLine.substr(at, end - at);
    if (EqualsIgnoringCase(word, L"/engine=system")) kind = BrowserEngineKind::System;
    if (EqualsIgnoringCase(word, L"/engine=page")) kind = BrowserEngineKind::Page;
    at = end;
  }
  return kind;
}
