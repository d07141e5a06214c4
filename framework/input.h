#pragma once
// Mouse buttons and the shift state that mouse events report.
#include <functional>

#include "framework/component.h"

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TShiftFlag : unsigned {
  ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64
};
using TShiftState = unsigned;

using TMouseEvent =
    std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;
