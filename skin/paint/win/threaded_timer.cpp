#include "skin/paint/win/threaded_timer.h"

#include <atomic>

#include "base/private_messages.h"
#include "framework/timer_service.h"
#include "skin/paint/win/animations.h"

// What the timer and its worker share; it lives until both have let go.
struct TacThreadedTimer::TWorker {
  TOwnedKernelHandle Stop{CreateEventW(nullptr, TRUE, FALSE, nullptr)};  // set: the worker ends
  TOwnedKernelHandle Run{CreateEventW(nullptr, TRUE, FALSE, nullptr)};   // set while ticks are wanted
  TOwnedKernelHandle Done{CreateEventW(nullptr, FALSE, FALSE, nullptr)};  // a handed tick has run
  std::atomic<unsigned> Interval{0};
  HWND Window = nullptr;  // the timer window of the timer's thread
  UINT_PTR Id = 0;

  bool Ready() const { return Stop && Run && Done && Window; }
};

TacThreadedTimer::TacThreadedTimer(TComponent* AOwner) : TComponent(AOwner), FEnabled(true), FUseOwnHandler(false) {
  if (!AnimationsClosing()) StartTimer();
}

TacThreadedTimer::TacThreadedTimer(TComponent* AOwner, bool UseOwnHandler)
    : TComponent(AOwner), FEnabled(false), FUseOwnHandler(UseOwnHandler) {
  if (!AnimationsClosing()) StartTimer();
}

TacThreadedTimer::~TacThreadedTimer() { KillTimer(); }

DWORD WINAPI TacThreadedTimer::WorkerLoop(void* Parameter) {
  const std::unique_ptr<std::shared_ptr<TWorker>> held(static_cast<std::shared_ptr<TWorker>*>(Parameter));
  TWorker& worker = **held;
  const HANDLE stopOrRun[] = {worker.Stop.Get(), worker.Run.Get()};
  const HANDLE stopOrDone[] = {worker.Stop.Get(), worker.Done.Get()};
  for (;;) {
    // Paused: wait to be let run (or ended).
    if (WaitForMultipleObjects(2, stopOrRun, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return 0;
    if (WaitForSingleObject(worker.Stop.Get(), worker.Interval.load()) != WAIT_TIMEOUT) return 0;
    if (WaitForSingleObject(worker.Run.Get(), 0) != WAIT_OBJECT_0) continue;  // paused meanwhile
    // Sent, not posted: it runs ahead of the thread's queued messages. The
    // worker waits for it without blocking in the send, so a stop ends the
    // wait however busy the receiving thread is.
    if (!SendNotifyMessageW(worker.Window, WM_TIMERHANDOVER, worker.Id, 0)) return 0;
    if (WaitForMultipleObjects(2, stopOrDone, FALSE, INFINITE) != WAIT_OBJECT_0 + 1) return 0;
  }
}

void TacThreadedTimer::StartTimer() {
  if (FWorker) return;
  auto worker = std::make_shared<TWorker>();
  FService = &TTimerService::Instance();
  worker->Window = FService->GetHandle();
  worker->Id = FService->NewId();  // a new id each start: a late tick of an earlier worker finds nothing
  worker->Interval = FInterval;
  if (!worker->Ready()) return;
  auto* parameter = new std::shared_ptr<TWorker>(worker);
  FThread.Reset(CreateThread(nullptr, 0, WorkerLoop, parameter, 0, nullptr));
  if (!FThread) {
    delete parameter;
    return;
  }
  ::SetThreadPriority(FThread.Get(), FThreadPriority);
  FWorker = worker;
  FId = worker->Id;
  // The handler may free this timer; the worker's state outlives it.
  FService->Register(FId, [this, worker] {
    DoTimer();
    SetEvent(worker->Done.Get());
  });
  UpdateTimer();
}

void TacThreadedTimer::KillTimer() {
  if (!FWorker) return;
  FService->Stop(FId);  // a tick handed over but not yet run is dropped
  SetEvent(FWorker->Stop.Get());
  // The worker never waits for this thread once it is stopped.
  WaitForSingleObject(FThread.Get(), INFINITE);
  FThread.Reset();
  FWorker.reset();
  FResolution.Hold(false);
}

bool TacThreadedTimer::WantsTicks() const {
  return FInterval != 0 && FEnabled && (FUseOwnHandler || static_cast<bool>(FOnTimer));
}

void TacThreadedTimer::UpdateTimer() {
  if (!FWorker) return;
  const bool run = WantsTicks();
  if (run) SetEvent(FWorker->Run.Get());
  else ResetEvent(FWorker->Run.Get());
  FResolution.Hold(run);
}

void TacThreadedTimer::Reset() {
  KillTimer();
  StartTimer();
}

void TacThreadedTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TacThreadedTimer::SetInterval(unsigned Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  if (FWorker) FWorker->Interval = Value;
  UpdateTimer();
}

void TacThreadedTimer::SetThreadPriority(int Value) {
  if (Value == FThreadPriority) return;
  FThreadPriority = Value;
  if (FThread) ::SetThreadPriority(FThread.Get(), Value);
}

void TacThreadedTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  UpdateTimer();
}

void TacThreadedTimer::DoTimer() {
  // Freeing this timer from its handler waits until the handler has returned.
  const TDispatchScope scope(this);
  // Checked here, on this thread: a tick handed over just before a pause is dropped.
  if (IsDestroying() || !WantsTicks() || AnimationsClosing()) return;
  if (FUseOwnHandler) TimeHandler();
  else Timer();
}

void TacThreadedTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}
