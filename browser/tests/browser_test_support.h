// Helpers of the browser tests: a host window with a container, a message
// pump with a deadline, and the address of the loopback page server.
#pragma once

#include <windows.h>

#include "browser/http_fetch.h"

#include <chrono>
#include <fstream>
#include <functional>
#include <string>

#include "tests/support/message_pump.h"

// A top-level window with one child container, as a form hosts a browser.
// The frame stays hidden: without a window manager, hiding a shown window
// makes Wine wait for the X server for two seconds.
class HostWindow {
public:
  HostWindow() {
    frame_ = CreateWindowExW(0, L"STATIC", L"browser test", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    container_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 400, 300,
                                 frame_, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~HostWindow() { DestroyWindow(frame_); }
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;
  HWND Container() const { return container_; }

private:
  HWND frame_;
  HWND container_;
};

// "http://127.0.0.1:PORT" of the server the test fixture started, or empty.
inline std::wstring PageServerBase() {
  std::ifstream state(LANQUE_PAGE_SERVER_STATE);
  int port = 0;
  if (!(state >> port) || port <= 0) return {};
  return L"http://127.0.0.1:" + std::to_wstring(port);
}

// How many requests the page server has had for a path (with its query, if
// one is given).
inline int PageServerHits(const std::wstring& path) {
  HttpReply reply = HttpGet(PageServerBase() + L"/hits?path=" + path, {});
  return reply.received ? std::stoi(reply.body) : -1;
}
