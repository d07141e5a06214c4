// Plain HTTP(S) retrievals for the page engine. Blocking: run off the
// user-interface thread. Every request carries connect and receive time-outs,
// and all requests share one session, so cookies live as long as the program.
#pragma once

#include <windows.h>

#include <string>

struct HttpTimeouts {
  int connectMs = 15000;
  int receiveMs = 30000;
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
