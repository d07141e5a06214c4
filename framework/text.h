#pragma once
// Conversions between UTF-16 (what windows show) and 8-bit texts: the
// system code page (what the service and stored settings use) and UTF-8.
#include <string>
#include <string_view>

std::wstring WideFromAnsi(std::string_view text);   // system code page -> UTF-16
std::string AnsiFromWide(std::wstring_view text);   // UTF-16 -> system code page
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
