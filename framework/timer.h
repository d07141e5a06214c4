#pragma once
// A timer component: raises OnTimer every Interval milliseconds while enabled.
#include <memory>

#include "framework/component.h"
#include "framework/utility_window.h"

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
  void UpdateTimer();

  bool FEnabled = true;
  unsigned FInterval = 1000;
  bool FRunning = false;
  std::unique_ptr<TUtilityWindow> FWindow;
};
