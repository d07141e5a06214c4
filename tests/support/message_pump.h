// A message loop for tests that wait for something the loop brings about.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

// Runs the message loop until `done` holds or `timeoutMs` has passed.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

// Runs the message loop for a while.
inline void PumpFor(int milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}
