#pragma once
// A skinned object for the timer tests: a hidden window, a cache that holds
// the old look until the object is asked to build its new one, and a record
// of the frames and commands the timers sent it.
#include <windows.h>

#include <functional>
#include <vector>

#include "base/win_handles.h"
#include "skin/paint/tests/paint_test_util.h"
#include "skin/paint/win/fade_timer.h"

// Blue channels: the old look 255, the new look 0.
inline constexpr TsColor kOldLook = 0xFF0000FF;
inline constexpr TsColor kNewLook = 0xFF000000;

class TFadeProbe : public TacFadeTarget {
 public:
  explicit TFadeProbe(int width = 4, int height = 3)
      : Window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, width, height, nullptr, nullptr, nullptr,
                               nullptr)),
        Cache(FilledBitmap(width, height, kOldLook)) {}
  ~TFadeProbe() override { StopFading(Fade); }

  bool FadeAlive() const override { return true; }
  bool FadeEnabled() const override { return true; }
  bool SkinChanging() const override { return false; }
  TBitmap32* FadeCache() override { return &Cache; }
  bool GetBackgroundChanged() const override { return BackgroundChanged; }
  void SetBackgroundChanged(bool Value) override { BackgroundChanged = Value; }
  HWND FadeWindow() const override { return Window.Get(); }
  void Repaint() override { ++Repaints; }
  void Invalidate() override { ++Invalidations; }

  LRESULT FadeCommand(int Code, LPARAM LParam, int) override {
    switch (Code) {
      case acmPrepareCache:
        Cache = FilledBitmap(Cache.Width(), Cache.Height(), kNewLook);
        BackgroundChanged = false;
        return 0;
      case acmFadeFrame: {
        const TBitmap32& frame = *reinterpret_cast<const TacFadeFrame*>(LParam)->Frame;
        Blues.push_back(static_cast<int>(GetAPixel(frame, 0, 0) & 0xFF));
        LastFrameIsNewLook = true;
        for (int y = 0; y < frame.Height(); ++y)
          for (int x = 0; x < frame.Width(); ++x) LastFrameIsNewLook &= GetAPixel(frame, x, y) == kNewLook;
        if (OnFrame) OnFrame(static_cast<int>(Blues.size()));
        return 1;
      }
      case acmStopAnimation:
        ++Stops;
        StopFading(Fade);  // inside the timer's own tick
        TimersAliveInStop = acAnimCount;
        return 0;
      case acmInvalidate:
        ++Invalidations;
        return 0;
    }
    return 0;
  }

  TOwnedWindow Window;
  TBitmap32 Cache;
  bool BackgroundChanged = false;
  TsFadeTimer* Fade = nullptr;
  std::vector<int> Blues;  // the blue channel of every frame shown
  bool LastFrameIsNewLook = false;
  std::function<void(int FrameCount)> OnFrame;
  int Stops = 0;
  int TimersAliveInStop = -1;
  int Repaints = 0;
  int Invalidations = 0;
};
