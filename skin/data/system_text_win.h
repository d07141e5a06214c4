#pragma once
// An 8-bit text in the system code page as UTF-16, for the system's wide
// calls (Windows only).
#include <string>
#include <string_view>

std::wstring WideOfSystemText(std::string_view text);
