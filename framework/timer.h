#pragma once
// A timer component: raises OnTimer every Interval milliseconds while
// enabled. Every timer of a thread runs on the one timer window of the
// thread's timer service.
#include <windows.h>

#include "framework/component.h"

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  unsigned GetInterval() const { return FInterval; }
  void SetInterval(unsigned Value);

  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  // Raises EOutOfResources when the system has no timer to give.
  void UpdateTimer();

  bool FEnabled = true;
  unsigned FInterval = 1000;
  UINT_PTR FId;
};
