// The cadence of the skin's animation clocks over real timers and the real
// message loop (run it on Windows or under Wine): the interval between two
// frames of one fade, and between two ticks of a threaded timer at the same
// 12 ms, as mean and worst in milliseconds.
#include <windows.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "skin/paint/win/fade_timer.h"
#include "skin/paint/win/threaded_timer.h"

namespace {

double NowMs() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / perMs;
}

// Runs the thread's message loop until done holds: queued messages and the
// ticks that worker threads send.
template <typename TDone>
void RunLoopUntil(TDone done) {
  MSG message;
  while (!done()) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    if (!done()) MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

// The intervals between successive moments, gathered over every run.
struct TCadence {
  std::vector<double> Intervals;
  void Add(const std::vector<double>& moments) {
    for (size_t i = 1; i < moments.size(); ++i) Intervals.push_back(moments[i] - moments[i - 1]);
  }
  void Report(benchmark::State& state) const {
    if (Intervals.empty()) return;
    double sum = 0;
    for (double d : Intervals) sum += d;
    state.counters["mean_ms"] = sum / static_cast<double>(Intervals.size());
    state.counters["worst_ms"] = *std::max_element(Intervals.begin(), Intervals.end());
    state.counters["intervals"] = static_cast<double>(Intervals.size());
  }
};

// A skinned object of 200 x 30 pixels that notes when each frame arrives.
class TTimedObject : public TacFadeTarget {
 public:
  TTimedObject()
      : FWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 30, nullptr, nullptr, nullptr, nullptr)),
        FCache(200, 30) {}
  ~TTimedObject() override { StopFading(Fade); }

  bool FadeAlive() const override { return true; }
  bool FadeEnabled() const override { return true; }
  bool SkinChanging() const override { return false; }
  TBitmap32* FadeCache() override { return &FCache; }
  bool GetBackgroundChanged() const override { return FBackgroundChanged; }
  void SetBackgroundChanged(bool Value) override { FBackgroundChanged = Value; }
  HWND FadeWindow() const override { return FWindow.Get(); }
  void Repaint() override {}
  void Invalidate() override {}
  LRESULT FadeCommand(int Code, LPARAM, int) override {
    if (Code == acmPrepareCache) FBackgroundChanged = false;
    if (Code == acmFadeFrame) Frames.push_back(NowMs());
    if (Code == acmStopAnimation) StopFading(Fade);
    return 0;  // frames are copied onto the window
  }

  TsFadeTimer* Fade = nullptr;
  std::vector<double> Frames;

 private:
  TOwnedWindow FWindow;
  TBitmap32 FCache;
  bool FBackgroundChanged = false;
};

void BM_FadeCadence(benchmark::State& state) {
  TCadence cadence;
  TTimedObject object;
  for (auto _ : state) {
    object.Frames.clear();
    DoChangePaint(object.Fade, object, false, fdUp);
    RunLoopUntil([&] { return object.Fade == nullptr; });
    cadence.Add(object.Frames);
  }
  cadence.Report(state);
}
BENCHMARK(BM_FadeCadence)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ThreadedTimerCadence(benchmark::State& state) {
  TCadence cadence;
  for (auto _ : state) {
    std::vector<double> ticks;
    TacThreadedTimer timer(nullptr);
    timer.SetInterval(acAnimInterval);
    timer.SetOnTimer([&ticks](TComponent*) { ticks.push_back(NowMs()); });
    RunLoopUntil([&] { return ticks.size() > static_cast<size_t>(acFadeSteps); });
    cadence.Add(ticks);
  }
  cadence.Report(state);
}
BENCHMARK(BM_ThreadedTimerCadence)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
