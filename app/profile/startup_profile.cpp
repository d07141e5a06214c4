#include "app/profile/startup_profile.h"

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace startup_profile {
namespace {

struct TStamp {
  const char* Name;
  double Milliseconds;
};

std::vector<TStamp>& Stamps() {
  static std::vector<TStamp> stamps;
  return stamps;
}

bool Asked() {
  if (std::wcsstr(GetCommandLineW(), L"/profile=startup")) return true;
  wchar_t value[16] = {};
  const DWORD length = GetEnvironmentVariableW(L"LANQUE_PROFILE", value, 16);
  return length > 0 && length < 16 && std::wcscmp(value, L"startup") == 0;
}

double Ticks(const FILETIME& time) {
  return static_cast<double>(ULARGE_INTEGER{{time.dwLowDateTime, time.dwHighDateTime}}.QuadPart);
}

double SinceProcessStart() {
  FILETIME created, exited, kernel, user, now;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  GetSystemTimePreciseAsFileTime(&now);
  return (Ticks(now) - Ticks(created)) / 10000.0;  // 100 ns ticks
}

void Print() {
  std::string text;
  char line[96];
  for (const TStamp& stamp : Stamps()) {
    std::snprintf(line, sizeof line, "%s %.1f\n", stamp.Name, stamp.Milliseconds);
    text += line;
  }
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

BOOL CALLBACK FindVisible(HWND window, LPARAM found) {
  if (!IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

void CALLBACK FirstTimer(HWND, UINT, UINT_PTR timer, DWORD) {
  // A message loop before any window is shown: not yet.
  bool shown = false;
  EnumThreadWindows(GetCurrentThreadId(), FindVisible, reinterpret_cast<LPARAM>(&shown));
  if (!shown) return;
  KillTimer(nullptr, timer);
  GdiFlush();
  Mark("first-paint");
  Print();
  PostQuitMessage(0);
}

}  // namespace

bool Enabled() {
  static const bool enabled = Asked();
  return enabled;
}

void Mark(const char* name) {
  if (Enabled()) Stamps().push_back({name, SinceProcessStart()});
}

void AwaitFirstPaint() {
  // Timer messages come after every paint message of the thread, and the
  // timer that expires first comes first.
  if (Enabled()) SetTimer(nullptr, 0, USER_TIMER_MINIMUM, FirstTimer);
}

}  // namespace startup_profile
