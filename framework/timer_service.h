#pragma once
// One hidden message-only window that runs every timer of the thread: each
// timer has an id of its own on that window, and a tick reaches its timer
// only while the timer is registered. Ticks come from the system (Start) or
// from a worker thread that hands them over (Register, then the worker sends
// WM_TIMERHANDOVER with the id in WParam to the window).
#include <functional>
#include <vector>

#include "base/win_handles.h"

class TTimerService {
 public:
  using TTick = std::function<void()>;

  // The service of the calling thread, made on first use.
  static TTimerService& Instance();

  // Starts (or restarts with a new interval) the timer Id; false when the
  // system refuses the timer.
  bool Start(UINT_PTR Id, unsigned Interval, TTick Tick);
  // Registers the timer Id without a system timer: its ticks arrive as
  // WM_TIMERHANDOVER from a thread of its own.
  void Register(UINT_PTR Id, TTick Tick);
  void Stop(UINT_PTR Id);
  // A new id for a timer of this thread.
  UINT_PTR NewId() { return ++FLastId; }

  HWND GetHandle() const { return FWindow.Get(); }
  int RunningCount() const;

  ~TTimerService();

 private:
  TTimerService();
  static LRESULT CALLBACK WindowProcedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  void Tick(UINT_PTR Id);

  struct TEntry {
    UINT_PTR Id;
    TTick Tick;
  };
  TOwnedWindow FWindow;
  std::vector<TEntry> FEntries;
  UINT_PTR FLastId = 0;
};
