#pragma once
// Paths as UTF-8 text: the form the skin manager's folders and skin names
// take. Every file name converts both ways without loss, whatever the
// system's code page (on Windows through the UTF-16 paths of the system).
#include <filesystem>
#include <string>
#include <string_view>

std::filesystem::path PathFromUtf8(std::string_view text);
std::string Utf8OfPath(const std::filesystem::path& path);
