#pragma once
// What the skinned edit, check box and label share when they paint: the
// parent's background under a control, captions in the skin's colours,
// measuring text, and default processing of a system control that must not
// paint over the skin.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/control.h"
#include "skin/paint/cache_info.h"
#include "skin/paint/items/text_paint.h"
#include "skin/win/common_data.h"

// The parent's background under the control (its place in the parent's
// picture included); nothing while the parent is not ready to give one.
std::optional<TCacheInfo> ParentBackground(TControl& Control);

// The caption's skin for a control of the data in a state: its own section's
// colours, or those of its place when its section is one of the shared
// transparent ones.
TsCaptionSkin CaptionSkinOf(TsCommonData& Data, TControl& Control, int State, TacGlowMask* Glow);

// The rectangle DrawText fills (DT_CALCRECT) with the font, from rect's top-left.
RECT MeasureText(HFONT Font, const std::string& Text, RECT Rect, UINT Format);

// The system's own handling of a message, with the window marked invisible
// for its length so that the system control draws nothing over the skin.
void CallDefaultUnseen(HWND Window, const std::function<void()>& Default);

// The whole cache onto a device context at (0, 0).
void CopyCacheToDC(const TsCommonData& Data, HDC DC);
