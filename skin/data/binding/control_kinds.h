#pragma once
// Control kinds: the numbers a skinned control class stores in its skin data
// to select its default section and the behaviour sets below.
#include <string>
#include <string_view>

inline constexpr int ckEdit = 3;
inline constexpr int ckCheckBox = 32;
inline constexpr int ckSpeedButton = 92;
inline constexpr int ckButton = 93;
inline constexpr int ckBitBtn = 94;

// Edit-like controls: their colours come from their section.
bool IsEditCtrl(int kind);
// Controls the mouse does not make hot.
bool IsForbidMouse(int kind);
// Controls that can never be hot.
bool IsCanNotBeHot(int kind);
// The three button classes manage their own glow.
inline bool IsButtonKind(int kind) { return kind >= ckSpeedButton && kind <= ckBitBtn; }

// The section a control of this kind uses when it names none; the class
// name (upper-cased) for kinds without a default.
std::string DefaultSectionOfKind(int kind, std::string_view className);
