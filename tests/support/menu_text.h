#pragma once
// The size DrawText measures for a text in the system's menu font, with the
// given format (DT_CALCRECT is added).
#include <windows.h>

#include <string>

#include "base/win_handles.h"

inline SIZE MenuFontTextSize(const std::wstring& Text, UINT Format) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  const TOwnedFont font(CreateFontIndirectW(&metrics.lfMenuFont));
  const TOwnedMemoryDC dc(CreateCompatibleDC(nullptr));
  const TSelectObject selected(dc.Get(), font.Get());
  RECT r{0, 0, 800, 0};
  DrawTextW(dc.Get(), Text.c_str(), -1, &r, Format | DT_CALCRECT);
  return {r.right - r.left, r.bottom - r.top};
}
