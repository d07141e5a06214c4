// What a loop test compares before and after its loop: the live handles of
// every kind held by the program's owners, the system's own object counts
// (which read 0 under Wine) and the process's committed memory.
#pragma once

#include <windows.h>

#include <array>
#include <string>

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
