#include "skin/paint/win/animations.h"

#include "framework/application.h"

bool FadingForbidden = false;
int acAnimCount = 0;

bool AnimationsClosing() { return Application && Application->IsTerminated(); }
