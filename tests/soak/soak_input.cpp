#include "tests/soak/soak_input.h"

#include <vector>

namespace soak_input {

namespace {

void Send(std::vector<INPUT> Inputs) {
  SendInput(static_cast<UINT>(Inputs.size()), Inputs.data(), sizeof(INPUT));
  Sleep(15);  // let the system route it before the next
}

INPUT Mouse(DWORD Flags, LONG X = 0, LONG Y = 0, DWORD Data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = X;
  input.mi.dy = Y;
  input.mi.mouseData = Data;
  input.mi.dwFlags = Flags;
  return input;
}

INPUT KeyInput(WORD VirtualKey, WCHAR Unicode, bool Up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VirtualKey;
  input.ki.wScan = Unicode;
  input.ki.dwFlags = (Unicode ? KEYEVENTF_UNICODE : 0) | (Up ? KEYEVENTF_KEYUP : 0);
  return input;
}

}  // namespace

void MoveTo(POINT At) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, At.x * 65535 / (width - 1), At.y * 65535 / (height - 1))});
}

void Press(bool Right, bool Down) {
  const DWORD flags = Right ? (Down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP)
                            : (Down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
  Send({Mouse(flags)});
}

void Click(POINT At, bool Right) {
  MoveTo(At);
  Press(Right, true);
  Press(Right, false);
}

void DoubleClick(POINT At) {
  Click(At);
  Press(false, true);
  Press(false, false);
}

void Drag(POINT From, POINT To) {
  MoveTo(From);
  Press(false, true);
  for (int step = 1; step <= 5; ++step)
    MoveTo({From.x + (To.x - From.x) * step / 5, From.y + (To.y - From.y) * step / 5});
  Press(false, false);
}

void Wheel(POINT At, int Notches) {
  MoveTo(At);
  Send({Mouse(MOUSEEVENTF_WHEEL, 0, 0, static_cast<DWORD>(Notches * WHEEL_DELTA))});
}

void Key(WORD VirtualKey, bool Shift, bool Alt) {
  std::vector<INPUT> inputs;
  if (Shift) inputs.push_back(KeyInput(VK_SHIFT, 0, false));
  if (Alt) inputs.push_back(KeyInput(VK_MENU, 0, false));
  inputs.push_back(KeyInput(VirtualKey, 0, false));
  inputs.push_back(KeyInput(VirtualKey, 0, true));
  if (Alt) inputs.push_back(KeyInput(VK_MENU, 0, true));
  if (Shift) inputs.push_back(KeyInput(VK_SHIFT, 0, true));
  Send(std::move(inputs));
}

void Type(const std::wstring& Text) {
  for (wchar_t c : Text) Send({KeyInput(0, c, false), KeyInput(0, c, true)});
}

}  // namespace soak_input
