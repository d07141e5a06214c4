// Plain HTTP(S) retrievals for the page engine. Blocking: run off the
// user-interface thread. Every request carries connect and receive time-outs
// and a deadline for the whole page, follows at most kMaxRedirects redirects,
// and all requests share one session, so cookies live as long as the program.
#pragma once

#include <windows.h>

#include <string>

// The largest reply a fetch takes, the one size limit of the page engine:
// a larger reply fails the fetch ("页面过大"); whatever passes is parsed whole.
inline constexpr size_t kMaxPageBytes = 16u << 20;

// Redirects followed by one fetch; the next one fails it.
inline constexpr unsigned kMaxRedirects = 5;

struct HttpTimeouts {
  int connectMs = 15000;
  int receiveMs = 30000;
  // The longest wait for a whole page, however the service trickles it. The
  // page engine's navigations and the system control's first one share it.
  int pageMs = 30000;
};

struct HttpReply {
  bool received = false;      // false: no reply; `failure` says why
  DWORD status = 0;           // HTTP status code
  std::wstring contentType;   // the Content-Type header
  std::string body;           // the bytes as served (redirects followed)
  std::wstring failure;
};

HttpReply HttpGet(const std::wstring& address, const HttpTimeouts& timeouts);

// The address as it goes on the wire: the query's non-ASCII characters and
// blanks are percent-encoded in the system code page (as the system
// browser sends them); the fragment is dropped. The path is left to WinHTTP.
std::wstring RequestAddress(const std::wstring& address);
