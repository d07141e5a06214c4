#include "framework/app_events.h"

TApplicationEvents::TApplicationEvents(TComponent* AOwner) : TComponent(AOwner) {
  if (Application) Application->FEvents.Add(this);
}

TApplicationEvents::~TApplicationEvents() {
  if (Application) Application->FEvents.Remove(this);
}
