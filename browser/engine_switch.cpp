#include "browser/web_browser.h"

#include <cwctype>

namespace {

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  return true;
}

// Calls `take` with each blank-separated word of a command line (quotes
// keep blanks inside a word).
template <typename Take>
void ForEachWord(std::wstring_view commandLine, Take take) {
  size_t at = 0;
  while (at < commandLine.size()) {
    while (at < commandLine.size() && std::iswspace(commandLine[at])) ++at;
    size_t end = at;
    bool quoted = false;
    while (end < commandLine.size() && (quoted || !std::iswspace(commandLine[end]))) {
      if (commandLine[end] == L'"') quoted = !quoted;
      ++end;
    }
    if (end > at) take(commandLine.substr(at, end - at));
    at = end;
  }
}

}  // namespace

BrowserEngineKind ParseBrowserEngineSwitch(std::wstring_view commandLine) {
  BrowserEngineKind kind = BrowserEngineKind::Automatic;
  ForEachWord(commandLine, [&](std::wstring_view word) {
    if (EqualsIgnoringCase(word, L"/engine=system")) kind = BrowserEngineKind::System;
    if (EqualsIgnoringCase(word, L"/engine=page")) kind = BrowserEngineKind::Page;
  });
  return kind;
}

HttpTimeouts ParseTimeoutSwitch(std::wstring_view commandLine) {
  constexpr std::wstring_view name = L"/timeout=";
  HttpTimeouts timeouts;
  ForEachWord(commandLine, [&](std::wstring_view word) {
    if (word.size() <= name.size() || !EqualsIgnoringCase(word.substr(0, name.size()), name)) return;
    int seconds = 0;
    for (wchar_t c : word.substr(name.size())) {
      if (c < L'0' || c > L'9' || seconds > 3600) return;
      seconds = seconds * 10 + (c - L'0');
    }
    if (seconds >= 1 && seconds <= 3600) timeouts.pageMs = seconds * 1000;
  });
  return timeouts;
}
