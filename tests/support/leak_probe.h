// What a loop test compares before and after its loop: the live handles of
// every kind held by the program's owners, the system's own object counts
// (which read 0 under Wine) and the process's committed memory.
#pragma once

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "base/win_handles.h"

// Committed private and mapped memory of the process: heap blocks and the
// pixels of every DIB section.
inline long long CommittedBytes() {
  long long total = 0;
  MEMORY_BASIC_INFORMATION info;
  for (const char* at = nullptr; VirtualQuery(at, &info, sizeof info) == sizeof info;
       at = static_cast<const char*>(info.BaseAddress) + info.RegionSize)
    if (info.State == MEM_COMMIT && (info.Type == MEM_PRIVATE || info.Type == MEM_MAPPED))
      total += static_cast<long long>(info.RegionSize);
  return total;
}

struct TLeakProbe {
  std::array<int, static_cast<size_t>(THandleKind::Count)> Live{};
  DWORD Gdi = 0;
  DWORD User = 0;
  long long Committed = 0;

  static TLeakProbe Take() {
    TLeakProbe probe;
    for (size_t k = 0; k < probe.Live.size(); ++k) probe.Live[k] = LiveHandleCount(static_cast<THandleKind>(k));
    probe.Gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    probe.User = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    probe.Committed = CommittedBytes();
    return probe;
  }
  // Differences from an earlier probe, one per line; empty when flat (memory
  // may grow by less than SlackBytes, which allocator noise stays within).
  std::string DriftSince(const TLeakProbe& Before, long long SlackBytes = 2ll << 20) const {
    static constexpr const char* kNames[] = {"windows", "DCs",   "bitmaps",     "regions",      "fonts",
                                             "brushes", "icons", "menus",       "image lists",  "registry keys", "kernel handles"};
    static_assert(std::size(kNames) == static_cast<size_t>(THandleKind::Count));
    std::string drift;
    for (size_t k = 0; k < Live.size(); ++k)
      if (Live[k] != Before.Live[k])
        drift += std::string(kNames[k]) + ": " + std::to_string(Before.Live[k]) + " -> " + std::to_string(Live[k]) + "\n";
    if (Gdi != Before.Gdi) drift += "GDI objects: " + std::to_string(Before.Gdi) + " -> " + std::to_string(Gdi) + "\n";
    if (User != Before.User) drift += "USER objects: " + std::to_string(Before.User) + " -> " + std::to_string(User) + "\n";
    if (Committed - Before.Committed >= SlackBytes)
      drift += "committed memory grew by " + std::to_string(Committed - Before.Committed) + " bytes\n";
    return drift;
  }
};

// How many cycles a leak loop runs: a count that takes seconds, or, with
// LANQUE_LONG_LOOPS set (scripts/test --long), the full count.
inline int LeakLoopCycles(int Short, int Full) {
  const char* value = std::getenv("LANQUE_LONG_LOOPS");
  return value && *value && *value != '0' ? Full : Short;
}

// Runs Cycle(i) for i in [0, Cycles) after WarmUp unprobed cycles, and says
// what it left behind: every live-handle count must come back exactly, and
// the committed memory, sampled along the loop, must not climb by a slope
// that would come to SlackBytes over FullCycles, so that a short loop speaks
// for the full one. A climb smaller than the allocator's own steps (a quarter
// of a megabyte over the loop) is not taken for a slope. Empty when flat.
inline std::string LeakLoopDrift(int Cycles, int FullCycles, const std::function<void(int)>& Cycle,
                                 int WarmUp = 20, long long SlackBytes = 2ll << 20) {
  for (int i = 0; i < WarmUp; ++i) Cycle(i);
  const TLeakProbe before = TLeakProbe::Take();
  constexpr int kSamples = 16;
  std::vector<double> at, bytes;
  for (int i = 0; i < Cycles; ++i) {
    Cycle(i);
    if ((i + 1) % std::max(1, Cycles / kSamples) == 0) {
      at.push_back(i + 1);
      bytes.push_back(static_cast<double>(CommittedBytes()));
    }
  }
  const TLeakProbe after = TLeakProbe::Take();
  std::string drift = after.DriftSince(before, SlackBytes);
  if (at.size() >= 2) {  // least squares: bytes a cycle
    double mx = 0, my = 0;
    for (size_t k = 0; k < at.size(); ++k) mx += at[k], my += bytes[k];
    mx /= at.size(), my /= at.size();
    double sxy = 0, sxx = 0;
    for (size_t k = 0; k < at.size(); ++k) sxy += (at[k] - mx) * (bytes[k] - my), sxx += (at[k] - mx) * (at[k] - mx);
    const double slope = sxy / sxx;
    constexpr double kAllocatorSteps = 256 << 10;
    if (slope * FullCycles >= static_cast<double>(SlackBytes) && slope * Cycles >= kAllocatorSteps)
      drift += "committed memory climbs by " + std::to_string(static_cast<long long>(slope)) + " bytes a cycle (" +
               std::to_string(static_cast<long long>(slope * FullCycles)) + " over " + std::to_string(FullCycles) +
               " cycles)\n";
  }
  return drift;
}
