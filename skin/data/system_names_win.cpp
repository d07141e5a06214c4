#include <windows.h>

#include <climits>

#include "skin/data/file_bytes.h"
#include "skin/data/system_text_win.h"

std::wstring WideOfSystemText(std::string_view text) {
  if (text.empty()) return {};
  const int size = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), n);
  return wide;
}

// Windows paths are UTF-16; the system's 8-bit names are in the ANSI code page.
std::filesystem::path PathFromSystemName(const std::string& name) { return std::filesystem::path(WideOfSystemText(name)); }

std::string SystemNameOfPath(const std::filesystem::path& path) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
  std::string name(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), name.data(), n, nullptr, nullptr);
  return name;
}
