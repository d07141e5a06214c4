// Where the login window keeps its account settings, in order: the machine-wide
// key "Software\lanque" below HKEY_LOCAL_MACHINE; "config.ini" beside the
// program; a per-user "config.ini" in the user's application-data folder for
// when neither of the first two can be written.
#pragma once

#include <optional>
#include <string>

#include "app/logic/account_settings.h"
#include "app/settings/ini_settings_store.h"
#include "app/settings/registry_settings_store.h"

namespace lanque {

std::wstring ExecutableDirectory();
std::wstring UserSettingsDirectory();  // "<application data>\lanque"

// The config.ini beside the program.
std::wstring ProgramConfigPath();

class AccountStores {
 public:
  AccountStores();

  SettingsStores InOrder() { return {&machine_, &besideProgram_, &perUser_}; }

 private:
  RegistrySettingsStore machine_;
  IniSettingsStore besideProgram_;
  IniSettingsStore perUser_;
};

// [SERVICE] BaseUrl of the config.ini beside the program, when present.
std::optional<std::string> ConfiguredServiceBaseUrl();

}  // namespace lanque
