#pragma once
// A component that passes the application's events to its owner's handlers.
#include "framework/application.h"

class TApplicationEvents : public TComponent {
 public:
  explicit TApplicationEvents(TComponent* AOwner);
  ~TApplicationEvents() override;

  TMessageEvent OnMessage;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
};
