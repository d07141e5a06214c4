#include "framework/app_events.h"

#include <algorithm>

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner) {
  if (Application) Application->FEvents.push_back(this);
}

TApplicationEvents::~TApplicationEvents() {
  if (!Application) return;
  auto& events = Application->FEvents;
  events.erase(std::remove(events.begin(), events.end(), this), events.end());
}
