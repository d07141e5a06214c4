#pragma once
// What the soak's careless user does with the mouse and the keyboard: real
// input through the system (SendInput), so that captures, modal loops,
// menus and message boxes see it as they see a person's.
#include <windows.h>

#include <string>

namespace soak_input {

void MoveTo(POINT At);
void Press(bool Right, bool Down);
void Click(POINT At, bool Right = false);
void DoubleClick(POINT At);
// Presses at From, moves there in steps, lets go at To.
void Drag(POINT From, POINT To);
void Wheel(POINT At, int Notches);
// A key with Shift or Alt held, as asked.
void Key(WORD VirtualKey, bool Shift = false, bool Alt = false);
void Type(const std::wstring& Text);

}  // namespace soak_input
