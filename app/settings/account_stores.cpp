#include "app/settings/account_stores.h"

#include <shlobj.h>

namespace lanque {

std::wstring ExecutableDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L".";
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return path.substr(0, path.find_last_of(L"\\/"));
}

std::wstring UserSettingsDirectory() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) {
    return {};
  }
  return std::wstring(folder) + L"\\lanque";
}

std::wstring ProgramConfigPath() { return ExecutableDirectory() + L"\\config.ini"; }

namespace {

std::wstring PerUserConfigPath() {
  const std::wstring folder = UserSettingsDirectory();
  return folder.empty() ? folder : folder + L"\\config.ini";
}

}  // namespace

AccountStores::AccountStores()
    : machine_(HKEY_LOCAL_MACHINE, L"Software\\lanque"),
      besideProgram_(ProgramConfigPath(), L"ACCOUNT"),
      perUser_(PerUserConfigPath(), L"ACCOUNT") {}

std::optional<std::string> ConfiguredServiceBaseUrl() {
  StoredValue value = ReadIniValue(ProgramConfigPath(), L"SERVICE", "BaseUrl");
  if (value.kind != StoredKind::Text) return std::nullopt;
  return std::move(value.text);
}

}  // namespace lanque
