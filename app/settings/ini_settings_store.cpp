#include "app/settings/ini_settings_store.h"

#include "framework/text.h"
#include <windows.h>

namespace lanque {
namespace {

// Reads GetPrivateProfileStringW's answer, growing the buffer until it fits.
// `reserve` is how many characters short of the buffer a truncated answer ends.
template <typename TRead>
std::wstring ReadProfileText(TRead read, DWORD reserve) {
  std::wstring buffer(256, L'\0');
  for (;;) {
    const DWORD length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length + reserve < buffer.size()) return buffer.substr(0, length);
    buffer.assign(buffer.size() * 2, L'\0');
  }
}

// Opens the file as asked and closes it again at once.
bool TryOpenFile(const std::wstring& path, DWORD access, DWORD disposition, DWORD flags) {
  const HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  disposition, flags, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

bool CanWriteFile(const std::wstring& path) {
  if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
    return TryOpenFile(path, GENERIC_READ | GENERIC_WRITE, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL);
  }
  const auto slash = path.find_last_of(L"\\/");
  if (slash != std::wstring::npos) CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  // A trial file that vanishes when closed: nothing is left behind.
  return TryOpenFile(path, GENERIC_WRITE, CREATE_NEW,
                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
}

class IniSection : public SettingsSection {
 public:
  IniSection(std::wstring path, std::wstring section)
      : path_(std::move(path)), section_(std::move(section)) {}

  StoredValue Read(std::string_view name) override { return ReadIniValue(path_, section_, name); }

  bool Write(std::string_view name, std::string_view text) override {
    return WritePrivateProfileStringW(section_.c_str(), WideFromUtf8(name).c_str(),
                                      WideFromUtf8(text).c_str(), path_.c_str()) != 0;
  }

 private:
  std::wstring path_;
  std::wstring section_;
};

}  // namespace

StoredValue ReadIniValue(const std::wstring& path, const std::wstring& section, std::string_view name) {
  // The section's key names, each ended by a null, the list by a second one.
  const std::wstring keys = ReadProfileText(
      [&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileStringW(section.c_str(), nullptr, L"", buffer, size, path.c_str());
      },
      2);
  const std::wstring wideName = WideFromUtf8(name);
  for (const wchar_t* key = keys.c_str(); *key; key += wcslen(key) + 1) {
    if (CompareStringOrdinal(key, -1, wideName.c_str(), -1, TRUE) != CSTR_EQUAL) continue;
    const std::wstring text = ReadProfileText(
        [&](wchar_t* buffer, DWORD size) {
          return GetPrivateProfileStringW(section.c_str(), wideName.c_str(), L"", buffer, size,
                                          path.c_str());
        },
        1);
    return {StoredKind::Text, Utf8FromWide(text)};
  }
  return {};
}

std::unique_ptr<SettingsSection> IniSettingsStore::Open() {
  if (path_.empty() || !CanWriteFile(path_)) return nullptr;
  return std::make_unique<IniSection>(path_, section_);
}

}  // namespace lanque
